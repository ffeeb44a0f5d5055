// The program's windows as data: each form is its window's own unit, its
// controls in creation order and its menu items in menu order, with the
// initial property values and the event bindings. The tables are constant and
// checked at compile time where a slip would otherwise go unnoticed.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "host/forms/handlers.h"
#include "host/forms/ids.h"

namespace host {

struct Geometry {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// One event of a unit bound to a handler slot.
struct EventBinding {
  int event{};
  HandlerId handler;
};

// The fields of a Windows LOGFONT that a unit's font keeps.
struct FontDefinition {
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t angle = 0;  // tenths of a degree
  std::int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::string_view face = "宋体";
};

// The defaults are those of a window record that leaves a field out.
struct WindowData {
  std::int32_t border = 2;
  std::int32_t picture_mode = 1;
  std::int32_t back_color = kDefaultColour;
  bool max_button = false;
  bool min_button = false;
  bool control_box = true;
  std::int32_t start_position = 1;
  bool movable = true;
  std::int32_t play_count = 0;
  bool enter_moves_focus = false;
  bool esc_closes = true;
  bool f1_opens_help = false;
  std::int32_t help_context = 0;
  bool show_in_taskbar = true;
  bool free_move = false;
  std::int32_t shape = 0;
  bool always_on_top = false;
  bool keep_title_active = false;
  std::string_view class_name{};
  std::string_view caption{};
  std::string_view help_file{};
};

struct EditBoxData {
  std::int32_t border = 1;
  std::int32_t text_color = 0x00000000;
  std::int32_t back_color = 0x00FFFFFF;
  bool hide_selection = true;
  std::int32_t max_length = 0;
  bool multi_line = false;
  std::int32_t scroll_bars = 0;
  std::int32_t alignment = 0;
  std::int32_t input_mode = 0;
  std::string_view password_char = "*";
  std::int32_t case_conversion = 0;
  std::int32_t spinner_mode = 0;
  std::int32_t spinner_min = 0;
  std::int32_t spinner_max = 100;
  std::int32_t sel_start = 0;
  std::int32_t sel_length = 0;
  FontDefinition font{};
  std::string_view content{};
  std::string_view data_source{};
  std::string_view data_column{};
};

struct CommonDlgData {
  std::int32_t dialog_kind = prop::dialog::kKindOpen;
  std::int32_t filter_index = 0;
  bool create_prompt = false;
  bool file_must_exist = true;
  bool overwrite_prompt = true;
  bool path_must_exist = true;
  bool no_change_dir = false;
  std::int32_t font_color = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::int32_t font_size = 0;
  std::int32_t help_command = 0;
  std::int32_t help_value = 0;
  std::string_view title{};
  std::string_view file_name{};
  std::string_view filter{};
  std::string_view initial_dir{};
  std::string_view default_extension{};
  std::string_view font_name{};
  std::string_view help_file{};
};

struct ColorPickerData {
  std::int32_t colour = kDefaultColour;
  bool flag = false;
};

struct TimerData {
  std::int32_t interval = 0;
};

using UnitData = std::variant<WindowData, EditBoxData, ColorPickerData, CommonDlgData, TimerData>;

// The unit type follows from the kind of data, so the two cannot disagree.
constexpr UnitTypeId unit_type_of(const UnitData& data) {
  constexpr UnitTypeId kTypes[] = {unit_type::kWindow, unit_type::kEditBox, unit_type::kColorPicker,
                                   unit_type::kCommonDlg, unit_type::kTimer};
  return kTypes[data.index()];
}

// The window's own unit or one of its controls.
struct UnitDefinition {
  UnitId id{};
  std::string_view name{};  // empty for the window itself
  UnitId parent = 0;      // 0: placed directly on the window
  Geometry geometry{};
  bool visible = false;
  std::span<const EventBinding> events{};
  UnitData data{};

  constexpr UnitTypeId type() const { return unit_type_of(data); }
};

struct MenuItemDefinition {
  UnitId id{};
  int level{};  // 0 a drop-down header, 1 an item under it
  std::string_view caption{};  // "-" is a separator
  int shortcut = 0;          // index into the shortcut table, 0 none
  bool hidden = false;
  bool disabled = false;
  bool checked = false;
  std::optional<HandlerId> clicked{};
};

struct FormDefinition {
  FormId id{};
  UnitDefinition window;
  std::span<const UnitDefinition> controls{};  // creation order
  std::span<const MenuItemDefinition> menu{};  // menu order
};

const FormDefinition& startup_form();
const FormDefinition& main_form();

// The program's forms; the host loads from a list like this one.
std::span<const FormDefinition* const> program_forms();

const FormDefinition* find_form(std::span<const FormDefinition* const> forms, FormId id);

// Id families: the top byte tells forms, windows, controls and menu items apart.
inline constexpr std::uint32_t kFormFamily = 0x52000000;
inline constexpr std::uint32_t kWindowFamily = 0x06000000;
inline constexpr std::uint32_t kControlFamily = 0x16000000;
inline constexpr std::uint32_t kMenuItemFamily = 0x26000000;
constexpr std::uint32_t id_family(std::uint32_t id) { return id & 0xFF000000u; }

}  // namespace host
