#include "host/forms/property_store.h"

#include <utility>

namespace host {
namespace {

Text text(std::string_view view) { return Text(view); }

void fill_specific(std::vector<Value>& values, const WindowData& data) {
  values.insert(values.end(),
                {text(data.caption), data.border, data.back_color, Bytes{}, data.picture_mode, Bytes{},
                 data.play_count, data.control_box, data.max_button, data.min_button, data.start_position,
                 data.movable, Bytes{}, data.enter_moves_focus, data.esc_closes, data.f1_opens_help,
                 text(data.help_file), data.help_context, data.show_in_taskbar, data.free_move, data.shape,
                 data.always_on_top, data.keep_title_active, text(data.class_name)});
}

void fill_specific(std::vector<Value>& values, const EditBoxData& data) {
  // The font lives beside the values (index 12 holds no value of its own);
  // SelText is the selected part of the content, empty until there is one.
  values.insert(values.end(),
                {text(data.content), data.border, data.text_color, data.back_color, Value{}, data.hide_selection,
                 data.max_length, data.multi_line, data.scroll_bars, data.alignment, data.input_mode,
                 text(data.password_char), data.case_conversion, data.spinner_mode, data.spinner_min,
                 data.spinner_max, data.sel_start, data.sel_length, Text{}, text(data.data_source),
                 text(data.data_column)});
}

void fill_specific(std::vector<Value>& values, const CommonDlgData& data) {
  values.insert(values.end(),
                {data.dialog_kind, text(data.title), text(data.file_name), text(data.filter), data.filter_index,
                 text(data.initial_dir), text(data.default_extension), data.create_prompt, data.file_must_exist,
                 data.overwrite_prompt, data.path_must_exist, data.no_change_dir, data.font_color, data.bold,
                 data.italic, data.underline, data.strike_out, text(data.font_name), data.font_size,
                 text(data.help_file), data.help_command, data.help_value});
}

void fill_specific(std::vector<Value>& values, const ColorPickerData& data) {
  values.insert(values.end(), {data.colour, data.flag});
}

void fill_specific(std::vector<Value>& values, const TimerData& data) { values.push_back(data.interval); }

}  // namespace

PropertyStore::PropertyStore(const UnitDefinition& definition) : type_(definition.type()) {
  const Geometry& geometry = definition.geometry;
  values_ = {geometry.left, geometry.top, geometry.width, geometry.height, Text{}, definition.visible, false,
             std::int32_t{0}};
  std::visit([&](const auto& data) { fill_specific(values_, data); }, definition.data);
  if (const auto* edit = std::get_if<EditBoxData>(&definition.data)) font_ = font_fields_of(edit->font);
}

bool PropertyStore::has(int index) const { return index >= 0 && static_cast<std::size_t>(index) < values_.size(); }

PropertyKind PropertyStore::kind(int index) const { return *property_kind(type_, index); }

const Value& PropertyStore::get(int index) const { return values_.at(static_cast<std::size_t>(index)); }

bool PropertyStore::set(int index, const Value& value) {
  Value converted = converted_to_kind(kind(index), value);
  Value& stored = values_.at(static_cast<std::size_t>(index));
  if (stored == converted) return false;
  stored = std::move(converted);
  return true;
}

}  // namespace host
