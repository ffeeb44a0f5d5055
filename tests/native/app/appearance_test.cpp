#include "app/appearance.h"

#include <gtest/gtest.h>

#include "app_fixture.h"

namespace app_test {
namespace {

using host::HandlerId;
using Strings = std::vector<std::string>;
namespace edit = host::prop::edit;
namespace font = host::prop::font;

const host::Text kIni = "C:\\Verbrook\\zelvorin.ini";
const host::Text kSection = "\xC5\xE4\xD6\xC3";               // 配置
const host::Text kTextColour = "\xCE\xC4\xB1\xBE\xD1\xD5\xC9\xAB";  // 文本颜色
const host::Text kBackColour = "\xB1\xB3\xBE\xB0\xD1\xD5\xC9\xAB";  // 背景颜色
const host::Text kFontSize = "\xD7\xD6\xCC\xE5\xB4\xF3\xD0\xA1";    // 字体大小

class AppearanceTest : public AppTest {
 protected:
  void SetUp() override { start_editing(); }

  std::optional<host::Text> stored(const host::Text& key) const {
    const auto item = host.configuration.find({kIni, kSection, key});
    if (item == host.configuration.end()) return std::nullopt;
    return item->second;
  }

  void store(const host::Text& key, const host::Text& value) { host.configuration[{kIni, kSection, key}] = value; }

  // The edit box loses the focus to the window and gets it back.
  void refocus_edit_box() {
    host.set_focus(host::units::kMainWindow);
    host.set_focus(host::units::kEditBox);
  }

  void pick_colour(std::int32_t colour) {
    host.set_property(host::units::kColorPicker, host::prop::picker::kColour, -1, colour);
    host.fire(HandlerId::ColourChanged);
  }

  host::Text face() const {
    return std::get<host::Text>(host.property(host::units::kEditBox, edit::kFont, font::kFace));
  }
};

TEST_F(AppearanceTest, FirstRunShowsTheFactoryLookAndCreatesNoFile) {
  EXPECT_EQ(host.edit_int(edit::kTextColor), 0xFF0000);
  EXPECT_EQ(host.edit_int(edit::kBackColor), 0xC080FF);
  EXPECT_EQ(host.edit_int(edit::kFont, font::kSize), 18);
  EXPECT_FALSE(host.configuration_file_exists(kIni));
}

TEST_F(AppearanceTest, StoredValuesAreAppliedOnEveryFocusGain) {
  struct Case {
    const char* name;
    host::Text key;
    host::Text value;
    int index, array_index;
    std::int32_t applied;
  };
  const Case cases[] = {
      {"text colour", kTextColour, "255", edit::kTextColor, -1, 255},
      {"back colour", kBackColour, "65280", edit::kBackColor, -1, 0xFF00},
      {"font size", kFontSize, "24", edit::kFont, font::kSize, 24},
      {"not a number", kFontSize, "abc", edit::kFont, font::kSize, 0},
      {"not a colour", kBackColour, "blue", edit::kBackColor, -1, 0},
      {"full-width digits", kFontSize, "\xA3\xB2\xA3\xB4", edit::kFont, font::kSize, 24},
      {"leading blank and sign", kTextColour, " -5", edit::kTextColor, -1, -5},
      {"digits then rubbish", kFontSize, "12pt", edit::kFont, font::kSize, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host.configuration.clear();
    store(c.key, c.value);  // edited by hand while the program runs
    refocus_edit_box();
    EXPECT_EQ(host.edit_int(c.index, c.array_index), c.applied);
  }
}

TEST_F(AppearanceTest, ChosenTextColourIsAppliedAndStored) {
  host.log.clear();
  host.fire(HandlerId::ChooseTextColour);
  EXPECT_EQ(calls({"open_colour_picker"}), Strings{"open_colour_picker picker"});
  pick_colour(0x123456);
  EXPECT_EQ(host.edit_int(edit::kTextColor), 0x123456);
  EXPECT_EQ(host.edit_int(edit::kBackColor), 0xC080FF);
  EXPECT_EQ(stored(kTextColour), "1193046");
  // The target stays until the other colour is chosen.
  pick_colour(0x0000FF);
  EXPECT_EQ(host.edit_int(edit::kTextColor), 0xFF);
  EXPECT_EQ(stored(kTextColour), "255");
  EXPECT_FALSE(stored(kBackColour));
}

TEST_F(AppearanceTest, ChosenBackColourIsAppliedAndStored) {
  host.fire(HandlerId::ChooseTextColour);
  host.fire(HandlerId::ChooseBackColour);
  pick_colour(0x00FFFFFF);
  EXPECT_EQ(host.edit_int(edit::kBackColor), 0xFFFFFF);
  EXPECT_EQ(host.edit_int(edit::kTextColor), 0xFF0000);
  EXPECT_EQ(stored(kBackColour), "16777215");
  EXPECT_FALSE(stored(kTextColour));
}

TEST_F(AppearanceTest, AColourWithoutAChoiceGoesToTheBackground) {
  pick_colour(0x80);
  EXPECT_EQ(host.edit_int(edit::kBackColor), 0x80);
  EXPECT_EQ(stored(kBackColour), "128");
}

TEST_F(AppearanceTest, ChosenFontIsAppliedAndItsSizeStored) {
  host.answer_dialog(DialogAnswer::choose_font("黑体", 24));
  host.fire(HandlerId::ChooseFont);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].kind, 2);
  EXPECT_EQ(face(), "\xBA\xDA\xCC\xE5");
  EXPECT_EQ(host.edit_int(edit::kFont, font::kSize), 24);
  EXPECT_EQ(stored(kFontSize), "24");
  // Cancelling later still takes the font the dialog holds.
  host.set_property(host::units::kEditBox, edit::kFont, font::kSize, 10);
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::ChooseFont);
  EXPECT_EQ(face(), "黑体");
  EXPECT_EQ(host.edit_int(edit::kFont, font::kSize), 24);
  EXPECT_EQ(stored(kFontSize), "24");
}

