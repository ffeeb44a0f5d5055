#include "driver/folder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "driver/text.h"

namespace e2e {

Folder Folder::fresh(std::string_view name) {
  static unsigned counter = 0;
  std::filesystem::path path = std::filesystem::temp_directory_path() / L"verbrook-e2e" /
                               (std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
  if (!name.empty()) path += L"-" + wide(name);
  std::error_code error;
  std::filesystem::remove_all(path, error);
  if (!std::filesystem::create_directories(path, error))
    throw std::runtime_error("cannot create the program folder " + readable(path.wstring()));
  return Folder(std::move(path));
}

Folder::Folder(Folder&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }

Folder::~Folder() {
  if (path_.empty()) return;
  std::error_code ignored;  // a file still held open stays behind in the temporary folder
  std::filesystem::remove_all(path_, ignored);
}

std::string Folder::path() const { return gbk(path_.wstring()); }

std::string Folder::path_of(std::string_view file_name) const { return gbk(file(file_name).wstring()); }

std::filesystem::path Folder::file(std::string_view file_name) const { return path_ / wide(file_name); }

void Folder::write_file(std::string_view file_name, std::string_view bytes) const {
  std::ofstream out(file(file_name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + readable(file(file_name).wstring()));
}

std::optional<std::string> Folder::read_file(std::string_view file_name) const {
  std::ifstream in(file(file_name), std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Folder::has_file(std::string_view file_name) const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(file(file_name), ignored);
}

}  // namespace e2e
