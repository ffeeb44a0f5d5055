#include "host/forms/shortcuts.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(Shortcuts, EveryIndexHasItsKeyAndName) {
  struct Row {
    int index;
    std::uint16_t key;
    bool ctrl;
    bool shift;
    const char* name;
  };
  const Row rows[] = {
      {1, 'A', true, false, "Ctrl+A"},       {26, 'Z', true, false, "Ctrl+Z"},
      {27, 0x70, false, false, "F1"},        {38, 0x7B, false, false, "F12"},
      {39, 0x70, true, false, "Ctrl+F1"},    {50, 0x7B, true, false, "Ctrl+F12"},
      {51, 0x70, false, true, "Shift+F1"},   {62, 0x7B, false, true, "Shift+F12"},
      {63, 0x70, true, true, "Ctrl+Shift+F1"}, {74, 0x7B, true, true, "Ctrl+Shift+F12"},
      {75, 0x2D, false, false, "Ins"},       {76, 0x2E, false, false, "Del"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.index);
    EXPECT_EQ(shortcut_of(row.index), (Shortcut{row.key, row.ctrl, row.shift}));
    EXPECT_EQ(shortcut_name(row.index), row.name);
  }
}

TEST(Shortcuts, AllSeventySixAreDistinct) {
  for (int a = 1; a <= kShortcutCount; ++a) {
    ASSERT_TRUE(shortcut_of(a)) << a;
    EXPECT_FALSE(shortcut_name(a).empty());
    for (int b = 1; b < a; ++b) EXPECT_NE(shortcut_of(a), shortcut_of(b)) << a << " " << b;
  }
}

TEST(Shortcuts, ZeroAndOutOfRangeMeanNone) {
  for (int index : {0, -1, 77, 1000}) {
    EXPECT_EQ(shortcut_of(index), std::nullopt) << index;
    EXPECT_EQ(shortcut_name(index), "") << index;
  }
}

}  // namespace
}  // namespace host
