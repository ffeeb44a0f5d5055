#include <windows.h>

#include <stdexcept>

#include "host/services/encoding_win.h"
#include "host/services/handles_win.h"
#include "temp_folder.h"

namespace test_support {

void put_file(const std::string& gbk_path, std::string_view bytes) {
  const host::OwnedFile file(CreateFileW(native_path(gbk_path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
      written != bytes.size())
    throw std::runtime_error("cannot write " + gbk_path + ", error " + std::to_string(GetLastError()));
}

std::optional<std::string> file_text(const std::string& gbk_path) {
  const host::OwnedFile file(CreateFileW(native_path(gbk_path).c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
  if (!file) return std::nullopt;
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
  return text;
}

std::filesystem::path native_path(std::string_view gbk_path) { return std::filesystem::path(host::gb18030_to_wide(gbk_path)); }

std::string gbk_path(const std::filesystem::path& path) { return host::wide_to_gb18030(path.wstring()); }

unsigned long process_id() { return GetCurrentProcessId(); }

}  // namespace test_support
