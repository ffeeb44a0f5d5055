#include "temp_folder.h"

#include <stdexcept>
#include <utility>

namespace test_support {

TempFolder::TempFolder(std::string_view gbk_name) {
  static unsigned counter = 0;
  path_ = std::filesystem::temp_directory_path() / "verbrook-test" /
          (std::to_string(process_id()) + "-" + std::to_string(++counter));
  if (!gbk_name.empty()) path_ = native_path(gbk_path(path_) + "-" + std::string(gbk_name));
  std::error_code error;
  std::filesystem::remove_all(path_, error);
  if (!std::filesystem::create_directories(path_, error))
    throw std::runtime_error("cannot create the folder " + gbk_path(path_) + ": " + error.message());
}

TempFolder::TempFolder(TempFolder&& other) noexcept : path_(std::exchange(other.path_, {})) {}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  std::error_code ignored;  // a file still held open stays behind in the temporary folder
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::native_file(std::string_view gbk_name) const { return native_path(path_of(gbk_name)); }

std::string TempFolder::path() const { return gbk_path(path_); }

std::string TempFolder::path_of(std::string_view gbk_name) const {
  return gbk_path(path_) + static_cast<char>(std::filesystem::path::preferred_separator) + std::string(gbk_name);
}

void TempFolder::write_file(std::string_view gbk_name, std::string_view bytes) const {
  put_file(path_of(gbk_name), bytes);
}

std::optional<std::string> TempFolder::read_file(std::string_view gbk_name) const {
  return file_text(path_of(gbk_name));
}

bool TempFolder::has_file(std::string_view gbk_name) const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(native_file(gbk_name), ignored);
}

std::size_t TempFolder::entry_count() const {
  std::error_code ignored;
  std::size_t count = 0;
  for (auto it = std::filesystem::directory_iterator(path_, ignored); it != std::filesystem::directory_iterator(); ++it)
    ++count;
  return count;
}

}  // namespace test_support
