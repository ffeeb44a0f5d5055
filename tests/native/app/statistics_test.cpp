#include "app/statistics.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;

using app::key::kBackspace;
using app::key::kEnter;
using app::key::kEsc;

// The title after Enter, with the spaces spelled out.
std::string paragraph_title(const std::string& number) {
  return "Verbrook" + std::string(14, ' ') + "Tamberlo提醒您：" + std::string(2, ' ') + "本段落共输入了" +
         std::string(2, ' ') + number + std::string(2, ' ') + "个字。";
}

std::string total_message(const std::string& number) {
  return "当前文档不计空格\r\n\r\n总字数为：" + std::string(4, ' ') + number + std::string(2, ' ') + "字。";
}

class StatisticsTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  // The writer types until the box holds the content, then presses a key.
  void press(int key, const host::Text& content) {
    host.set_content(content);
    key_down_in_edit_box(key);
  }

  const app::Statistics& stats() const { return app->statistics(); }

  std::string shown_total(const host::Text& content) {
    host.boxes.clear();
    host.set_content(content);
    host.fire(HandlerId::TotalCount);
    if (host.boxes.size() != 1) return "<" + std::to_string(host.boxes.size()) + " boxes>";
    return host.boxes[0].text;
  }
};

TEST_F(StatisticsTest, WorkedExampleOfThreeParagraphs) {
  press(kEnter, "你好");
  EXPECT_EQ(stats().current_paragraph_count(), 2.0f);
  EXPECT_EQ(stats().count_at_paragraph_start(), 3.0f);
  EXPECT_EQ(stats().paragraph_break_count(), 1);
  EXPECT_EQ(host.caption(), paragraph_title("2"));

  press(kEnter, "你好\r\n世界");
  EXPECT_EQ(stats().current_paragraph_count(), 2.0f);
  EXPECT_EQ(stats().count_at_paragraph_start(), 6.0f);

  press(kEnter, "你好\r\n世界\r\nab c");
  EXPECT_EQ(stats().current_paragraph_count(), 1.5f);
  EXPECT_EQ(stats().paragraph_break_count(), 3);
  EXPECT_EQ(host.caption(), paragraph_title("1.5"));
}

TEST_F(StatisticsTest, ParagraphTitleBytes) {
  press(kEnter, "abc");
  EXPECT_EQ(host.caption(),
            "Verbrook              Tamberlo\xCC\xE1\xD0\xD1\xC4\xFA\xA3\xBA  "
            "\xB1\xBE\xB6\xCE\xC2\xE4\xB9\xB2\xCA\xE4\xC8\xEB\xC1\xCB  1.5  \xB8\xF6\xD7\xD6\xA1\xA3");
}

