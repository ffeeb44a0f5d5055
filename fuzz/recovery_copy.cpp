// Reading arbitrary bytes as a recovery copy: nothing breaks, and whatever is
// taken for a copy, and any copy made of the input's texts, reads back as
// the same document.
#include <cstdlib>

#include "fuzz_input.h"
#include "host/services/recovery_copy.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void check_round_trip(const host::RecoveryCopy& copy) {
  const std::optional<host::RecoveryCopy> again = host::read_recovery_copy(host::recovery_copy_bytes(copy));
  check(again && again->text == copy.text && again->file_name == copy.file_name && again->encoding == copy.encoding);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const std::optional<host::RecoveryCopy> copy = host::read_recovery_copy(bytes)) check_round_trip(*copy);
  fuzz::Input input(data, size);
  const auto encoding = static_cast<host::DocumentEncoding>(input.byte() % 5);
  const std::string_view file_name = input.text();
  const std::string_view text = input.text();
  check_round_trip({host::Text(text), host::Text(file_name), encoding, host::DateTime{46000.5}});
  return 0;
}
