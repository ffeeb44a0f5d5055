// The statistics after thousands of Enter and Backspace keys with words
// between them, against the counts the documented formulas give for the same
// keys (tests/common/writing_model.h). The end-to-end load test types the
// same kind of keys into Verbrook.exe; this runs the full count on the fake host.
#include <gtest/gtest.h>

#include <algorithm>

#include "app_fixture.h"
#include "common/writing_model.h"

namespace app_test {
namespace {

using app::key::kBackspace;
using app::key::kEnter;

TEST(WritingModel, GivesTheWorkedExampleOfTheParagraphCounter) {
  load::WritingModel model;
  model.apply("你好\n");
  EXPECT_EQ(model.announced(), "2");
  EXPECT_EQ(model.count_at_paragraph_start(), 3.0f);
  model.apply("世界\n");
  EXPECT_EQ(model.count_at_paragraph_start(), 6.0f);
  model.apply("ab c\n");
  EXPECT_EQ(model.announced(), "1.5");
  EXPECT_EQ(model.total(), "5.5");  // 17 bytes without the space, less 3 paragraph ends
  EXPECT_EQ(model.content(), "你好\r\n世界\r\nab c\r\n");
}

TEST(WritingModel, BackspaceOnTheEmptyDocumentAndOverLineBreaks) {
  load::WritingModel model;
  // On the empty document the paragraph ends go below zero, once.
  model.apply("\b\b");
  EXPECT_EQ(model.paragraph_break_count(), -1);
  EXPECT_EQ(model.total(), "1");
  // Lines now outnumber the paragraph ends: Backspace over the line break leaves the counters.
  model.apply("好　\n\b");
  EXPECT_EQ(model.paragraph_break_count(), 0);
  EXPECT_EQ(model.content(), "好　");
  // In step again: Enter announces 1 − 2 and moves the start to 2; Backspace
  // at the start of the new line takes the paragraph end back and the start
  // to (2 − (−1)) − 0.
  model.apply("\n");
  EXPECT_EQ(model.announced(), "-1");
  model.apply("\b\b");
  EXPECT_EQ(model.paragraph_break_count(), 0);
  EXPECT_EQ(model.count_at_paragraph_start(), 3.0f);
  EXPECT_EQ(model.content(), "好");
}

TEST(WritingModel, WriterKeysAreRepeatableAndCutIntoPiecesOfTheirCount) {
  const std::string keys = load::writer_keys(1000, 7);
  EXPECT_EQ(keys, load::writer_keys(1000, 7));
  EXPECT_NE(keys, load::writer_keys(1000, 8));
  EXPECT_EQ(load::enter_and_backspace_count(keys), 1000);
  const auto pieces = load::pieces_of(keys, 50);
  ASSERT_EQ(pieces.size(), 20u);
  std::string joined;
  for (const std::string_view piece : pieces) {
    EXPECT_EQ(load::enter_and_backspace_count(piece), 50);
    joined += piece;
  }
  EXPECT_EQ(joined, keys);
}

class StatisticsLoad : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  // The edit box holds what the writer typed up to the key; the handler
  // runs before the key takes effect.
  void press(int key_code) {
    host.set_content(model.content());
    key_down_in_edit_box(key_code);
  }

  load::WritingModel model;
};

TEST_F(StatisticsLoad, TenThousandEnterAndBackspaceKeysGiveTheCountsOfTheFormulas) {
  const std::string all_keys = load::writer_keys(10000, 20261208);
  const std::string_view keys = all_keys;
  int enters = 0;
  for (std::size_t i = 0; i < keys.size();) {
    if (keys[i] != load::kEnter && keys[i] != load::kBackspace) {
      // The words up to the next key.
      const std::size_t next_key = std::min(keys.find_first_of("\n\b", i), keys.size());
      model.apply(keys.substr(i, next_key - i));
      i = next_key;
      continue;
    }
    press(keys[i] == load::kEnter ? kEnter : kBackspace);
    model.apply(keys.substr(i, 1));
    if (keys[i++] != load::kEnter) continue;
    ++enters;
    ASSERT_EQ(host.caption(), "Verbrook              Tamberlo提醒您：  本段落共输入了  " + model.announced() + "  个字。")
        << "at Enter " << enters;
  }
  EXPECT_GT(model.content().size(), 10000u);
  EXPECT_EQ(app->statistics().current_paragraph_count(), model.current_paragraph_count());
  EXPECT_EQ(app->statistics().paragraph_break_count(), model.paragraph_break_count());
  EXPECT_EQ(app->statistics().count_at_paragraph_start(), model.count_at_paragraph_start());
  host.set_content(model.content());
  host.fire(host::HandlerId::TotalCount);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "当前文档不计空格\r\n\r\n总字数为：    " + model.total() + "  字。");
}

}  // namespace
}  // namespace app_test
