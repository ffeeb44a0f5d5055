// Texts pass between the test and the program through the clipboard.
#include <gtest/gtest.h>

#include "driver/app.h"
#include "driver/clipboard.h"
#include "driver/paths.h"

namespace {

using namespace e2e;

class Clipboard : public ::testing::Test {
 protected:
  const Folder folder = Folder::fresh();
  const App app = App::start(target_program(), folder);
  const Window main = app.main_window();
};

TEST_F(Clipboard, TheProgramPastesWhatTheTestPutThere) {
  put_on_clipboard("粘贴的文字");
  app.press(ctrl('V'));
  app.edit_box().wait_text("粘贴的文字");
}

TEST_F(Clipboard, TheTestReadsWhatTheProgramCopied) {
  put_on_clipboard("旧的");
  app.type("复制的文字");
  app.press(shift(VK_HOME));
  app.press(ctrl('C'));
  poll("the copied text on the clipboard", app.process_id(), [] { return clipboard_text() == "复制的文字"; });
}

TEST_F(Clipboard, GbkBytesAProgramCopiedAreReadAsTheyAre) {
  app.type("按字节复制");
  app.press(ctrl('G'));
  poll("the GBK bytes on the clipboard", app.process_id(), [] { return clipboard_text() == "按字节复制"; });
}

}  // namespace
