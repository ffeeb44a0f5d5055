#include "host/services/files.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "host/services/encoding_win.h"
#include "host/services/file_io_win.h"
#include "host/services/handles_win.h"
#include "host/services/program_directory_win.h"

namespace host {
namespace {

// A 32-bit process cannot hold much more in one piece.
constexpr LONGLONG kLargestReadableFile = 1LL << 30;

// Shared with other readers, closed to writers: what is read is one version
// of the file.
OwnedFile open_for_reading(const Text& file_name) {
  return OwnedFile(CreateFileW(gb18030_to_wide(file_name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

bool has_readable_size(const OwnedFile& file, LARGE_INTEGER& size) {
  return GetFileSizeEx(file.get(), &size) && size.QuadPart <= kLargestReadableFile;
}

}  // namespace

Text program_directory() { return wide_to_gb18030(program_directory_wide()); }

bool is_readable_file(const Text& file_name) {
  if (!is_usable_name(file_name)) return false;
  const OwnedFile file = open_for_reading(file_name);
  LARGE_INTEGER size{};
  return file && has_readable_size(file, size);
}

std::optional<Bytes> read_whole_file(const Text& file_name) {
  if (!is_usable_name(file_name)) return std::nullopt;
  const OwnedFile file = open_for_reading(file_name);
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return Bytes();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!has_readable_size(file, size)) return std::nullopt;
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

}  // namespace host
