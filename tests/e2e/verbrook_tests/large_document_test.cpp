// A Chinese manuscript of 50 MB opened and saved whole. Wine's edit box takes
// about three minutes to take it in, so ctest runs this as an entry of its
// own (e2e_verbrook_fifty_megabytes) with its own time limit.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "bench/common/gbk_document.h"
#include "driver/text.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using namespace std::chrono_literals;

TEST(FiftyMegabytes, OpenedWholeAndSavedByteForByte) {
  const std::string document = bench::gbk_document(50u << 20);
  const Folder folder = Folder::fresh();
  folder.write_file("长篇.txt", document);
  const verbrook::Writing writing = verbrook::start_writing(folder);
  writing.app.press(ctrl('D'));
  verbrook::choose_file(writing.app, "长篇.txt");
  verbrook::wait_document_length(writing, wide(document).size(), 20min);

  writing.app.press(ctrl('S'));
  verbrook::choose_file(writing.app, "另存.txt");
  writing.app.wait_message_box(verbrook::kSaved.caption, 2min).press(IDOK);
  const std::optional<std::string> saved = folder.read_file("另存.txt");
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->size(), document.size());
  EXPECT_TRUE(*saved == document) << "the saved file differs from the opened one";

  // The document counts as unchanged: closing asks only whether to exit.
  writing.app.wait_idle();
  verbrook::close_and_confirm(writing);
}

}  // namespace
