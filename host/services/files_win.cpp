#include "host/services/files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <string>
#include <utility>

#include "host/services/encoding_win.h"
#include "host/services/handles_win.h"
#include "host/services/program_directory_win.h"

namespace host {
namespace {

// A 32-bit process cannot hold much more in one piece.
constexpr LONGLONG kLargestReadableFile = 1LL << 30;
constexpr DWORD kLargestTransfer = 1u << 24;

// A new file beside the target, open for writing; closed and removed again
// when it goes out of scope unless it took the target's place.
class TemporaryFile {
 public:
  TemporaryFile(OwnedFile file, std::wstring path) : file_(std::move(file)), path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    file_.close();  // an open file cannot be deleted
    if (!kept_) DeleteFileW(path_.c_str());
  }

  HANDLE handle() const { return file_.get(); }
  const std::wstring& path() const { return path_; }
  bool close() { return file_.close(); }
  void keep() { kept_ = true; }

 private:
  OwnedFile file_;
  std::wstring path_;
  bool kept_ = false;
};

// An embedded zero byte would silently cut the name short.
bool is_usable_name(const Text& file_name) { return !file_name.empty() && file_name.find('\0') == Text::npos; }

bool write_all(HANDLE file, std::span<const std::span<const std::uint8_t>> parts) {
  for (std::span<const std::uint8_t> part : parts) {
    while (!part.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(part.size(), kLargestTransfer));
      DWORD written = 0;
      if (!WriteFile(file, part.data(), chunk, &written, nullptr) || written == 0) return false;
      part = part.subspan(written);
    }
  }
  return true;
}

// Writing in place would fail when another program holds the target open
// without sharing it for writing; replacing it must fail then too rather than
// swap the file under that program.
bool can_write_to(const std::wstring& target) {
  const OwnedFile probe(CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(probe);
}

}  // namespace

Text program_directory() { return wide_to_gb18030(program_directory_wide()); }

std::optional<Bytes> read_whole_file(const Text& file_name) {
  if (!is_usable_name(file_name)) return std::nullopt;
  const OwnedFile file(CreateFileW(gb18030_to_wide(file_name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return Bytes();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestReadableFile) return std::nullopt;
  Bytes bytes;
  try {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kLargestTransfer));
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

// The bytes go to a new file in the target's folder, are flushed to the disk,
// and the new file then takes the target's place in one rename, so that the
// target is never seen half written and a failure leaves it untouched. A
// program killed at any moment leaves the target holding either the old bytes
// or the new ones, never no file; at worst a temporary file stays beside it.
bool write_file(const Text& file_name, std::span<const std::span<const std::uint8_t>> parts) {
  if (!is_usable_name(file_name)) return false;
  const std::wstring target = gb18030_to_wide(file_name);
  if (target.empty()) return false;
  const DWORD attributes = GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (!exists && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
  // A read-only file is refused by its attribute, as Windows refuses to write
  // or replace it: under Wine a program running as root could open it for
  // writing and rename over it.
  constexpr DWORD kNotReplaceable = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
  if (exists && ((attributes & kNotReplaceable) != 0 || !can_write_to(target))) return false;
  // The new file replaces the old one, so it is given the old one's
  // attributes from the start.
  const DWORD kept_attributes =
      exists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED) : 0;

  static std::atomic<unsigned> counter{0};
  const std::wstring stem = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring name = stem + std::to_wstring(counter++) + L".tmp";
    OwnedFile file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | kept_attributes, nullptr));
    if (!file && GetLastError() == ERROR_FILE_EXISTS) continue;
    if (!file) return false;
    TemporaryFile temporary(std::move(file), name);
    if (!write_all(temporary.handle(), parts) || !FlushFileBuffers(temporary.handle()) || !temporary.close()) {
      return false;
    }
    if (!MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return false;
    }
    temporary.keep();
    return true;
  }
  return false;
}

}  // namespace host
