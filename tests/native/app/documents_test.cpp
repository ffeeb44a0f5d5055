#include "app/documents.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;
using host::message_box::kResultNo;
using host::message_box::kResultYes;

const host::Text kSaveQuestion = "程序检测到 您的文档\r\n\r\n已发生更改 尚未保存\r\n\r\n是否对当前文档进行保存？";
const host::Text kOpenWarning =
    "作者很耐心地提醒您：\r\n\r\n 即将打开的新文件会覆盖掉当前文档 @o@\r\n\r\n"
    "如果希望当前文档与新文件共存,请使用{添加文档 Ctrl+F}选项\r\n\r\n否则请选择{是}继续打开新文档。";
const host::Text kExitQuestion = "亲爱的朋友！ 当前已没有您需要保存的文档\r\n\r\n请问您是否真的确定退出本程序";
const host::Text kWelcomeBack = "亲 欢迎你再来奋斗 ￥o￥\r\n\r\n身体是革命的本钱 请注意休息！";

const host::Text kFileA = "C:\\Verbrook\\a.txt";
const host::Text kFileB = "C:\\Verbrook\\b.txt";

host::Bytes bytes_of(std::string_view text) { return host::Bytes(text.begin(), text.end()); }

MessageBoxCall save_question() { return {kSaveQuestion, 4, "提示："}; }
MessageBoxCall saved() { return {"保存成功！！！", 0, "恭喜："}; }
MessageBoxCall not_saved() { return {"注意文档未保存&&", 0, "提醒："}; }
MessageBoxCall exit_question() { return {kExitQuestion, 4, "退出确认："}; }
MessageBoxCall write_failed(const host::Text& file) {
  return {"文件 " + file + " 无法写入，文档没有保存。\r\n\r\n请换一个文件名或文件夹再试。", 0, "保存失败："};
}
MessageBoxCall open_warning() { return {kOpenWarning, 4, "温馨提示："}; }
MessageBoxCall cannot_open(const host::Text& file) { return {"文件 " + file + " 不存在或无法读取，没有打开。", 0, "打开失败："}; }

class DocumentsTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  void open_file(const host::Text& name, std::string_view text) {
    host.files[name] = bytes_of(text);
    if (!host.content().empty()) host.answer_boxes({kResultYes});
    host.answer_dialog(DialogAnswer::choose_file(name));
    host.fire(HandlerId::OpenDocument);
    host.boxes.clear();
  }

  host::Text file_name() const {
    return std::get<host::Text>(host.property(host::units::kCommonDialog, host::prop::dialog::kFileName));
  }

  // Closes the main window; true when the program ended.
  bool close_window() {
    try {
      const host::HandlerResult result = host.fire(HandlerId::MainQueryClose);
      EXPECT_EQ(result, 0) << "a close that goes on must be refused with 0";
      return false;
    } catch (const ProgramEnded& ended) {
      EXPECT_EQ(ended.exit_code, 0);
      return true;
    }
  }

  using Boxes = std::vector<MessageBoxCall>;
};

TEST_F(DocumentsTest, TextsAreGbk) {
  EXPECT_EQ(kSaveQuestion.substr(0, 19), "\xB3\xCC\xD0\xF2\xBC\xEC\xB2\xE2\xB5\xBD\x20\xC4\xFA\xB5\xC4\xCE\xC4\xB5\xB5");
  EXPECT_EQ(saved().text, "\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6\xA3\xA1\xA3\xA1\xA3\xA1");
  EXPECT_EQ(saved().caption, "\xB9\xA7\xCF\xB2\xA3\xBA");
  EXPECT_EQ(not_saved().text, "\xD7\xA2\xD2\xE2\xCE\xC4\xB5\xB5\xCE\xB4\xB1\xA3\xB4\xE6&&");
  EXPECT_EQ(kOpenWarning.substr(0, 20), "\xD7\xF7\xD5\xDF\xBA\xDC\xC4\xCD\xD0\xC4\xB5\xD8\xCC\xE1\xD0\xD1\xC4\xFA\xA3\xBA");
  EXPECT_EQ(kExitQuestion.substr(0, 13), "\xC7\xD7\xB0\xAE\xB5\xC4\xC5\xF3\xD3\xD1\xA3\xA1\x20");
  EXPECT_EQ(kWelcomeBack.substr(0, 23),
            "\xC7\xD7\x20\xBB\xB6\xD3\xAD\xC4\xE3\xD4\xD9\xC0\xB4\xB7\xDC\xB6\xB7\x20\xA3\xA4o\xA3\xA4");
  EXPECT_EQ(write_failed("x").caption, "\xB1\xA3\xB4\xE6\xCA\xA7\xB0\xDC\xA3\xBA");
}

