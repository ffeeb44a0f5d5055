// The portable services in the 32-bit Windows build, where the C runtime and
// the instruction set differ from the native test build.
#include <gtest/gtest.h>

#include <clocale>

#include "host/services/convert.h"
#include "host/services/space_count.h"
#include "host/services/text.h"

namespace host {
namespace {

// A C runtime locale with a decimal comma must not change what is written
// into or read from the settings file.
TEST(Convert, IgnoresTheRuntimeLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "German"), nullptr);
  ASSERT_EQ(*std::localeconv()->decimal_point, ',');
  EXPECT_EQ(to_text(0.5), "0.5");
  EXPECT_EQ(to_text(2.5f), "2.5");
  EXPECT_EQ(to_number(Text("1.25")), 1.25);
  EXPECT_EQ(to_integer(Text("1,5")), 1);
  std::setlocale(LC_ALL, "C");
}

TEST(SpaceCount, BothCountersAgreeIn32Bits) {
  Text text;
  for (int i = 0; i < 500; ++i) text += (i % 7 == 0) ? "\xa1\xa1" : (i % 5 == 0) ? " " : "你";
  text += "\x81";
  const std::size_t removed = text.size() - remove_all_spaces(text).size();
  EXPECT_EQ(space_count::counts_sse2(text).removed, removed);
  if (space_count::cpu_has_avx2()) {
    EXPECT_EQ(space_count::counts_avx2(text).removed, removed);
  }
  EXPECT_EQ(space_free_length(text), text.size() - removed);
}

}  // namespace
}  // namespace host
