// The one-key hide: Esc leaves a faint window on top of the others, Esc
// brings it back as it was; the commands still work on the faint window.
#include <gtest/gtest.h>

#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::type_and_wait;

constexpr BYTE kHiddenAlpha = 6;

BYTE alpha_of(const Window& window) {
  const auto attributes = window.layered();
  return attributes && (attributes->flags & LWA_ALPHA) ? attributes->alpha : 255;
}

void wait_hidden(const verbrook::Writing& writing) {
  poll("the window to be hidden (alpha 6, on top, the edit box disabled, the focus on the window)",
       writing.app.process_id(), [&] {
         const auto focus = writing.app.focus();
         return alpha_of(writing.main) == kHiddenAlpha && writing.main.topmost() && !writing.edit.enabled() && focus &&
                focus->handle() == writing.main.handle();
       });
}

void hide(const verbrook::Writing& writing) {
  writing.app.press(VK_ESCAPE);
  wait_hidden(writing);
}

TEST(Hide, EscHidesTheWindowAndEscShowsItAgainAsItWas) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "你好世界", "你好世界");
  writing.app.press(shift(VK_LEFT));
  writing.app.press(shift(VK_LEFT));
  poll("the last two characters to be selected", writing.app.process_id(),
       [&] { return verbrook::selection_of(writing.edit) == std::pair{2, 4}; });
  const auto selection = verbrook::selection_of(writing.edit);
  EXPECT_FALSE(writing.main.layered());

  hide(writing);
  EXPECT_TRUE(writing.main.visible());

  writing.app.press(VK_ESCAPE);
  // Once hidden, the window stays layered, at full opacity when shown.
  poll("the window to be shown (opaque, not on top, the edit box enabled and focused)", writing.app.process_id(), [&] {
    const auto focus = writing.app.focus();
    const auto layered = writing.main.layered();
    return layered && layered->alpha == 255 && !writing.main.topmost() && writing.edit.enabled() && focus &&
           focus->handle() == writing.edit.handle();
  });
  EXPECT_EQ(writing.edit.text(), "你好世界");
  EXPECT_EQ(verbrook::selection_of(writing.edit), selection);
}

TEST(Hide, WhileHiddenCtrlQAndDelWorkOnTheFaintWindow) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "你好\n世界", "你好\r\n世界");
  hide(writing);

  writing.app.press(ctrl('Q'));
  const std::string total = verbrook::total_count_text("4");
  verbrook::answer(writing.app, {verbrook::kTotalCountCaption, total, verbrook::Buttons::Ok}, IDOK);
  wait_hidden(writing);

  writing.app.press(VK_DELETE);
  writing.main.wait_title(verbrook::kClearedTitle);
  writing.edit.wait_text("");
  wait_hidden(writing);
}

TEST(Hide, WhileHiddenCtrlSSavesFromTheFaintWindow) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "隐藏中", "隐藏中");
  hide(writing);
  writing.app.press(ctrl('S'));
  verbrook::choose_file(writing.app, "隐.txt");
  verbrook::answer(writing.app, verbrook::kSaved, IDOK);
  wait_hidden(writing);
  EXPECT_EQ(folder.read_file("隐.txt"), "隐藏中");
}

}  // namespace
