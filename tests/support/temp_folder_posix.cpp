#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "temp_folder.h"

namespace test_support {

void put_file(const std::string& gbk_path, std::string_view bytes) {
  std::ofstream out(gbk_path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + gbk_path);
}

std::optional<std::string> file_text(const std::string& gbk_path) {
  std::ifstream in(gbk_path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Linux names are bytes: GBK ones are kept as they are.
std::filesystem::path native_path(std::string_view gbk_path) { return std::filesystem::path(std::string(gbk_path)); }

std::string gbk_path(const std::filesystem::path& path) { return path.string(); }

unsigned long process_id() { return static_cast<unsigned long>(getpid()); }

}  // namespace test_support
