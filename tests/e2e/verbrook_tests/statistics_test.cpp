// What Verbrook tells a writer about how much was written: the paragraph's
// count in the title at every Enter, the total on Ctrl+Q, and Del, which
// clears the document and the counts.
#include <gtest/gtest.h>

#include "driver/screenshot.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::expect_total;
using verbrook::paragraph_title;
using verbrook::type_and_wait;

TEST(Statistics, EnterAnnouncesTheParagraphsCountInTheTitle) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  // Spaces of both widths are not counted.
  type_and_wait(writing, "你 好　\n", "你 好　\r\n");
  writing.main.wait_title(paragraph_title("2"));
  EXPECT_EQ(writing.main.title(), "Verbrook              Tamberlo\xCC\xE1\xD0\xD1\xC4\xFA\xA3\xBA  "
                                  "\xB1\xBE\xB6\xCE\xC2\xE4\xB9\xB2\xCA\xE4\xC8\xEB\xC1\xCB  2  \xB8\xF6\xD7\xD6\xA1\xA3");
  type_and_wait(writing, "世界和平\n", "你 好　\r\n世界和平\r\n");
  writing.main.wait_title(paragraph_title("4"));
  // An ASCII letter counts a half.
  type_and_wait(writing, "ab c\n", "你 好　\r\n世界和平\r\nab c\r\n");
  writing.main.wait_title(paragraph_title("1.5"));
  save_screenshot("main window", writing.main.rect());
}

TEST(Statistics, CtrlQShowsTheTotalLeavingOutSpacesAndTypedLineBreaks) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  expect_total(writing.app, "0");
  type_and_wait(writing, "你好 世界\nabc", "你好 世界\r\nabc");
  expect_total(writing.app, "5.5");
}

TEST(Statistics, DelClearsTheDocumentAndTheCountsWithoutAsking) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "你好\n世界", "你好\r\n世界");
  writing.app.press(VK_DELETE);
  writing.main.wait_title(verbrook::kClearedTitle);
  writing.edit.wait_text("");
  EXPECT_FALSE(writing.app.has_dialog());
  // Counting starts again from nothing: the next paragraph counts alone.
  type_and_wait(writing, "好\n", "好\r\n");
  writing.main.wait_title(paragraph_title("1"));
  expect_total(writing.app, "1");
}

}  // namespace