TEST_F(DocumentsTest, NewOnAnEmptyBoxAsksNothing) {
  host.fire(HandlerId::NewDocument);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_EQ(host.content(), "");
}

TEST_F(DocumentsTest, NewWithUnsavedTextAndNoClears) {
  host.set_content("草稿");
  host.answer_boxes({kResultNo});
  host.fire(HandlerId::NewDocument);
  EXPECT_EQ(host.boxes, Boxes{save_question()});
  EXPECT_EQ(host.content(), "");
  EXPECT_TRUE(host.files.empty());
}

TEST_F(DocumentsTest, NewWithYesSavesAndClears) {
  host.set_content("草稿");
  host.answer_boxes({kResultYes});
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::NewDocument);
  EXPECT_EQ(host.boxes, (Boxes{save_question(), saved()}));
  EXPECT_EQ(host.files.at(kFileA), bytes_of("草稿"));
  EXPECT_EQ(host.content(), "");
}

TEST_F(DocumentsTest, NewKeepsTheTextWhenTheWriterWantedItSavedAndItWasNot) {
  struct Case {
    const char* name;
    DialogAnswer dialog;
    bool unwritable;
    MessageBoxCall notice;
  };
  const Case cases[] = {
      {"save dialog cancelled", DialogAnswer::cancel(), false, not_saved()},
      {"file cannot be written", DialogAnswer::choose_file(kFileA), true, write_failed(kFileA)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.boxes.clear();
    host.files = {{kFileA, bytes_of("old")}};
    if (c.unwritable) host.unwritable_files = {kFileA};
    host.set_content("草稿");
    host.answer_boxes({kResultYes});
    host.answer_dialog(c.dialog);
    host.fire(HandlerId::NewDocument);
    EXPECT_EQ(host.boxes, (Boxes{save_question(), c.notice}));
    EXPECT_EQ(host.content(), "草稿");
    EXPECT_EQ(host.files.at(kFileA), bytes_of("old"));
  }
}

TEST_F(DocumentsTest, AFailedWriteIsNotReportedAsSuccess) {
  host.files[kFileA] = bytes_of("old text");
  host.unwritable_files = {kFileA};
  host.set_content("new text");
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.boxes, Boxes{write_failed(kFileA)});
  EXPECT_EQ(host.boxes[0].text,
            "\xCE\xC4\xBC\xFE C:\\Verbrook\\a.txt \xCE\xDE\xB7\xA8\xD0\xB4\xC8\xEB\xA3\xAC"
            "\xCE\xC4\xB5\xB5\xC3\xBB\xD3\xD0\xB1\xA3\xB4\xE6\xA1\xA3\r\n\r\n"
            "\xC7\xEB\xBB\xBB\xD2\xBB\xB8\xF6\xCE\xC4\xBC\xFE\xC3\xFB\xBB\xF2\xCE\xC4\xBC\xFE\xBC\xD0\xD4\xD9\xCA\xD4\xA1\xA3");
  EXPECT_EQ(host.files.at(kFileA), bytes_of("old text"));
  EXPECT_EQ(host.content(), "new text");
}

TEST_F(DocumentsTest, SaveSetsKindAndStartFolderEveryTime) {
  host.answer_dialog(DialogAnswer::choose_font("黑体", 12));
  host.fire(HandlerId::ChooseFont);
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::SaveDocument);
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::OpenDocument);
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::AppendDocument);
  ASSERT_EQ(host.dialogs.size(), 4u);
  EXPECT_EQ(host.dialogs[1].kind, 1);
  EXPECT_EQ(host.dialogs[2].kind, 0);
  EXPECT_EQ(host.dialogs[3].kind, 0);
  for (std::size_t i = 1; i < 4; ++i) EXPECT_EQ(host.dialogs[i].initial_dir, FakeHost::kProgramDirectory);
}

