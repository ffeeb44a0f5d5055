#include "app/notices.h"

#include <gtest/gtest.h>

#include "app/maker.h"
#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;

class NoticesTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  MessageBoxCall shown(HandlerId command) {
    host.boxes.clear();
    host.fire(command);
    EXPECT_EQ(host.boxes.size(), 1u);
    return host.boxes.empty() ? MessageBoxCall{} : host.boxes[0];
  }
};

TEST_F(NoticesTest, HideNotice) {
  const MessageBoxCall box = shown(HandlerId::HideNotice);
  EXPECT_EQ(box.caption, "特殊提醒:");
  EXPECT_EQ(box.caption, "\xCC\xD8\xCA\xE2\xCC\xE1\xD0\xD1:");
  EXPECT_EQ(box.flags, 0);
  EXPECT_EQ(box.text,
            "[Esc]键     一键隐藏/显示本程序\r\n\r\n"
            "为防止隐藏后操作不当.本程序被其它窗口盖住,接收不到显示指令.\r\n\r\n"
            "程序面板特别预留了5%的可见度.请注意查看 \\@ o @/ \r\n\r\n"
            "只要点一下程序面板任意位置,都能接收显示指令!");
  EXPECT_TRUE(box.text.starts_with("[Esc]\xBC\xFC     "));
  EXPECT_NE(box.text.find("\xC7\xEB\xD7\xA2\xD2\xE2\xB2\xE9\xBF\xB4 \x5C@ o @/ \r\n"), std::string::npos);
}

TEST_F(NoticesTest, AuthorNoticeHasThreeLinesSeparatedByBlankLines) {
  const MessageBoxCall box = shown(HandlerId::AuthorNotice);
  EXPECT_EQ(box.caption, "\xD7\xF7\xD5\xDF\xB0\xE6\xC8\xA8\xC9\xF9\xC3\xF7\xA3\xBA");  // 作者版权声明：
  EXPECT_EQ(box.flags, 0);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t cut; (cut = box.text.find("\r\n\r\n", start)) != std::string::npos; start = cut + 4) {
    lines.push_back(box.text.substr(start, cut - start));
  }
  lines.push_back(box.text.substr(start));
  ASSERT_EQ(lines.size(), 3u);
  for (const std::string& line : lines) {
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), std::string::npos);
  }
  EXPECT_TRUE(lines[2].ends_with(app::maker::kAddress));
}

TEST_F(NoticesTest, ShortcutHelp) {
  const std::string rule(45, '-');
  const std::string expected = rule + "\r\n" +
                               "新建文件  Ctrl+A   保存文件  Ctrl+S \r\n"
                               "打开文件  Ctrl+D   添加文件  Ctrl+F \r\n" +
                               rule + "\r\n" +
                               "剪切字符  Ctrl+X   清空字符  Del \r\n"
                               "复制字符  Ctrl+C   粘贴字符  Ctrl+V \r\n" +
                               rule + "\r\n" +
                               "字数总计  Ctrl+Q  日期时间  Ctrl+W \r\n"
                               "字体颜色  Ctrl+E   背景颜色  Ctrl+R \r\n" +
                               rule + "\r\n" +
                               "字体大小  Ctrl+T   配置还原  Ctrl+P \r\n"
                               "作者版权  Ctrl+Z   关于帮助  Ctrl+O \r\n" +
                               rule + "\r\n" +
                               "版本更新  Ctrl+I 更多功能 正在研发\r\n";
  const MessageBoxCall box = shown(HandlerId::ShortcutHelp);
  EXPECT_EQ(box.caption, "\xBF\xEC\xBD\xDD\xB2\xD9\xD7\xF7\xB0\xEF\xD6\xFA\xCB\xB5\xC3\xF7\xA3\xBA");  // 快捷操作帮助说明：
  EXPECT_EQ(box.flags, 0);
  ASSERT_TRUE(box.text.starts_with(expected));
  EXPECT_TRUE(box.text.starts_with(rule + "\r\n\xD0\xC2\xBD\xA8\xCE\xC4\xBC\xFE  Ctrl+A   "));
  // One line naming the web site, then a last rule without a line break.
  const std::string rest = box.text.substr(expected.size());
  ASSERT_TRUE(rest.ends_with("\r\n" + rule));
  const std::string site_line = rest.substr(0, rest.size() - rule.size() - 2);
  EXPECT_EQ(site_line.find("\r\n"), std::string::npos);
  EXPECT_NE(site_line.find(app::maker::kHost), std::string::npos);
}

TEST_F(NoticesTest, WebPageOpensTheMakersAddress) {
  host.fire(HandlerId::OpenWebPage);
  EXPECT_EQ(host.opened_addresses, std::vector<host::Text>{"https://www.tamberlo.com/"});
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace app_test
