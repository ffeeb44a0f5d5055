#include "driver/paths.h"

#include <string>

#include "driver/text.h"

namespace e2e {

std::filesystem::path from_linux_path(std::string_view linux_path) {
  std::wstring path = L"Z:";
  for (char c : linux_path) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::string to_linux_path(const std::filesystem::path& path) {
  std::wstring text = path.wstring();
  if (text.size() >= 3 && (text[0] == L'Z' || text[0] == L'z') && text[1] == L':' && text[2] == L'\\') {
    text.erase(0, 2);
    for (wchar_t& c : text)
      if (c == L'\\') c = L'/';
  }
  return readable(text);
}

std::filesystem::path verbrook_program() { return from_linux_path(E2E_VERBROOK_PROGRAM); }

std::filesystem::path target_program() { return from_linux_path(E2E_TARGET_PROGRAM); }

std::filesystem::path artifacts_folder() {
  std::filesystem::path folder = from_linux_path(E2E_ARTIFACTS_FOLDER);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

}  // namespace e2e
