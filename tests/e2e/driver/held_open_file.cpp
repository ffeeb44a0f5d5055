#include "driver/held_open_file.h"

#include <stdexcept>

#include "driver/text.h"

namespace e2e {

HeldOpenFile::HeldOpenFile(const std::filesystem::path& path)
    : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + readable(path.wstring()) + " open");
}

HeldOpenFile::~HeldOpenFile() { CloseHandle(handle_); }

}  // namespace e2e
