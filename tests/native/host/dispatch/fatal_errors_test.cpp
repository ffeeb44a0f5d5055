#include "host/dispatch/fatal_errors.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(FatalErrors, MessagesAreTheProgramsOwnGbkTexts) {
  EXPECT_EQ(fatal::kStartWindowFailed, "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc");
  EXPECT_EQ(fatal::kWindowGone, "\xd6\xb8\xb6\xa8\xb4\xb0\xbf\xda\xc9\xd0\xce\xb4\xd4\xd8\xc8\xeb");
  EXPECT_EQ(fatal::kFormDataUnreadable,
            "\xd4\xd8\xc8\xeb\xb4\xb0\xbf\xda\xc4\xa3\xb0\xe5\xca\xfd\xbe\xdd\xb6\xce\xb3\xf6\xb4\xed\x21");
  EXPECT_EQ(fatal::kFormNotLoaded,
            "\xce\xb4\xd4\xd8\xc8\xeb\xd3\xfb\xb7\xc3\xce\xca\xb4\xb0\xbf\xda\xd7\xe9\xbc\xfe\xcb\xf9\xd4\xda\xb5\xc4"
            "\xb4\xb0\xbf\xda");
}

TEST(FatalErrors, BoxTextHeadsTheMessage) {
  EXPECT_EQ(fatal::error_box_text(fatal::kStartWindowFailed),
            "\xd4\xcb\xd0\xd0\xca\xb1\xb3\xf6\xb4\xed!\r\n\r\n"                      // 运行时出错!
            "\xb4\xed\xce\xf3\xd0\xc5\xcf\xa2\xa3\xba"                               // 错误信息：
            "\xd4\xd8\xc8\xeb\xc6\xf4\xb6\xaf\xb4\xb0\xbf\xda\xca\xa7\xb0\xdc\r\n");  // 载入启动窗口失败
}

TEST(FatalErrors, BoxTextWithACodeAndWithoutAMessage) {
  EXPECT_EQ(fatal::error_box_text("x", 12), "运行时出错!\r\n\r\n错误代码：12\r\n\r\n错误信息：x\r\n");
  EXPECT_EQ(fatal::error_box_text("", -3), "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n");
  EXPECT_EQ(fatal::error_box_text(""), "运行时出错!\r\n\r\n");
  EXPECT_EQ(Text("错误代码："), "\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb\xa3\xba");
}

}  // namespace
}  // namespace host
