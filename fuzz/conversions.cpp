// Reading numbers from arbitrary text, and text from arbitrary bytes.
#include <cmath>
#include <cstring>
#include <cstdlib>

#include "fuzz_input.h"
#include "host/services/convert.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const host::Text text(reinterpret_cast<const char*>(data), size);
  host::to_integer(host::Value{text});
  host::to_number(host::Value{text});
  check(host::fold_full_width(text).size() <= text.size());

  // A byte array becomes text up to its first zero byte.
  const host::Bytes bytes(data, data + size);
  const host::Text from_bytes = host::to_text(host::Value{bytes});
  check(from_bytes.size() <= size);
  check(from_bytes.find('\0') == host::Text::npos);
  check(from_bytes.size() == size || data[from_bytes.size()] == 0);

  // Every 8-byte window read as a double prints and reads back without trouble.
  if (size >= 8) {
    double number;
    std::memcpy(&number, data, 8);
    const host::Text printed = host::to_text(host::Value{number});
    if (std::isfinite(number)) check(!printed.empty());
    host::to_integer(host::Value{number});
    host::to_text(host::Value{host::DateTime{number}});
  }
  return 0;
}
