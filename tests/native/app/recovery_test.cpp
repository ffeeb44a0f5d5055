#include "app/recovery.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using app::Recovery;
using host::HandlerId;
using host::message_box::kResultNo;
using host::message_box::kResultYes;

const host::Text kFile = "C:\\Verbrook\\稿子.txt";

class RecoveryTest : public AppTest {
 protected:
  void SetUp() override {
    start_editing();
    host.tick_timers();  // the first tick looks for a left copy
    host.log.clear();
  }

  void tick(int times) {
    for (int i = 0; i < times; ++i) host.tick_timers();
  }

  void save_as(const host::Text& name) {
    host.answer_dialog(DialogAnswer::choose_file(name));
    host.fire(HandlerId::SaveDocument);
  }
};

// Written once typing pauses, with the document's file and encoding; gone
// once the text is saved.
TEST_F(RecoveryTest, ACopyFollowsUnsavedTextUntilItIsSaved) {
  host.set_content("第一段");
  tick(Recovery::kPauseTicks);
  EXPECT_FALSE(host.recovery_copy);
  tick(1);
  ASSERT_TRUE(host.recovery_copy);
  EXPECT_EQ(host.recovery_copy->text, "第一段");
  EXPECT_EQ(host.recovery_copy->encoding, host::DocumentEncoding::Gb18030);

  save_as(kFile);
  EXPECT_FALSE(host.recovery_copy);
  host.set_content("第一段\r\n第二段");
  tick(Recovery::kPauseTicks + 1);
  ASSERT_TRUE(host.recovery_copy);
  EXPECT_EQ(host.recovery_copy->file_name, kFile);
}

// Typing that never pauses is copied every few seconds all the same.
TEST_F(RecoveryTest, TypingWithoutPauseIsCopiedAFewSecondsBehind) {
  host::Text text;
  int ticks = 0;
  while (!host.recovery_copy && ticks < 100) {
    text += "字";
    host.set_content(text);
    tick(1);
    ++ticks;
  }
  EXPECT_EQ(ticks, Recovery::kMostTicksBehind);
}

// Cleared, replaced by a new, opened or dropped document, or a clean exit:
// the copy goes each time.
TEST_F(RecoveryTest, TheCopyGoesWithTheDocumentAndAtACleanExit) {
  const auto keep_a_copy = [&] {
    host.set_content("未保存");
    tick(Recovery::kPauseTicks + 1);
    ASSERT_TRUE(host.recovery_copy);
  };
  keep_a_copy();
  host.fire(HandlerId::ClearAll);
  EXPECT_FALSE(host.recovery_copy);

  keep_a_copy();
  host.answer_boxes({kResultNo});  // not saved
  host.fire(HandlerId::NewDocument);
  EXPECT_FALSE(host.recovery_copy);

  keep_a_copy();
  host.files[kFile] = host::Bytes{'a'};
  host.answer_boxes({kResultYes});
  host.answer_dialog(DialogAnswer::choose_file(kFile));
  host.fire(HandlerId::OpenDocument);
  EXPECT_FALSE(host.recovery_copy);

  keep_a_copy();
  host.answer_boxes({kResultYes});
  host.drop_files({kFile});
  EXPECT_FALSE(host.recovery_copy);

  keep_a_copy();
  host.answer_boxes({kResultNo, kResultYes});  // not saved, then the exit
  EXPECT_THROW(host.fire(HandlerId::MainQueryClose), ProgramEnded);
  EXPECT_FALSE(host.recovery_copy);
  tick(Recovery::kPauseTicks + 1);
  EXPECT_FALSE(host.recovery_copy);
}

class LeftCopyTest : public AppTest {
 protected:
  const host::RecoveryCopy left{"丢不了的稿子", kFile, host::DocumentEncoding::Utf8,
                                host::DateTime{46364.5}};
  void SetUp() override {
    host.left_recovery_copy = left;
    start_editing();
  }
};

// Offered on the first tick after the main window is up. Yes: the text is
// back as an unsaved document of its file and encoding, and this instance's
// own copy holds it before the left one goes.
TEST_F(LeftCopyTest, YesBringsTheTextBack) {
  host.answer_boxes({kResultYes});
  host.tick_timers();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].caption, "恢复文档：");
  EXPECT_EQ(host.boxes[0].flags, 4);
  EXPECT_NE(host.boxes[0].text.find("共 6 字未保存，记录于 2026年12月8日12时"), host::Text::npos) << host.boxes[0].text;
  EXPECT_EQ(host.content(), left.text);
  EXPECT_EQ(host.property(host::units::kCommonDialog, host::prop::dialog::kFileName), host::Value(kFile));
  ASSERT_TRUE(host.recovery_copy);
  EXPECT_EQ(host.recovery_copy->encoding, host::DocumentEncoding::Utf8);
  EXPECT_EQ(calls({"keep_recovery_copy", "remove_claimed"}),
            (std::vector<std::string>{"keep_recovery_copy", "remove_claimed_recovery_copy"}));
  host.tick_timers();
  EXPECT_EQ(host.boxes.size(), 1u);
}

TEST_F(LeftCopyTest, NoDiscardsIt) {
  host.answer_boxes({kResultNo});
  host.tick_timers();
  EXPECT_EQ(host.content(), "");
  EXPECT_FALSE(host.left_recovery_copy);
  EXPECT_FALSE(host.recovery_copy);
}

}  // namespace
}  // namespace app_test
