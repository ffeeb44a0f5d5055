// The edit box's colours and font size as a writer sees them, and the
// settings file beside the program that remembers them. Colours are read
// from the screen inside the edit box (the window is opaque); the font size
// is seen in the distance between two lines of text.
#include <gtest/gtest.h>

#include "verbrook.h"

namespace {

using namespace e2e;
using verbrook::line_pitch;
using verbrook::refocus;
using verbrook::settings_file;
using verbrook::type_and_wait;

TEST(Appearance, FirstRunShowsTheFactoryLookAndWritesNoFileUntilASettingIsChosen) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::wait_background(writing, verbrook::kFactoryBackColour);
  // Typing, a message box and a resize choose no setting.
  type_and_wait(writing, "你好", "你好");
  refocus(writing);
  writing.main.resize(500, 500);
  EXPECT_FALSE(folder.has_file(verbrook::kSettingsFile));

  writing.app.press(ctrl('P'));  // 配置还原
  // The three keys are written one after the other, in this order.
  const std::string restored =
      settings_file({{"字体大小", "18"}, {"文本颜色", "16711680"}, {"背景颜色", "12615935"}});
  poll("the factory values in the settings file", writing.app.process_id(),
       [&] { return folder.read_file(verbrook::kSettingsFile) == restored; });
  EXPECT_EQ(restored.substr(0, 8), "[\xC5\xE4\xD6\xC3]\r\n");
}

TEST(Appearance, RestoreBringsBackTheFactoryLookAndStoresIt) {
  const Folder folder = Folder::fresh();
  folder.write_file(verbrook::kSettingsFile, settings_file({{"背景颜色", "255"}, {"字体大小", "9"}}));
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::wait_background(writing, RGB(255, 0, 0));
  writing.app.press(ctrl('P'));
  verbrook::wait_background(writing, verbrook::kFactoryBackColour);
  poll("the factory values in the settings file", writing.app.process_id(),
       [&] { return verbrook::setting(folder, "背景颜色") == "12615935"; });
  EXPECT_EQ(verbrook::setting(folder, "字体大小"), "18");
  EXPECT_EQ(verbrook::setting(folder, "文本颜色"), "16711680");
}

TEST(Appearance, AHandEditOfTheFileTakesEffectWhenTheEditBoxNextGainsTheFocus) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  verbrook::wait_background(writing, verbrook::kFactoryBackColour);
  folder.write_file(verbrook::kSettingsFile, settings_file({{"背景颜色", "65280"}}));
  refocus(writing);
  verbrook::wait_background(writing, RGB(0, 255, 0));
}

TEST(Appearance, AFontSizeThatIsNoNumberIsSizeZero) {
  const Folder folder = Folder::fresh();
  const verbrook::Writing writing = verbrook::start_writing(folder);
  type_and_wait(writing, "国\n国", "国\r\n国");
  const int factory_pitch = line_pitch(writing.edit);

  const auto pitch_with_size = [&](std::string_view size) {
    folder.write_file(verbrook::kSettingsFile, settings_file({{"字体大小", size}}));
    refocus(writing);
    return poll("the lines to move apart or together", writing.app.process_id(), [&]() -> std::optional<int> {
      const int pitch = line_pitch(writing.edit);
      return pitch != factory_pitch ? std::optional(pitch) : std::nullopt;
    });
  };
  const std::optional<int> not_a_number = pitch_with_size("abc");
  folder.write_file(verbrook::kSettingsFile, settings_file({{"字体大小", "18"}}));
  refocus(writing);
  poll("the factory size again", writing.app.process_id(), [&] { return line_pitch(writing.edit) == factory_pitch; });
  const std::optional<int> zero = pitch_with_size("0");
  EXPECT_EQ(not_a_number, zero);
  EXPECT_LT(*zero, factory_pitch);
}

}  // namespace
