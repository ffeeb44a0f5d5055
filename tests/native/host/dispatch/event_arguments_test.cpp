#include "host/dispatch/event_arguments.h"

#include <gtest/gtest.h>

#include "host/forms/ids.h"

namespace host {
namespace {

TEST(EventArguments, KeypadKeysReadAsTheMainKeyboardsKeys) {
  for (std::uint32_t digit = 0; digit <= 9; ++digit) EXPECT_EQ(event_key_code(0x60 + digit), 48 + static_cast<int>(digit));
  EXPECT_EQ(event_key_code(0x6D), 189);  // minus
  EXPECT_EQ(event_key_code(0x6E), 190);  // decimal point
  EXPECT_EQ(event_key_code(0x6F), 191);  // divide
  EXPECT_EQ(event_key_code(0x6A), 0x6A);  // multiply stays
  EXPECT_EQ(event_key_code(27), 27);
  EXPECT_EQ(event_key_code(13), 13);
  EXPECT_EQ(event_key_code(8), 8);
  EXPECT_EQ(event_key_code('A'), 'A');
}

TEST(EventArguments, StateBits) {
  EXPECT_EQ(key_state_bits(false, false, false), 0);
  EXPECT_EQ(key_state_bits(true, false, false), key_state::kCtrl);
  EXPECT_EQ(key_state_bits(false, true, false), 2);
  EXPECT_EQ(key_state_bits(false, false, true), 4);
  EXPECT_EQ(key_state_bits(true, true, true), 7);
}

TEST(EventArguments, WheelNotchesKeepTheirSign) {
  EXPECT_EQ(wheel_notches(120), 1);
  EXPECT_EQ(wheel_notches(-240), -2);
  EXPECT_EQ(wheel_notches(60), 0);
}

TEST(EventArguments, CharacterCodesAreTheGbkBytes) {
  const struct {
    std::string_view gbk;
    std::int32_t code;
  } cases[] = {{"a", 'a'}, {"\x80", 0x80}, {"\xC4\xE3", 0xC4E3}, {"\xA1\xA1", 0xA1A1}, {"\x81\x40", 0x8140}};
  for (const auto& c : cases) {
    EXPECT_EQ(character_code_of(c.gbk), c.code) << c.code;
    EXPECT_EQ(gbk_of_character_code(c.code), c.gbk) << c.code;
  }
}

}  // namespace
}  // namespace host
