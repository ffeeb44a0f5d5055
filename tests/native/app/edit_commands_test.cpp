#include "app/edit_commands.h"

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "host/services/date_time.h"

namespace app_test {
namespace {

using host::HandlerId;

class EditCommandsTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  void edit(const host::Text& content, std::int32_t start, std::int32_t length) {
    host.set_content(content);
    host.select(start, length);
    host.log.clear();
  }
};

TEST_F(EditCommandsTest, Cut) {
  struct Case {
    const char* name;
    host::Text content;
    std::int32_t start, length;
    host::Text clipboard, left;
  };
  const Case cases[] = {
      {"middle", "你好世界", 2, 4, "好世", "你界"},
      {"nothing selected", "你好世界", 2, 0, "", "你好世界"},
      {"everything", "你好\r\n世界", 0, 10, "你好\r\n世界", ""},
      {"the end", "abc你", 3, 2, "你", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clipboard = "old";
    edit(c.content, c.start, c.length);
    host.fire(HandlerId::Cut);
    EXPECT_EQ(host.clipboard, c.clipboard);
    EXPECT_EQ(host.content(), c.left);
    // The whole content is written back, also when nothing was selected.
    EXPECT_EQ(calls({"write edit."}), std::vector<std::string>{"write edit.Content=\"" + c.left + "\""});
  }
}

TEST_F(EditCommandsTest, CutWithoutClipboardStillRemovesTheSelection) {
  host.clipboard = "kept";
  host.clipboard_available = false;
  edit("abcdef", 1, 2);
  host.fire(HandlerId::Cut);
  EXPECT_EQ(host.content(), "adef");
  EXPECT_EQ(host.clipboard, "kept");
}

TEST_F(EditCommandsTest, CopyPutsTheSelectionOnTheClipboard) {
  host.clipboard = "old";
  edit("你好世界", 4, 4);
  host.fire(HandlerId::Copy);
  EXPECT_EQ(host.clipboard, "世界");
  EXPECT_EQ(host.content(), "你好世界");
  edit("你好世界", 4, 0);
  host.fire(HandlerId::Copy);
  EXPECT_EQ(host.clipboard, "");
  EXPECT_EQ(calls({"write"}), std::vector<std::string>{});
}

TEST_F(EditCommandsTest, Paste) {
  struct Case {
    const char* name;
    host::Text content;
    std::int32_t start, length;
    host::Text clipboard, result;
  };
  const Case cases[] = {
      {"at the caret", "你界", 2, 0, "好世", "你好世界"},
      {"over a selection", "你XX界", 2, 2, "好世", "你好世界"},
      {"empty clipboard deletes the selection", "你XX界", 2, 2, "", "你界"},
      {"into an empty box", "", 0, 0, "第一\r\n第二", "第一\r\n第二"},
      {"at the end", "ab", 2, 0, "c", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.clipboard = c.clipboard;
    edit(c.content, c.start, c.length);
    host.fire(HandlerId::Paste);
    EXPECT_EQ(host.content(), c.result);
    EXPECT_EQ(host.clipboard, c.clipboard);
  }
}

TEST_F(EditCommandsTest, PasteWithoutClipboardDeletesTheSelection) {
  host.clipboard = "unreachable";
  host.clipboard_available = false;
  edit("aXXb", 1, 2);
  host.fire(HandlerId::Paste);
  EXPECT_EQ(host.content(), "ab");
}

TEST_F(EditCommandsTest, DateAndTimeAreAppendedWithTwoSpacesEachSide) {
  struct Case {
    host::CivilTime when;
    host::Text appended;
  };
  const Case cases[] = {
      {{2026, 12, 7, 9, 5, 0}, "  2026年12月7日9时5分  "},
      {{2026, 1, 1, 0, 0, 0}, "  2026年1月1日  "},
      {{2026, 3, 4, 13, 0, 0}, "  2026年3月4日13时  "},
      {{2026, 3, 4, 0, 7, 0}, "  2026年3月4日0时7分  "},
      {{2026, 3, 4, 0, 0, 5}, "  2026年3月4日0时0分5秒  "},
      {{2026, 3, 4, 23, 59, 59}, "  2026年3月4日23时59分59秒  "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.appended);
    host.now = host::date_time_from_civil(c.when);
    edit("正文", 0, 2);  // the caret is elsewhere and a character is selected
    host.fire(HandlerId::InsertDateTime);
    EXPECT_EQ(host.content(), "正文" + c.appended);
    EXPECT_EQ(calls({"append_text"}), std::vector<std::string>{"append_text \"" + c.appended + "\""});
  }
}

TEST_F(EditCommandsTest, DateTextBytes) {
  host.now = host::date_time_from_civil({2026, 12, 7, 9, 5, 0});
  edit("", 0, 0);
  host.fire(HandlerId::InsertDateTime);
  EXPECT_EQ(host.content(), "  2026\xC4\xEA" "12\xD4\xC2" "7\xC8\xD5" "9\xCA\xB1" "5\xB7\xD6  ");
}

}  // namespace
}  // namespace app_test
