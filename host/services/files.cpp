#include "host/services/files.h"

namespace host {

Bytes read_file(const Text& file_name) { return read_whole_file(file_name).value_or(Bytes()); }

bool write_file(const Text& file_name, std::span<const std::uint8_t> bytes) {
  const std::span<const std::uint8_t> parts[] = {bytes};
  return write_file(file_name, parts);
}

}  // namespace host
