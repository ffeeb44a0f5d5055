// The colour palette and the font dialog as the writer uses them: opened from
// the menu's shortcuts, answered with the keyboard or the dialog's buttons,
// and the choice found in the settings file beside the program.
#include <gtest/gtest.h>

#include <string>

#include "verbrook.h"

namespace {

using namespace e2e;

constexpr std::string_view kSettingsFile = "zelvorin.ini";

Window wait_palette(const App& app) {
  return app.wait_window("the colour palette", [](const Window& window) {
    return window.visible() && window.class_name() == L"VerbrookColourPalette";
  });
}

// The palette is hidden, not destroyed, to open again at once.
void wait_closed(const App& app, const Window& palette) {
  poll("the colour palette to close", app.process_id(), [&] { return !palette.visible(); });
}

bool settings_hold(const Folder& folder, std::string_view line) {
  const std::optional<std::string> settings = folder.read_file(kSettingsFile);
  return settings && settings->find(line) != std::string::npos;
}

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
  wait_closed(app, palette);
  app.wait_focus(edit);
  poll("the text colour in the settings", app.process_id(),
       [&] { return settings_hold(folder, "文本颜色=8388608"); });
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
  wait_closed(app, palette);
  app.wait_focus(edit);
  app.wait_idle();
  EXPECT_FALSE(folder.has_file(kSettingsFile));
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
  poll("the font size in the settings", app.process_id(), [&] { return settings_hold(folder, "字体大小=24"); });
}

}  // namespace
