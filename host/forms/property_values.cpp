#include "host/forms/property_values.h"

#include <array>
#include <span>

#include "host/services/convert.h"

namespace host {
namespace {

using enum PropertyKind;

constexpr std::array kCommonKinds{Int, Int, Int, Int, String, Bool, Bool, Cursor};

// Indices 0-3 of a menu item replace the common ones.
constexpr std::array kMenuKinds{String, Bool, Bool, Bool};

constexpr std::array kWindowKinds{
    String,   // 8 Caption
    Choice,   // 9 Border
    Colour,   // 10 BackColor
    Blob,     // 11 Picture
    Choice,   // 12 PictureMode
    Blob,     // 13 Music
    Choice,   // 14 PlayCount
    Bool,     // 15 ControlBox
    Bool,     // 16 MaxButton
    Bool,     // 17 MinButton
    Choice,   // 18 StartPosition
    Bool,     // 19 Movable
    Blob,     // 20 Icon
    Bool,     // 21 EnterMovesFocus
    Bool,     // 22 EscCloses
    Bool,     // 23 F1OpensHelp
    String,   // 24 HelpFile
    Int,      // 25 HelpContext
    Bool,     // 26 ShowInTaskbar
    Bool,     // 27 FreeMove
    Choice,   // 28 Shape
    Bool,     // 29 AlwaysOnTop
    Bool,     // 30 KeepTitleActive
    String,   // 31 ClassName
};

constexpr std::array kEditBoxKinds{
    String,   // 8 Content
    Choice,   // 9 Border
    Colour,   // 10 TextColor
    Colour,   // 11 BackColor
    Font,     // 12 Font
    Bool,     // 13 HideSelection
    Int,      // 14 MaxLength
    Bool,     // 15 MultiLine
    Choice,   // 16 ScrollBars
    Choice,   // 17 Alignment
    Choice,   // 18 InputMode
    String,   // 19 PasswordChar
    Choice,   // 20 CaseConversion
    Choice,   // 21 SpinnerMode
    Int,      // 22 SpinnerMin
    Int,      // 23 SpinnerMax
    Int,      // 24 SelStart
    Int,      // 25 SelLength
    String,   // 26 SelText
    Binding,  // 27 DataSource
    Binding,  // 28 DataColumn
};

constexpr std::array kCommonDlgKinds{
    Choice,   // 8 DialogKind
    String,   // 9 Title
    String,   // 10 FileName
    String,   // 11 Filter
    Int,      // 12 FilterIndex
    String,   // 13 InitialDir
    String,   // 14 DefaultExtension
    Bool,     // 15 CreatePrompt
    Bool,     // 16 FileMustExist
    Bool,     // 17 OverwritePrompt
    Bool,     // 18 PathMustExist
    Bool,     // 19 NoChangeDir
    Colour,   // 20 FontColor
    Bool,     // 21 Bold
    Bool,     // 22 Italic
    Bool,     // 23 Underline
    Bool,     // 24 StrikeOut
    String,   // 25 FontName
    Int,      // 26 FontSize
    String,   // 27 HelpFile
    Choice,   // 28 HelpCommand
    Int,      // 29 HelpValue
};

constexpr std::array kColorPickerKinds{Colour, Bool};
constexpr std::array kTimerKinds{Int};

static_assert(kCommonKinds.size() + kWindowKinds.size() == prop::window::kClassName + 1);
static_assert(kCommonKinds.size() + kEditBoxKinds.size() == prop::edit::kDataColumn + 1);
static_assert(kCommonKinds.size() + kCommonDlgKinds.size() == prop::dialog::kHelpValue + 1);

// The kinds from index 8 on; menu items have none beyond their four.
std::span<const PropertyKind> specific_kinds(UnitTypeId type) {
  switch (type) {
    case unit_type::kWindow: return kWindowKinds;
    case unit_type::kEditBox: return kEditBoxKinds;
    case unit_type::kCommonDlg: return kCommonDlgKinds;
    case unit_type::kColorPicker: return kColorPickerKinds;
    case unit_type::kTimer: return kTimerKinds;
    default: return {};
  }
}

bool is_known_type(UnitTypeId type) { return type == unit_type::kMenu || !specific_kinds(type).empty(); }

}  // namespace

int property_count(UnitTypeId type) {
  if (!is_known_type(type)) return 0;
  if (type == unit_type::kMenu) return static_cast<int>(kMenuKinds.size());
  return static_cast<int>(kCommonKinds.size() + specific_kinds(type).size());
}

std::optional<PropertyKind> property_kind(UnitTypeId type, int index) {
  if (index < 0 || index >= property_count(type)) return std::nullopt;
  const auto position = static_cast<std::size_t>(index);
  if (type == unit_type::kMenu) return kMenuKinds[position];
  if (position < kCommonKinds.size()) return kCommonKinds[position];
  return specific_kinds(type)[position - kCommonKinds.size()];
}

Value converted_to_kind(PropertyKind kind, const Value& value) {
  switch (kind) {
    case Bool: return to_integer(value) != 0;
    case Choice: {
      const std::int32_t choice = to_integer(value);
      return choice < 0 ? 0 : choice;
    }
    case Int:
    case Colour:
    case Cursor: return to_integer(value);
    case String:
    case Binding: return to_text(value);
    case Blob: return to_byte_array(value);
    case Font: break;  // written by sub-field, never as a whole
  }
  return Value{};
}

std::int32_t int_of(const Value& stored) {
  if (const auto* number = std::get_if<std::int32_t>(&stored)) return *number;
  if (const auto* flag = std::get_if<bool>(&stored)) return *flag ? 1 : 0;
  return 0;
}

bool bool_of(const Value& stored) { return int_of(stored) != 0; }

const Text& text_of(const Value& stored) {
  static const Text kEmpty;
  const auto* text = std::get_if<Text>(&stored);
  return text ? *text : kEmpty;
}

}  // namespace host
