#include "host/services/message_box.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(MessageBox, TaskModalUnlessSystemModal) {
  EXPECT_EQ(message_box_style(0), 0x2000);
  EXPECT_EQ(message_box_style(4), 0x2004);
  EXPECT_EQ(message_box_style(0x1004), 0x1004);
  EXPECT_EQ(message_box_style(0x2000), 0x2000);
}

TEST(MessageBox, EmptyCaptionShowsTheDefault) {
  EXPECT_EQ(message_box_caption(""), "\xd0\xc5\xcf\xa2\xa3\xba");  // 信息：
  EXPECT_EQ(message_box_caption("x"), "x");
}

}  // namespace
}  // namespace host