TEST_F(DocumentsTest, EmptyDocumentSavesZeroBytes) {
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::SaveDocument);
  ASSERT_TRUE(host.files.contains(kFileA));
  EXPECT_TRUE(host.files.at(kFileA).empty());
  EXPECT_EQ(host.boxes, Boxes{saved()});
}

TEST_F(DocumentsTest, SavedFileHoldsTheEditBoxBytesExactly) {
  host.set_content("一二三\r\n四五六");
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.files.at(kFileA), (host::Bytes{0xD2, 0xBB, 0xB6, 0xFE, 0xC8, 0xFD, '\r', '\n', 0xCB, 0xC4, 0xCE,
                                                0xE5, 0xC1, 0xF9}));
}

TEST_F(DocumentsTest, CancelledSaveSaysSoAndWritesNothing) {
  host.set_content("x");
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.boxes, Boxes{not_saved()});
  EXPECT_TRUE(host.files.empty());
}

TEST_F(DocumentsTest, OpenReadsUpToTheFirstZeroByte) {
  host.files[kFileA] = {'a', 'b', 0, 'c', 'd'};
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::OpenDocument);
  EXPECT_TRUE(host.boxes.empty());  // an empty box is not warned about
  EXPECT_EQ(host.content(), "ab");
}

TEST_F(DocumentsTest, OpenOverTextWarnsAndReplaces) {
  host.files[kFileA] = bytes_of("文件");
  host.set_content("旧文");
  host.answer_boxes({kResultYes});
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::OpenDocument);
  EXPECT_EQ(host.boxes, Boxes{open_warning()});
  EXPECT_EQ(host.content(), "文件");
}

TEST_F(DocumentsTest, OpenOrAppendChangingNothing) {
  struct Case {
    const char* name;
    HandlerId command;
    host::Text content;
    std::vector<int> answers;
    bool dialog_opens;
  };
  const Case cases[] = {
      {"open, No to the warning", HandlerId::OpenDocument, "旧文", {kResultNo}, false},
      {"open, Yes then Cancel", HandlerId::OpenDocument, "旧文", {kResultYes}, true},
      {"open an empty box, Cancel", HandlerId::OpenDocument, "", {}, true},
      {"append, Cancel", HandlerId::AppendDocument, "旧文", {}, true},
      {"append to an empty box, Cancel", HandlerId::AppendDocument, "", {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.dialogs.clear();
    open_file(kFileA, "a");
    host.set_content(c.content);
    for (int answer : c.answers) host.answer_boxes({answer});
    if (c.dialog_opens) host.answer_dialog(DialogAnswer::cancel());
    host.log.clear();
    host.fire(c.command);
    EXPECT_EQ(host.content(), c.content);
    EXPECT_EQ(file_name(), kFileA);
    EXPECT_EQ(calls({"write edit.", "append_text"}), std::vector<std::string>{});
    EXPECT_EQ(host.dialogs.size(), c.dialog_opens ? 2u : 1u);
  }
}

TEST_F(DocumentsTest, AppendContinuesTheLastLineAndBecomesTheCurrentFile) {
  open_file(kFileA, "第一行");
  host.files[kFileB] = bytes_of("续\r\n第二行");
  host.select(0, 2);  // the caret and selection do not matter
  host.answer_dialog(DialogAnswer::choose_file(kFileB));
  host.fire(HandlerId::AppendDocument);
  EXPECT_EQ(host.content(), "第一行续\r\n第二行");
  EXPECT_EQ(file_name(), kFileB);
  // The change check now compares the whole document with the appended file alone.
  host.answer_boxes({kResultNo, kResultNo});
  close_window();
  EXPECT_EQ(host.boxes.front(), save_question());
}

TEST_F(DocumentsTest, OpenThenCloseWithoutEditsAsksOnlyTheExitQuestion) {
  open_file(kFileA, "原文");
  host.answer_boxes({kResultYes});
  EXPECT_TRUE(close_window());
  EXPECT_EQ(host.boxes, Boxes{exit_question()});
}

// A UTF-16 file shows its text, asks nothing when closed unchanged, and is
// saved in UTF-16 again; an appended UTF-8 file joins it as text; a new
// document is the program's own GB18030.
TEST_F(DocumentsTest, ADocumentKeepsTheEncodingOfItsFile) {
  const std::string utf16 = std::string("\xFF\xFE\x60\x4F\x7D\x59", 6);  // 你好
  open_file(kFileA, utf16);
  EXPECT_EQ(host.content(), "你好");
  host.answer_dialog(DialogAnswer::choose_file(kFileB));
  host.files[kFileB] = bytes_of("\xE4\xB8\x96");  // 世 in UTF-8
  host.fire(HandlerId::AppendDocument);
  EXPECT_EQ(host.content(), "你好世");
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.files[kFileA], bytes_of(utf16 + std::string("\x16\x4E", 2)));
  host.boxes.clear();
  host.answer_boxes({kResultNo});  // no save question comes first: No to the exit
  EXPECT_FALSE(close_window());
  EXPECT_EQ(host.boxes.front(), exit_question());

  host.fire(HandlerId::NewDocument);
  host.set_content("新");
  host.answer_dialog(DialogAnswer::choose_file(kFileB));
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.files[kFileB], bytes_of("新"));
}

