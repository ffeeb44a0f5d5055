// A file held open by another program that shares it with nobody: while it
// is held, no other program can read, write, replace or delete it.
#pragma once

#include <windows.h>

#include <filesystem>

namespace e2e {

class HeldOpenFile {
 public:
  explicit HeldOpenFile(const std::filesystem::path& path);
  ~HeldOpenFile();
  HeldOpenFile(const HeldOpenFile&) = delete;
  HeldOpenFile& operator=(const HeldOpenFile&) = delete;

 private:
  HANDLE handle_;
};

}  // namespace e2e