// Before it has returned a font the dialog starts on the face the edit box is
// drawn with (宋体 resolves to another where it is missing), at its size, so
// Cancel or OK straight away leaves the writer's font as it was.
TEST_F(AppearanceTest, TheFirstFontDialogStartsOnTheFontOnScreen) {
  host.resolved_face = "WenQuanYi Micro Hei";
  store(kFontSize, "22");
  refocus_edit_box();
  host.answer_dialog(DialogAnswer::cancel());
  host.fire(HandlerId::ChooseFont);
  EXPECT_EQ(face(), "WenQuanYi Micro Hei");
  EXPECT_EQ(host.edit_int(edit::kFont, font::kSize), 22);
  EXPECT_EQ(stored(kFontSize), "22");
}

TEST_F(AppearanceTest, RestoreSetsAndStoresTheFactoryValuesInOrder) {
  store(kTextColour, "1");
  store(kBackColour, "2");
  store(kFontSize, "3");
  refocus_edit_box();
  host.log.clear();
  host.fire(HandlerId::RestoreConfiguration);
  EXPECT_EQ(calls({"write", "message_box"}),
            (Strings{"write edit.Font[5]=18", "write edit.TextColor=16711680", "write edit.BackColor=12615935",
                     "write_configuration_items " + kFontSize + "=18 " + kTextColour + "=16711680 " + kBackColour +
                         "=12615935"}));
  EXPECT_EQ(stored(kFontSize), "18");
  EXPECT_EQ(stored(kTextColour), "16711680");
  EXPECT_EQ(stored(kBackColour), "12615935");
}

TEST_F(AppearanceTest, TheFaceIsNeitherStoredNorRestored) {
  host.answer_dialog(DialogAnswer::choose_font("黑体", 20));
  host.fire(HandlerId::ChooseFont);
  host.fire(HandlerId::RestoreConfiguration);
  refocus_edit_box();
  EXPECT_EQ(face(), "黑体");
  EXPECT_EQ(host.configuration.size(), 3u);
}

}  // namespace
}  // namespace app_test
