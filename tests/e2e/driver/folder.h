// A fresh program folder for one test: the program under test is copied into
// it and keeps its settings file there, so nothing leaks between tests. The
// folder and everything in it is removed when the Folder goes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace e2e {

class Folder {
 public:
  // A new empty folder under the Wine user's temporary folder. A non-empty
  // GBK `name` is part of the folder's name, e.g. "写作 文件夹" for a path
  // with Chinese characters and a space.
  static Folder fresh(std::string_view name = "");
  ~Folder();
  Folder(Folder&& other) noexcept;
  Folder& operator=(Folder&&) = delete;
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  const std::filesystem::path& native() const { return path_; }
  // GBK paths, as the program shows and stores them.
  std::string path() const;
  std::string path_of(std::string_view file_name) const;

  void write_file(std::string_view file_name, std::string_view bytes) const;
  // The file's bytes, or nothing when it cannot be read.
  std::optional<std::string> read_file(std::string_view file_name) const;
  bool has_file(std::string_view file_name) const;

 private:
  explicit Folder(std::filesystem::path path) : path_(std::move(path)) {}
  std::filesystem::path file(std::string_view file_name) const;

  std::filesystem::path path_;
};

}  // namespace e2e