TEST_F(DocumentsTest, ChangesAreCaseSensitive) {
  open_file(kFileA, "abc");
  host.set_content("ABC");
  host.answer_boxes({kResultNo, kResultNo});
  close_window();
  EXPECT_EQ(host.boxes.front(), save_question());
}

TEST_F(DocumentsTest, YesToSaveThenCancelGoesOnToTheExitQuestion) {
  open_file(kFileA, "原文");
  host.set_content("改过的原文");
  host.answer_boxes({kResultYes, kResultYes});
  host.answer_dialog(DialogAnswer::cancel());
  EXPECT_TRUE(close_window());
  EXPECT_EQ(host.boxes, (Boxes{save_question(), not_saved(), exit_question()}));
  EXPECT_EQ(host.files.at(kFileA), bytes_of("原文"));
}

TEST_F(DocumentsTest, AFailedSaveAtExitIsReportedAndTheWriterCanStay) {
  open_file(kFileA, "原文");
  host.set_content("改过的原文");
  host.unwritable_files = {kFileA};
  host.answer_boxes({kResultYes, kResultNo});
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  EXPECT_FALSE(close_window());
  EXPECT_EQ(host.boxes, (Boxes{save_question(), write_failed(kFileA), exit_question(), {kWelcomeBack, 0, "欢迎回来："}}));
  EXPECT_EQ(host.content(), "改过的原文");
}

TEST_F(DocumentsTest, NoToExitWelcomesBackAndKeepsTheWindow) {
  host.set_content("未完");
  host.answer_boxes({kResultNo, kResultNo});
  EXPECT_FALSE(close_window());
  EXPECT_EQ(host.boxes, (Boxes{save_question(), exit_question(), {kWelcomeBack, 0, "欢迎回来："}}));
  EXPECT_EQ(host.content(), "未完");
  EXPECT_FALSE(host.exit_code);
  EXPECT_TRUE(host.loaded(host::form::kMain));
}

TEST_F(DocumentsTest, YesToExitEndsAtOnce) {
  host.answer_boxes({kResultYes});
  EXPECT_TRUE(close_window());
  EXPECT_EQ(host.log.back(), "remove_recovery_copy");  // the exit hook, and nothing after it
  EXPECT_EQ(calls({"end_program"}), std::vector<std::string>{"end_program 0"});
}

TEST_F(DocumentsTest, AfterNewSaveOffersThePreviousFileAndExitComparesWithIt) {
  open_file(kFileA, "原文");
  host.fire(HandlerId::NewDocument);  // unchanged: cleared without a question
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(host.content(), "");
  host.set_content("原文");
  host.answer_boxes({kResultYes});
  EXPECT_TRUE(close_window());  // same text as the previous file: no save question
  EXPECT_EQ(host.boxes, Boxes{exit_question()});
}

