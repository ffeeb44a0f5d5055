#include "host/services/recovery_store_win.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

#include "host/services/encoding_win.h"
#include "host/services/files.h"
#include "host/services/loaded_functions_win.h"

namespace host {
namespace {

constexpr wchar_t kCopyEnd[] = L".recovery";
constexpr wchar_t kLockEnd[] = L".lock";

// Held without sharing, and deleted by the system when the handle closes,
// also when the process is killed.
OwnedFile take_lock(const std::wstring& path, DWORD disposition) {
  return OwnedFile(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, disposition,
                               FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
}

std::wstring local_application_data() {
  const auto get_folder = loaded_functions().SHGetKnownFolderPath;
  PWSTR path = nullptr;
  if (!get_folder || FAILED(get_folder(FOLDERID_LocalAppData, 0, nullptr, &path))) return {};
  const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> owned(path, CoTaskMemFree);
  return path;
}

bool make_folder(const std::wstring& folder) {
  return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Hidden, so that the open and save dialogs, which start in the program's
// folder, do not list it among the writer's files.
bool make_hidden_folder(const std::wstring& folder) {
  if (!make_folder(folder)) return false;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) == 0)
    SetFileAttributesW(folder.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
  return true;
}

// Unique among the instances of this machine: the process id and the time
// it began.
std::wstring instance_name() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks = (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  return L"verbrook-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(ticks);
}

}  // namespace

RecoveryStore::RecoveryStore(std::wstring program_directory) : program_directory_(std::move(program_directory)) {}

bool RecoveryStore::prepare_in(const std::wstring& folder) {
  if (!make_hidden_folder(folder)) return false;
  const std::wstring stem = folder + L"\\" + instance_name();
  own_lock_ = take_lock(stem + kLockEnd, CREATE_NEW);
  if (!own_lock_) return false;
  folder_ = folder;
  own_copy_ = stem + kCopyEnd;
  return true;
}

bool RecoveryStore::prepare() {
  if (prepared_) return !folder_.empty();
  prepared_ = true;
  if (!program_directory_.empty() && prepare_in(program_directory_ + L"\\recovery")) return true;
  const std::wstring local = local_application_data();
  return !local.empty() && make_folder(local + L"\\Verbrook") && prepare_in(local + L"\\Verbrook\\recovery");
}

bool RecoveryStore::keep(const RecoveryCopy& copy) {
  if (!prepare()) return false;
  const std::string bytes = recovery_copy_bytes(copy);
  return write_file(wide_to_gb18030(own_copy_),
                    std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void RecoveryStore::remove() {
  if (!own_copy_.empty()) DeleteFileW(own_copy_.c_str());
}

std::optional<RecoveryCopy> RecoveryStore::claim_left_copy() {
  if (!prepare()) return std::nullopt;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder_ + L"\\*" + kCopyEnd).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<RecoveryCopy> claimed;
  do {
    const std::wstring copy = folder_ + L"\\" + found.cFileName;
    if (copy == own_copy_ || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    const std::wstring stem = copy.substr(0, copy.size() - (std::size(kCopyEnd) - 1));
    OwnedFile lock = take_lock(stem + kLockEnd, OPEN_ALWAYS);
    if (!lock) continue;  // its instance is running
    const Bytes bytes = read_file(wide_to_gb18030(copy));
    claimed = read_recovery_copy(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!claimed) {
      DeleteFileW(copy.c_str());
      continue;
    }
    claimed_copy_ = copy;
    claimed_lock_ = std::move(lock);
  } while (!claimed && FindNextFileW(search, &found));
  FindClose(search);
  return claimed;
}

void RecoveryStore::remove_claimed() {
  if (claimed_copy_.empty()) return;
  DeleteFileW(claimed_copy_.c_str());
  claimed_copy_.clear();
  claimed_lock_.close();
}

}  // namespace host
