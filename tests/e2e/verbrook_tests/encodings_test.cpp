// Every document comes back as it was written: bytes that are no character,
// characters GBK lacks, UTF-8 with and without its mark, UTF-16 with its
// mark. Each is shown as its text, closes unchanged without a question, and
// saves byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;

// 𠀀 (U+20000) and 😀 (U+1F600), which GBK lacks, in their GB18030 four-byte forms.
const std::string kOutsideGbk = "\x95\x32\x82\x36\x94\x39\xFC\x36";

// Opens the file, checks what the edit box shows, saves it under another
// name (which must hold the same bytes), and closes without a question.
void expect_kept(const char* name, const std::string& bytes, const std::wstring& shown) {
  SCOPED_TRACE(name);
  const Folder folder = Folder::fresh();
  folder.write_file("原稿.txt", bytes);
  const verbrook::Writing writing = verbrook::start_writing(folder);
  writing.app.press(ctrl('D'));
  verbrook::choose_file(writing.app, "原稿.txt");
  poll("the document shown", writing.app.process_id(),
       [&] { return wide(writing.edit.text_if_there().value_or("")) == shown; });
  verbrook::save_as(writing, "另存.txt");
  EXPECT_EQ(folder.read_file("另存.txt"), bytes);
  verbrook::close_and_confirm(writing);  // nothing to save: only the exit question
  EXPECT_EQ(folder.read_file("原稿.txt"), bytes);
}

TEST(Encodings, EachDocumentIsShownAsItsTextAndSavedByteForByte) {
  expect_kept("bytes that are no character", "好\x80\xFF坏\x81\x20字结尾\xB0",
              L"好\u20AC\xDCFF坏\xDC81 字结尾\xDCB0");
  expect_kept("UTF-8", "\xE4\xBD\xA0\xE5\xA5\xBD\xF0\xA0\x80\x80\r\nok", L"你好\xD840\xDC00\r\nok");
  expect_kept("UTF-8 with its mark", "\xEF\xBB\xBF\xE4\xB8\x96\xE7\x95\x8C", L"世界");
  expect_kept("UTF-16 LE with its mark", std::string("\xFF\xFE\x60\x4F\x3D\xD8\x00\xDE\x0D\x00\x0A\x00", 12),
              L"你\xD83D\xDE00\r\n");
}

// Typed characters GBK lacks are saved in their four-byte forms and come back.
TEST(Encodings, CharactersOutsideGbkAreTypedSavedAndOpenedAgain) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "你好" + kOutsideGbk, "你好" + kOutsideGbk);
  verbrook::save_as(writing, "新字.txt");
  EXPECT_EQ(folder.read_file("新字.txt"), "你好" + kOutsideGbk);
  writing.app.press(VK_DELETE);  // emptied, then the file opened again
  writing.edit.wait_text("");
  verbrook::open_file(writing, "新字.txt", "你好" + kOutsideGbk);
  verbrook::close_and_confirm(writing);
}

}  // namespace
