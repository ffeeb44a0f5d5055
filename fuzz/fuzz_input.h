// Cuts a fuzzer's input into the arguments of a service: a few leading bytes
// pick the options, the rest is split into texts at 0xFF 0x00 markers, which
// no GBK text contains.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t byte() {
    if (rest_.empty()) return 0;
    const auto value = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return value;
  }

  // The next text up to the marker, or all that is left.
  std::string_view text() {
    const std::size_t marker = rest_.find(std::string_view("\xff\x00", 2));
    const std::string_view piece = rest_.substr(0, marker);
    rest_.remove_prefix(marker == std::string_view::npos ? rest_.size() : marker + 2);
    return piece;
  }

 private:
  std::string_view rest_;
};

}  // namespace fuzz
