// A fresh folder under the user's temporary folder for one test, removed with
// its content afterwards; GBK names inside it for the services under test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/services/encoding_win.h"
#include "host/services/value.h"

namespace host::testing_support {

class TempFolder {
 public:
  // `suffix` is GBK, so that the folder's own name can be Chinese.
  explicit TempFolder(std::string_view suffix = {}) {
    static int counter = 0;
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    path_ = std::wstring(base) + L"verbrook-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++) + gbk_to_wide(suffix);
    if (!CreateDirectoryW(path_.c_str(), nullptr)) ADD_FAILURE() << "CreateDirectoryW failed " << GetLastError();
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_), ignored);
  }

  // The full GBK name of a file in the folder.
  Text file(std::string_view gbk_name) const { return wide_to_gbk(path_) + "\\" + Text(gbk_name); }
  std::wstring wide_file(std::string_view gbk_name) const { return path_ + L"\\" + gbk_to_wide(gbk_name); }

  std::size_t entry_count() const {
    std::error_code ignored;
    std::size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(std::filesystem::path(path_), ignored);
         it != std::filesystem::directory_iterator(); ++it) {
      ++count;
    }
    return count;
  }

 private:
  std::wstring path_;
};

inline void put_file(const std::wstring& path, std::string_view bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << GetLastError();
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

// The file's bytes, read with every kind of sharing so that it works while
// the tests hold the file open.
inline std::string file_text(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) text.append(buffer, read);
  CloseHandle(file);
  return text;
}

}  // namespace host::testing_support
