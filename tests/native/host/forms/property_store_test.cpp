#include "host/forms/property_store.h"

#include <gtest/gtest.h>

namespace host {
namespace {

const UnitDefinition& main_control(UnitId id) {
  for (const UnitDefinition& control : main_form().controls)
    if (control.id == id) return control;
  throw std::out_of_range("no such control");
}

TEST(PropertyStore, EveryIndexOfTheTypeHasAValue) {
  for (const FormDefinition* form : program_forms()) {
    const PropertyStore window(form->window);
    EXPECT_TRUE(window.has(property_count(unit_type::kWindow) - 1));
    EXPECT_FALSE(window.has(property_count(unit_type::kWindow)));
    for (const UnitDefinition& control : form->controls) {
      const PropertyStore properties(control);
      EXPECT_TRUE(properties.has(property_count(control.type()) - 1)) << control.id;
      EXPECT_FALSE(properties.has(property_count(control.type()))) << control.id;
    }
  }
}

TEST(PropertyStore, EditBoxStartsFromItsDefinition) {
  const PropertyStore edit(main_control(unit::kEditBox));
  namespace e = prop::edit;
  EXPECT_EQ(edit.get_int(prop::kLeft), -1);
  EXPECT_EQ(edit.get_int(prop::kWidth), 550);
  EXPECT_EQ(edit.get_int(prop::kHeight), 560);
  EXPECT_TRUE(edit.get_bool(prop::kVisible));
  EXPECT_FALSE(edit.get_bool(prop::kDisabled));
  EXPECT_EQ(edit.get_text(e::kContent), "");
  EXPECT_EQ(edit.get_int(e::kBorder), 3);
  EXPECT_EQ(edit.get_int(e::kTextColor), 0x00FF0000);
  EXPECT_EQ(edit.get_int(e::kBackColor), 0x00C080FF);
  EXPECT_TRUE(edit.get_bool(e::kHideSelection));
  EXPECT_TRUE(edit.get_bool(e::kMultiLine));
  EXPECT_EQ(edit.get_int(e::kScrollBars), 2);
  EXPECT_EQ(edit.get_text(e::kPasswordChar), "&");
  EXPECT_EQ(edit.get_int(e::kSpinnerMode), 1);
  EXPECT_EQ(edit.get_int(e::kSpinnerMax), 100);
  EXPECT_EQ(edit.font().height, -24);
  EXPECT_EQ(edit.font().face, "\xcb\xce\xcc\xe5");
}

TEST(PropertyStore, WindowAndDialogStartFromTheirDefinitions) {
  const PropertyStore window(startup_form().window);
  namespace w = prop::window;
  EXPECT_EQ(window.get_int(prop::kWidth), 495);
  EXPECT_EQ(window.get_int(w::kBorder), 2);
  EXPECT_EQ(window.get_int(w::kBackColor), kDefaultColour);
  EXPECT_EQ(window.get_int(w::kPictureMode), 1);
  EXPECT_TRUE(window.get_bool(w::kEscCloses));
  EXPECT_TRUE(window.get_bool(w::kFreeMove));
  EXPECT_FALSE(window.get_bool(w::kShowInTaskbar));
  EXPECT_EQ(window.get(w::kIcon), Value{Bytes{}});

  const PropertyStore dialog(main_control(unit::kCommonDialog));
  namespace d = prop::dialog;
  EXPECT_EQ(dialog.get_int(d::kDialogKind), d::kKindOpen);
  EXPECT_EQ(dialog.get_text(d::kFilter), "*.txt");
  EXPECT_EQ(dialog.get_text(d::kDefaultExtension), "*.txt");
  EXPECT_TRUE(dialog.get_bool(d::kFileMustExist));
  EXPECT_FALSE(dialog.get_bool(d::kCreatePrompt));
  EXPECT_EQ(dialog.get_text(d::kFileName), "");

  const PropertyStore picker(main_control(unit::kColorPicker));
  EXPECT_EQ(picker.get_int(prop::picker::kColour), kDefaultColour);
}

TEST(PropertyStore, SetConvertsAndTellsWhetherItChanged) {
  PropertyStore dialog(main_control(unit::kCommonDialog));
  EXPECT_TRUE(dialog.set(prop::dialog::kDialogKind, std::int32_t{2}));
  EXPECT_FALSE(dialog.set(prop::dialog::kDialogKind, std::int32_t{2}));
  EXPECT_TRUE(dialog.set(prop::dialog::kDialogKind, std::int32_t{-5}));
  EXPECT_EQ(dialog.get(prop::dialog::kDialogKind), Value{std::int32_t{0}});
  EXPECT_TRUE(dialog.set(prop::dialog::kNoChangeDir, std::int32_t{9}));
  EXPECT_EQ(dialog.get(prop::dialog::kNoChangeDir), Value{true});
  EXPECT_TRUE(dialog.set(prop::dialog::kFileName, Text("C:\\a.txt")));
  EXPECT_EQ(dialog.get_text(prop::dialog::kFileName), "C:\\a.txt");
}

}  // namespace
}  // namespace host