TEST_F(StatisticsTest, TotalCounts) {
  struct Case {
    const char* name;
    host::Text content;
    const char* shown;
  };
  const Case cases[] = {
      {"empty document", "", "0"},
      {"three ASCII letters", "abc", "1.5"},
      {"half- and full-width spaces left out", "你 好　", "2"},
      {"a line break from a file counts 1", "你好\r\n世界", "5"},
      {"tabs count", "\t", "0.5"},
      // 𠀀 and 😀, which GBK lacks, in their four-byte forms: one each.
      {"characters outside GBK count 1", "\x95\x32\x82\x36\x94\x39\xFC\x36" "a", "2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(shown_total(c.content), total_message(c.shown));
    EXPECT_EQ(host.boxes.at(0).flags, 0);
    EXPECT_EQ(host.boxes.at(0).caption, "");  // the message box's own default caption
  }
}

TEST_F(StatisticsTest, TotalMessageBytes) {
  EXPECT_EQ(shown_total("abc"),
            "\xB5\xB1\xC7\xB0\xCE\xC4\xB5\xB5\xB2\xBB\xBC\xC6\xBF\xD5\xB8\xF1\r\n\r\n"
            "\xD7\xDC\xD7\xD6\xCA\xFD\xCE\xAA\xA3\xBA    1.5  \xD7\xD6\xA1\xA3");
}

TEST_F(StatisticsTest, EnterLineBreaksAreTakenOutOfTheTotal) {
  press(kEnter, "你好");
  EXPECT_EQ(shown_total("你好\r\n世界"), total_message("4"));
}

TEST_F(StatisticsTest, EnterOnAnEmptyDocumentAnnouncesZero) {
  press(kEnter, "");
  EXPECT_EQ(host.caption(), paragraph_title("0"));
  EXPECT_EQ(stats().count_at_paragraph_start(), 1.0f);
  EXPECT_EQ(stats().paragraph_break_count(), 1);
}

TEST_F(StatisticsTest, AMillionOrMoreIsShownInExponentForm) {
  press(kEnter, host::Text(2'469'136, 'a'));  // 1234568 characters
  EXPECT_EQ(host.caption(), paragraph_title("1.23457e+06"));
}

TEST_F(StatisticsTest, CountersAreHeldInSinglePrecision) {
  // 2^23 + 0.5 characters: a float has no halves at that size.
  press(kEnter, host::Text((1u << 24) + 1, 'a'));
  EXPECT_EQ(stats().current_paragraph_count(), 8388608.0f);
  EXPECT_EQ(stats().count_at_paragraph_start(), 8388609.0f);
  EXPECT_EQ(host.caption(), paragraph_title("8.38861e+06"));
}

TEST_F(StatisticsTest, TheTotalIsShownWithThirteenDigits) {
  EXPECT_EQ(shown_total(host::Text(2'469'137, 'a')), total_message("1234568.5"));
}

TEST_F(StatisticsTest, BackspaceJoiningTheLastLineLowersTheBreakCount) {
  press(kEnter, "你好");  // 2 characters, paragraph start 3
  press(kBackspace, "你好\r\n");
  EXPECT_EQ(stats().paragraph_break_count(), 0);
  EXPECT_EQ(stats().count_at_paragraph_start(), 1.0f);  // (3 - 2) - 0
  EXPECT_EQ(stats().current_paragraph_count(), 2.0f);   // untouched
  EXPECT_EQ(host.caption(), paragraph_title("2"));      // untouched
}

TEST_F(StatisticsTest, BackspaceOnAnEmptyDocumentGoesBelowZeroAndEnterComesBack) {
  press(kBackspace, "");
  EXPECT_EQ(stats().paragraph_break_count(), -1);
  EXPECT_EQ(stats().count_at_paragraph_start(), 1.0f);  // (0 - 0) - (-1)
  EXPECT_EQ(shown_total(""), total_message("1"));
  press(kEnter, "");
  EXPECT_EQ(stats().paragraph_break_count(), 0);
}

TEST_F(StatisticsTest, BackspaceWithFewerLinesThanBreaksCountsAfresh) {
  for (int i = 0; i < 3; ++i) press(kEnter, host::Text(static_cast<std::size_t>(i) * 2, '\n'));
  ASSERT_EQ(stats().paragraph_break_count(), 3);
  press(kBackspace, "你好\r\n世 界");
  EXPECT_EQ(stats().paragraph_break_count(), 1);
  EXPECT_EQ(stats().count_at_paragraph_start(), 4.0f);  // (10 - 4) / 2 + 1
}

TEST_F(StatisticsTest, BackspaceWithNoLineLeftMeasuresAnEmptyLine) {
  press(kEnter, "");
  press(kEnter, "\r\n");
  press(kBackspace, "");  // everything selected and cut, then Backspace
  EXPECT_EQ(stats().paragraph_break_count(), -1);
  EXPECT_EQ(stats().count_at_paragraph_start(), -1.0f);
}

TEST_F(StatisticsTest, BackspaceWithMoreLinesThanBreaksChangesNothing) {
  press(kEnter, "a");
  const float start = stats().count_at_paragraph_start();
  press(kBackspace, "a\r\nb\r\nc");
  EXPECT_EQ(stats().paragraph_break_count(), 1);
  EXPECT_EQ(stats().count_at_paragraph_start(), start);
}

TEST_F(StatisticsTest, EveryBackspaceKeepsTheLinesItSplit) {
  press(kBackspace, "a\r\n\r\nb");
  EXPECT_EQ(stats().last_split_lines().members, (std::vector<host::Text>{"a", "", "b"}));
  press(kBackspace, "x\r\n");
  EXPECT_EQ(stats().last_split_lines().members, (std::vector<host::Text>{"x"}));
  EXPECT_EQ(stats().last_split_lines().sizes, (std::vector<std::uint32_t>{1}));
}

TEST_F(StatisticsTest, KeysOtherThanBackspaceAndEnterLeaveTheCounters) {
  press(kEnter, "ab");
  host.log.clear();
  for (int key : {46, 65, 0, 9, 108}) press(key, "abc\r\n");
  EXPECT_EQ(stats().paragraph_break_count(), 1);
  EXPECT_EQ(stats().count_at_paragraph_start(), 2.0f);
  EXPECT_EQ(calls({"write", "message_box"}), std::vector<std::string>{});
  // Esc hides the window and counts nothing.
  press(kEsc, "abc");
  EXPECT_EQ(stats().paragraph_break_count(), 1);
}

TEST_F(StatisticsTest, ModifiersMakeNoDifference) {
  host.set_content("ab");
  host.fire(HandlerId::EditKeyDown, {kEnter, host::key_state::kShift | host::key_state::kCtrl});
  EXPECT_EQ(stats().paragraph_break_count(), 1);
}

TEST_F(StatisticsTest, ClearEmptiesTheDocumentAndTheCountersWithoutAsking) {
  press(kEnter, "你好");
  press(kBackspace, "a\r\nb\r\nc");
  host.set_content("never saved");
  host.log.clear();
  host.fire(HandlerId::ClearAll);
  EXPECT_EQ(host.content(), "");
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(stats().current_paragraph_count(), 0.0f);
  EXPECT_EQ(stats().paragraph_break_count(), 0);
  EXPECT_EQ(stats().count_at_paragraph_start(), 0.0f);
  EXPECT_EQ(stats().last_split_lines().members.size(), 3u);  // kept
  EXPECT_EQ(host.caption(), "Verbrook" + std::string(19, ' ') + "已清空所有统计数据!!!");
  EXPECT_EQ(host.caption(), "Verbrook                   \xD2\xD1\xC7\xE5\xBF\xD5\xCB\xF9\xD3\xD0"
                            "\xCD\xB3\xBC\xC6\xCA\xFD\xBE\xDD!!!");
}

}  // namespace
}  // namespace app_test
