// The colour palette and the font dialog as the writer uses them: opened from
// the menu's shortcuts, answered with the keyboard or the dialog's buttons,
// and the choice found in the settings file beside the program.
#include <gtest/gtest.h>

#include <string>

#include "driver/screenshot.h"
#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::wait_palette;
using verbrook::wait_palette_closed;

TEST(ColourPalette, ArrowsAndEnterSetTheTextColourAndTheFocusComesBack) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  app.main_window().wait_title(verbrook::kMainTitle);
  const Window edit = app.edit_box();
  app.wait_focus(edit);
  app.press(ctrl('E'));
  const Window palette = wait_palette(app);
  app.wait_focus(palette);
  // No colour chosen yet: the focus starts on 黑色; one to the right is 藏青.
  app.press(VK_RIGHT);
  app.press(VK_RETURN);
  wait_palette_closed(app, palette);
  app.wait_focus(edit);
  poll("the text colour in the settings", app.process_id(),
       [&] { return verbrook::setting(folder, "文本颜色") == "8388608"; });
}

TEST(ColourPalette, ABackgroundChosenInThePaletteShowsIsStoredAndSurvivesARestart) {
  const Folder folder = Folder::fresh();
  {
    const verbrook::Writing writing = verbrook::start_writing(folder);
    verbrook::wait_background(writing, verbrook::kFactoryBackColour);
    writing.app.press(ctrl('R'));
    const Window palette = wait_palette(writing.app);
    writing.app.wait_focus(palette);
    // From 黑色, the first cell, one row down: 灰色.
    writing.app.press(VK_DOWN);
    writing.app.press(VK_RETURN);
    wait_palette_closed(writing.app, palette);
    verbrook::wait_background(writing, RGB(128, 128, 128));
    poll("the background colour in the settings", writing.app.process_id(),
         [&] { return verbrook::setting(folder, "背景颜色") == "8421504"; });
    verbrook::close_and_confirm(writing);
  }
  const verbrook::Writing again = verbrook::start_writing(folder);
  verbrook::wait_background(again, RGB(128, 128, 128));
}

TEST(ColourPalette, EscLeavesTheSettingsUntouched) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  app.main_window().wait_title(verbrook::kMainTitle);
  const Window edit = app.edit_box();
  app.wait_focus(edit);
  app.press(ctrl('R'));
  const Window palette = wait_palette(app);
  app.press(VK_ESCAPE);
  wait_palette_closed(app, palette);
  app.wait_focus(edit);
  app.wait_idle();
  EXPECT_FALSE(folder.has_file(verbrook::kSettingsFile));
}

TEST(FontDialog, AChosenSizeIsStored) {
  const Folder folder = Folder::fresh();
  const App app = verbrook::start(folder);
  app.main_window().wait_title(verbrook::kMainTitle);
  app.wait_focus(app.edit_box());
  app.press(ctrl('T'));
  const FontDialog dialog = app.wait_font_dialog();
  dialog.choose_face("Tahoma");
  dialog.choose_size(24);
  dialog.ok();
  dialog.wait_gone();
  poll("the font size in the settings", app.process_id(), [&] { return verbrook::setting(folder, "字体大小") == "24"; });
}

// The first Ctrl+T starts on the font the edit box is drawn with, at its
// size: OK straight away changes neither what the writer sees nor the
// stored size.
TEST(FontDialog, OkStraightAwayLeavesTheWritersFontAsItWas) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::type_and_wait(writing, "国\n国", "国\r\n国");
  const int pitch = verbrook::line_pitch(writing.edit);
  // The first character, away from the caret at the end.
  const auto corner = static_cast<DWORD>(writing.edit.send(EM_POSFROMCHAR, 0));
  POINT top_left{static_cast<short>(LOWORD(corner)), static_cast<short>(HIWORD(corner))};
  ClientToScreen(writing.edit.handle(), &top_left);
  const RECT character{top_left.x, top_left.y, top_left.x + pitch, top_left.y + pitch};
  const ScreenPicture before = ScreenPicture::take(character);

  writing.app.press(ctrl('T'));
  const FontDialog dialog = writing.app.wait_font_dialog();
  EXPECT_EQ(dialog.size(), 18);
  dialog.ok();
  dialog.wait_gone();
  poll("the font size in the settings", writing.app.process_id(),
       [&] { return verbrook::setting(folder, "字体大小") == "18"; });
  writing.app.wait_focus(writing.edit);
  EXPECT_EQ(verbrook::line_pitch(writing.edit), pitch);
  poll("the first character drawn as before", writing.app.process_id(),
       [&] { return ScreenPicture::take(character) == before; });
}

}  // namespace
