// The GB18030 codec natively: 10 MB of a Chinese manuscript to UTF-16 and
// back, against one copy of the same 10 MB in the same run. A conversion's
// result is new memory, and most of its time is the system handing out and
// faulting in those pages, so the copy goes into new memory too (a copy
// into a warm buffer that is reused is printed beside it).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/common/codec_timing.h"

int main() {
  const std::string text = bench::codec_document();
  std::u16string units;
  std::string bytes;
  std::vector<char> warm(text.size());
  const double decode = bench::best_ms([&] { units = host::gb18030::to_utf16(text); });
  const double encode = bench::best_ms([&] { bytes = host::gb18030::from_utf16(units); });
  const double copy = bench::best_ms([&] {
    std::string fresh(text);
    bench::keep(fresh.data());
  });
  const double warm_copy = bench::best_ms([&] {
    std::memcpy(warm.data(), text.data(), text.size());
    bench::keep(warm.data());
  });
  if (bytes != text) return 1;
  std::printf("10 MB manuscript: to UTF-16 %.2f ms, back %.2f ms; a copy into new memory %.2f ms, into a warm buffer %.2f ms\n",
              decode, encode, copy, warm_copy);
  bench::print_row("10 MB of GB18030 text to UTF-16, native", bench::milliseconds(decode),
                   "a copy of the 10 MB into new memory " + bench::milliseconds(copy), decode / copy, "10 or less",
                   decode <= 10 * copy);
  bench::print_row("10 MB of UTF-16 text to GB18030, native", bench::milliseconds(encode),
                   "a copy of the 10 MB into new memory " + bench::milliseconds(copy), encode / copy, "10 or less",
                   encode <= 10 * copy);
  return 0;
}
