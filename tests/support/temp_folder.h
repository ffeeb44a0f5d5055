// A fresh folder for one test under the system's temporary folder, removed
// with everything in it when the test is done. Names in it are GBK, as the
// program's texts are; the folder's own name may be Chinese and hold spaces.
// For every test ring: the native tests, the Windows tests and the
// end-to-end scenarios.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace test_support {

class TempFolder {
 public:
  // `gbk_name`, when given, ends the folder's name.
  explicit TempFolder(std::string_view gbk_name = {});
  static TempFolder fresh(std::string_view gbk_name = {}) { return TempFolder(gbk_name); }
  ~TempFolder();
  TempFolder(TempFolder&& other) noexcept;
  TempFolder& operator=(TempFolder&&) = delete;
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& native() const { return path_; }
  std::filesystem::path native_file(std::string_view gbk_name) const;
  // GBK paths, as the program shows and stores them.
  std::string path() const;
  std::string path_of(std::string_view gbk_name) const;

  void write_file(std::string_view gbk_name, std::string_view bytes) const;
  // The file's bytes, or nothing when it cannot be read.
  std::optional<std::string> read_file(std::string_view gbk_name) const;
  bool has_file(std::string_view gbk_name) const;
  std::size_t entry_count() const;

 private:
  std::filesystem::path path_;
};

// Whole files by GBK path, for files the tests name themselves. Reading
// shares the file every way, so it works while a test holds it open.
void put_file(const std::string& gbk_path, std::string_view bytes);
std::optional<std::string> file_text(const std::string& gbk_path);

// The platform's side of the above.
std::filesystem::path native_path(std::string_view gbk_path);
std::string gbk_path(const std::filesystem::path& path);
unsigned long process_id();

}  // namespace test_support