TEST_F(DocumentsTest, SaveOffersTheCurrentFileName) {
  open_file(kFileA, "原文");
  host.fire(HandlerId::NewDocument);
  host.set_content("新文");
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(host.dialogs.back().offered_file_name, kFileA);
}

TEST_F(DocumentsTest, AMissingFileOpensAsAnEmptyDocument) {
  host.answer_dialog(DialogAnswer::choose_file("C:\\nowhere.txt"));
  host.fire(HandlerId::OpenDocument);
  EXPECT_EQ(host.content(), "");
  EXPECT_EQ(file_name(), "C:\\nowhere.txt");
}

// A file dropped from Explorer goes the way of Ctrl+D: the same warning over
// text, and then it is the document's file.
TEST_F(DocumentsTest, ADroppedFileOpensAfterTheSameWarningAsCtrlD) {
  host.files[kFileA] = bytes_of("文件");
  host.set_content("草稿");
  host.answer_boxes({kResultYes});
  host.drop_files({kFileA});
  EXPECT_EQ(host.boxes, Boxes{open_warning()});
  EXPECT_EQ(host.content(), "文件");
  EXPECT_EQ(file_name(), kFileA);
  host.answer_boxes({kResultYes});
  EXPECT_TRUE(close_window());
  EXPECT_EQ(host.boxes.back(), exit_question());
  EXPECT_EQ(host.boxes.size(), 2u);
}

TEST_F(DocumentsTest, WithCtrlHeldADroppedFileIsAppended) {
  host.files[kFileB] = bytes_of("续");
  host.set_content("开头");
  host.drop_files({kFileB}, true);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(host.content(), "开头续");
  EXPECT_EQ(file_name(), kFileB);
}

TEST_F(DocumentsTest, OfSeveralDroppedFilesTheFirstIsOpenedAndTheWriterTold) {
  host.files[kFileA] = bytes_of("甲");
  host.files[kFileB] = bytes_of("乙");
  host.drop_files({kFileA, kFileB, "C:\\丙.txt"});
  EXPECT_EQ(host.content(), "甲");
  EXPECT_EQ(host.boxes, (Boxes{{"一次只能打开一个文件，已打开拖入的第一个：\r\n\r\n" + kFileA +
                                    "\r\n\r\n其余 2 个文件没有打开。",
                                0, "拖入多个文件："}}));
}

// No dialog has checked a dropped name: one that cannot be read is said so,
// before any warning, and the document stays.
TEST_F(DocumentsTest, ADroppedFileThatCannotBeReadIsNamedAndChangesNothing) {
  open_file(kFileA, "原文");
  for (const bool control_held : {false, true}) {
    host.drop_files({"C:\\不在.txt"}, control_held);
    EXPECT_EQ(host.boxes, Boxes{cannot_open("C:\\不在.txt")});
    EXPECT_EQ(host.content(), "原文");
    EXPECT_EQ(file_name(), kFileA);
    host.boxes.clear();
  }
}

// The program takes no messages while it reads and puts in, or writes, a
// document: the wait cursor shows for that work, and for no question.
TEST_F(DocumentsTest, TheWaitCursorShowsWhileADocumentIsReadOrWritten) {
  host.files[kFileA] = bytes_of("文件");
  host.set_content("草稿");
  host.answer_boxes({kResultYes});
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::OpenDocument);
  host.answer_dialog(DialogAnswer::choose_file(kFileA));
  host.fire(HandlerId::AppendDocument);
  host.answer_dialog(DialogAnswer::choose_file(kFileB));
  host.fire(HandlerId::SaveDocument);
  EXPECT_EQ(calls({"busy", "not busy", "message_box", "open_common_dialog", "write edit.Content", "append_text",
                   "write_file"}),
            (std::vector<std::string>{"message_box 温馨提示：", "open_common_dialog 0", "busy",
                                      "write edit.Content=\"\"", "write edit.Content=\"文件\"", "not busy",
                                      "open_common_dialog 0", "busy", "append_text \"文件\"", "not busy",
                                      "open_common_dialog 1", "busy", "write_file " + kFileB, "not busy",
                                      "message_box 恭喜："}));
}

}  // namespace
}  // namespace app_test
