// Saving a file so that it stays the file it was. An existing file gets its
// new content through ReplaceFileW, which swaps in a flushed temporary file
// in one step and keeps the old file's security descriptor, owner,
// attributes, creation time, alternate streams, encryption and compression.
// A file with other names (hard links) would lose them to any swap, and some
// file systems or folders cannot take one; such a file is written in place,
// after a whole, flushed backup copy of its old content. A symbolic link is
// followed, so the link stays a link and its target is saved.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <utility>

#include "host/services/encoding_win.h"
#include "host/services/file_io_win.h"
#include "host/services/files.h"
#include "host/services/handles_win.h"

namespace host {
namespace {

// The program's own files beside a target: "<target>.verbrook-<pid>-<n>.tmp"
// while a save is written, "....backup" while a file is rewritten in place.
constexpr std::wstring_view kOwnMark = L".verbrook-";
constexpr std::wstring_view kTemporaryEnd = L".tmp";
constexpr std::wstring_view kBackupEnd = L".backup";

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file of the program's own, open for writing; closed and removed again
// when it goes out of scope unless it is kept.
class OwnFile {
 public:
  OwnFile(OwnedFile file, std::wstring path) : file_(std::move(file)), path_(std::move(path)) {}
  OwnFile(OwnFile&& other) noexcept
      : file_(std::move(other.file_)), path_(std::exchange(other.path_, {})), kept_(other.kept_) {}
  OwnFile& operator=(OwnFile&&) = delete;
  ~OwnFile() {
    file_.close();  // an open file cannot be deleted
    if (!kept_ && !path_.empty()) DeleteFileW(path_.c_str());
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

// What a save needs to know of its target, the link followed.
struct Target {
  std::wstring path;
  bool exists = false;
  DWORD attributes = 0;
  DWORD links = 0;
};

std::wstring final_path_of(HANDLE file, const std::wstring& fallback) {
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD length = GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return fallback;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
  return fallback;
}

std::optional<Target> examine(const std::wstring& name) {
  if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return Target{name};
    return std::nullopt;
  }
  // Opening follows a symbolic link; the handle is the target's.
  const OwnedFile file(
      CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !GetFileInformationByHandle(file.get(), &information)) return std::nullopt;
  return Target{final_path_of(file.get(), name), true, information.dwFileAttributes, information.nNumberOfLinks};
}

// Writing in place would fail when another program holds the target open
// without sharing it for writing; replacing it must fail then too rather than
// swap the file under that program.
bool can_write_to(const std::wstring& target) {
  return static_cast<bool>(
      OwnedFile(CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

// "<path>.verbrook-<pid>-<n><end>", a new n each time.
std::wstring next_own_name(const std::wstring& path, std::wstring_view end) {
  static std::atomic<unsigned> counter{0};
  return path + std::wstring(kOwnMark) + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++) +
         std::wstring(end);
}

// A new file under the next free name of the program's own beside `path`.
std::optional<OwnFile> create_own_file(const std::wstring& path, std::wstring_view end, DWORD attributes) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring name = next_own_name(path, end);
    OwnedFile file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL | attributes, nullptr));
    if (file) return OwnFile(std::move(file), std::move(name));
    if (GetLastError() != ERROR_FILE_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

bool write_and_flush(OwnFile& file, std::span<const std::span<const std::uint8_t>> parts) {
  return write_all(file.handle(), parts) && FlushFileBuffers(file.handle()) && file.close();
}

enum class Outcome { Done, Failed, CannotSwap };

// A flushed temporary file beside the target takes its place. ReplaceFileW
// moves the old file to a backup name first and the new one into its place
// then, so a kill between the two leaves the old content whole under the
// backup name and the new content under the temporary one; the backup goes
// once the swap is done. CannotSwap: the target is as it was, and a write in
// place may still work.
Outcome write_by_swapping(const Target& target, std::span<const std::span<const std::uint8_t>> parts) {
  // The new file starts with the attributes a plain rename would not carry.
  const DWORD kept = target.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
  std::optional<OwnFile> temporary = create_own_file(target.path, kTemporaryEnd, kept);
  if (!temporary) return target.exists && GetLastError() == ERROR_ACCESS_DENIED ? Outcome::CannotSwap : Outcome::Failed;
  if (!write_and_flush(*temporary, parts)) return Outcome::Failed;
  if (!target.exists) {
    if (!MoveFileExW(temporary->path().c_str(), target.path.c_str(), MOVEFILE_WRITE_THROUGH)) return Outcome::Failed;
    temporary->keep();
    return Outcome::Done;
  }
  std::wstring backup = next_own_name(target.path, kBackupEnd);
  while (GetFileAttributesW(backup.c_str()) != INVALID_FILE_ATTRIBUTES) backup = next_own_name(target.path, kBackupEnd);
  if (!ReplaceFileW(target.path.c_str(), temporary->path().c_str(), backup.c_str(),
                    REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
    // The old file can be left under the backup name; it goes back.
    if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
        !MoveFileExW(backup.c_str(), target.path.c_str(), MOVEFILE_WRITE_THROUGH)) {
      return Outcome::Failed;
    }
    return Outcome::CannotSwap;
  }
  temporary->keep();
  DeleteFileW(backup.c_str());
  return Outcome::Done;
}

// Rewrites the file's bytes through a handle to the file itself.
bool overwrite(const std::wstring& path, std::span<const std::span<const std::uint8_t>> parts) {
  OwnedFile file(CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file && write_all(file.get(), parts) && SetEndOfFile(file.get()) && FlushFileBuffers(file.get()) && file.close();
}

std::wstring file_name_part(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// Beside the file, or in the user's temporary folder when the file's own
// folder takes no new files.
std::optional<OwnFile> create_backup(const std::wstring& path) {
  if (std::optional<OwnFile> beside = create_own_file(path, kBackupEnd, 0)) return beside;
  wchar_t folder[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return std::nullopt;
  return create_own_file(folder + file_name_part(path), kBackupEnd, 0);
}

// A whole, flushed copy of the old content.
std::optional<OwnFile> back_up(const std::wstring& path, const Bytes& old_content) {
  std::optional<OwnFile> backup = create_backup(path);
  const std::span<const std::uint8_t> whole[] = {old_content};
  if (!backup || !write_and_flush(*backup, whole)) return std::nullopt;
  return backup;
}

// While the file is rewritten the backup is the version that survives a
// kill; it goes once the new content is flushed. A write that fails part-way
// puts the old content back; if even that fails the backup stays.
bool write_in_place(const Target& target, std::span<const std::span<const std::uint8_t>> parts) {
  const std::optional<Bytes> old_content = read_whole_file(wide_to_gb18030(target.path));
  if (!old_content) return false;
  std::optional<OwnFile> backup = back_up(target.path, *old_content);
  if (!backup) return false;
  if (overwrite(target.path, parts)) return true;
  const std::span<const std::uint8_t> old_parts[] = {*old_content};
  if (!overwrite(target.path, old_parts)) backup->keep();
  return false;
}

bool is_running(DWORD process_id) {
  const OwnedKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  if (!process) return GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
  DWORD exit_code = 0;
  return !GetExitCodeProcess(process.get(), &exit_code) || exit_code == STILL_ACTIVE;
}

// What the name of one of the program's own temporary files tells:
// "<target>.verbrook-<pid>-<n>.tmp".
struct OwnTemporary {
  std::wstring target;
  DWORD writer;
};

std::optional<OwnTemporary> parse_own_temporary(std::wstring_view name) {
  if (name.size() <= kTemporaryEnd.size() || !name.ends_with(kTemporaryEnd)) return std::nullopt;
  name.remove_suffix(kTemporaryEnd.size());
  const std::size_t mark = name.rfind(kOwnMark);
  if (mark == std::wstring_view::npos || mark == 0) return std::nullopt;
  const std::wstring_view numbers = name.substr(mark + kOwnMark.size());
  const std::size_t dash = numbers.find(L'-');
  const auto all_digits = [](std::wstring_view digits) {
    return !digits.empty() && digits.size() <= 10 &&
           std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
  };
  if (dash == std::wstring_view::npos || !all_digits(numbers.substr(0, dash)) || !all_digits(numbers.substr(dash + 1))) {
    return std::nullopt;
  }
  const unsigned long long process_id = std::stoull(std::wstring(numbers.substr(0, dash)));
  if (process_id > MAXDWORD) return std::nullopt;
  return OwnTemporary{std::wstring(name.substr(0, mark)), static_cast<DWORD>(process_id)};
}

// Temporary files that a killed save left in the folder. One is proven stale
// when the process that wrote it is gone, nobody holds it open, and its
// target is there: without the target it may hold the only whole version.
void remove_stale_temporaries(const std::wstring& saved_path) {
  const std::size_t slash = saved_path.find_last_of(L"\\/");
  if (slash == std::wstring::npos) return;
  const std::wstring folder = saved_path.substr(0, slash + 1);
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW((folder + L"*" + std::wstring(kOwnMark) + L"*" + std::wstring(kTemporaryEnd)).c_str(),
                                         FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::optional<OwnTemporary> temporary = parse_own_temporary(found.cFileName);
    if (!temporary || temporary->writer == GetCurrentProcessId() || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        GetFileAttributesW((folder + temporary->target).c_str()) == INVALID_FILE_ATTRIBUTES || is_running(temporary->writer)) {
      continue;
    }
    // Opened without sharing, so only when no one else has it open; closing
    // the handle deletes it.
    OwnedFile(CreateFileW((folder + found.cFileName).c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE,
                          nullptr));
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

}  // namespace

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

// A program killed at any moment leaves the file holding either its old
// bytes or its new ones, never no file: after a swap or a flushed write in
// place, or, while the file is rewritten in place, in its backup copy.
bool write_file(const Text& file_name, std::span<const std::span<const std::uint8_t>> parts) {
  if (!is_usable_name(file_name)) return false;
  const std::wstring name = gb18030_to_wide(file_name);
  if (name.empty()) return false;
  const std::optional<Target> target = examine(name);
  if (!target) return false;
  // A read-only file is refused by its attribute, as Windows refuses to write
  // or replace it: under Wine a program running as root could still do both.
  constexpr DWORD kNotWritable = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY;
  if (target->exists && ((target->attributes & kNotWritable) != 0 || !can_write_to(target->path))) return false;

  const Outcome outcome = target->links > 1 ? Outcome::CannotSwap : write_by_swapping(*target, parts);
  const bool written = outcome == Outcome::Done || (outcome == Outcome::CannotSwap && write_in_place(*target, parts));
  if (written) remove_stale_temporaries(target->path);
  return written;
}

}  // namespace host
