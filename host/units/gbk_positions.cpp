#include "host/units/gbk_positions.h"

#include <algorithm>

namespace host {
namespace {

// Every GBK character is one UTF-16 unit: a lead byte 0x81-0xFE with its
// trail byte, or a single byte.
bool is_lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

std::size_t utf16_offset_of_byte(std::string_view gbk, std::size_t byte_position) {
  const std::size_t end = std::min(byte_position, gbk.size());
  std::size_t units = 0;
  for (std::size_t i = 0; i < end; ++units) {
    const bool double_byte = is_lead_byte(static_cast<unsigned char>(gbk[i])) && i + 1 < gbk.size();
    const std::size_t next = i + (double_byte ? 2 : 1);
    if (next > end) break;
    i = next;
  }
  return units;
}

}  // namespace host
