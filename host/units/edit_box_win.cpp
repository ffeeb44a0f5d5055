#include "host/units/edit_box_win.h"

#include <algorithm>
#include <cwchar>
#include <utility>
#include <variant>

#include "host/services/convert.h"
#include "host/services/encoding_win.h"
#include "host/units/edit_control_win.h"
#include "host/units/frames.h"
#include "host/units/text_positions.h"

namespace host {
namespace {

namespace edit = prop::edit;

void add_edge_styles(EditEdge edge, DWORD& style, DWORD& extended_style) {
  switch (edge) {
    case EditEdge::Sunken: extended_style |= WS_EX_CLIENTEDGE; break;
    case EditEdge::Line: style |= WS_BORDER; break;
    case EditEdge::SunkenAndRaised: extended_style |= WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME; break;
    case EditEdge::ThinSunken: extended_style |= WS_EX_STATICEDGE; break;
    case EditEdge::None: break;
  }
}

DWORD styles_of(const PropertyStore& properties) {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP;
  if (!properties.get_bool(edit::kHideSelection)) style |= ES_NOHIDESEL;
  const std::int32_t scroll_bars = properties.get_int(edit::kScrollBars);
  const bool horizontal_bar = scroll_bars == 1 || scroll_bars == 3;
  const bool vertical_bar = scroll_bars == 2 || scroll_bars == 3;
  if (properties.get_bool(edit::kMultiLine)) {
    // Without a horizontal scroll bar the lines wrap at the right edge.
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (horizontal_bar) style |= ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (horizontal_bar) style |= WS_HSCROLL;
  if (vertical_bar) style |= WS_VSCROLL;
  switch (properties.get_int(edit::kAlignment)) {
    case 1: style |= ES_CENTER; break;
    case 2: style |= ES_RIGHT; break;
    default: break;
  }
  switch (properties.get_int(edit::kInputMode)) {
    case 1: style |= ES_READONLY; break;
    case 2: style |= ES_PASSWORD; break;
    default: break;
  }
  switch (properties.get_int(edit::kCaseConversion)) {
    case 1: style |= ES_LOWERCASE; break;
    case 2: style |= ES_UPPERCASE; break;
    default: break;
  }
  return style;
}

// The edit box always makes its font with the default character set, default
// precisions, proof quality and no pitch or family, whatever was stored.
LOGFONTW logical_font_of(const FontFields& fields) {
  LOGFONTW font{};
  font.lfHeight = fields.height;
  font.lfWidth = fields.width;
  font.lfEscapement = fields.angle;
  font.lfOrientation = fields.angle;
  font.lfWeight = fields.weight;
  font.lfItalic = fields.italic;
  font.lfUnderline = fields.underline;
  font.lfStrikeOut = fields.strike_out;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = 0;
  const std::wstring face = gb18030_to_wide(fields.face);
  wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return font;
}

std::int32_t byte_length(std::wstring_view text) { return static_cast<std::int32_t>(wide_to_gb18030(text).size()); }

// A text value is converted where it lies: a document is megabytes.
std::wstring wide_text_of(const Value& value) {
  if (const Text* text = std::get_if<Text>(&value)) return gb18030_to_wide(*text);
  return gb18030_to_wide(to_text(value));
}

}  // namespace

EditBoxUnit::EditBoxUnit(const UnitDefinition& definition, HWND parent, int dpi) : ControlUnit(definition), dpi_(dpi) {
  DWORD style = styles_of(properties_);
  DWORD extended_style = 0;
  add_edge_styles(edit_edge(properties_.get_int(edit::kBorder)), style, extended_style);
  const Geometry& place = definition.geometry;
  const std::wstring content = gb18030_to_wide(properties_.get_text(edit::kContent));
  window_.reset(CreateWindowExW(extended_style, L"EDIT", content.c_str(), style, place.left, place.top, place.width,
                                place.height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id() & 0xFFFF)),
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;
  const EditControl control(window_.get());
  const std::wstring mask = gb18030_to_wide(properties_.get_text(edit::kPasswordChar));
  if (!mask.empty()) control.set_password_char(mask.front());
  control.set_limit(static_cast<DWORD>(std::max(0, properties_.get_int(edit::kMaxLength))));
  apply_back_colour();
  apply_font();
  set_selection_start(properties_.get_int(edit::kSelStart));
  set_selection_length(properties_.get_int(edit::kSelLength));
}

Value EditBoxUnit::read(int index, int array_index) const {
  if (!window_) return Unit::read(index, array_index);
  const EditControl control(window_.get());
  switch (index) {
    case edit::kContent: return wide_to_gb18030(control.text());
    case edit::kFont: return read_font_field(properties_.font(), array_index, dpi_);
    case edit::kSelStart:
    case edit::kSelLength:
    case edit::kSelText: {
      const std::wstring text = control.text();
      const EditControl::Selection selection = control.selection();
      const std::size_t start = std::min<std::size_t>(selection.start, text.size());
      const std::size_t end = std::clamp<std::size_t>(selection.end, start, text.size());
      const std::wstring_view view(text);
      if (index == edit::kSelStart) return byte_length(view.substr(0, start));
      if (index == edit::kSelLength) return byte_length(view.substr(start, end - start));
      return wide_to_gb18030(view.substr(start, end - start));
    }
    default: return Unit::read(index, array_index);
  }
}

void EditBoxUnit::write(int index, int array_index, Value value) {
  const EditControl control(window_.get());
  switch (index) {
    case edit::kContent: {
      note_change();
      std::wstring wide = wide_text_of(value);
      value = Value();  // the control makes a copy of its own; one of ours is enough meanwhile
      control.set_text(wide);
      return;
    }
    case edit::kSelStart: set_selection_start(to_integer(value)); return;
    case edit::kSelLength: set_selection_length(to_integer(value)); return;
    case edit::kSelText:
      note_change();
      control.replace_selection(wide_text_of(value));
      return;
    case edit::kFont: {
      FontFields font = properties_.font();
      write_font_field(font, array_index, value, dpi_);
      if (font == properties_.font()) return;
      properties_.set_font(font);
      apply_font();
      return;
    }
    case edit::kMaxLength:
      // A negative limit counts as none given.
      properties_.set(index, std::max(0, to_integer(value)));
      control.set_limit(static_cast<DWORD>(properties_.get_int(index)));
      return;
    default: break;
  }
  const bool changed = properties_.set(index, value);
  switch (index) {
    case edit::kTextColor:
      if (changed) InvalidateRect(window_.get(), nullptr, TRUE);
      return;
    case edit::kBackColor:
      if (changed) apply_back_colour();
      return;
    case edit::kInputMode: control.set_read_only(properties_.get_int(index) == 1); return;
    default: Unit::write(index, array_index, std::move(value)); return;
  }
}

HBRUSH EditBoxUnit::colour_control(HDC dc) const {
  const std::int32_t text_colour = properties_.get_int(edit::kTextColor);
  const std::int32_t back_colour = properties_.get_int(edit::kBackColor);
  SetTextColor(dc, text_colour == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(text_colour));
  SetBkColor(dc, back_colour == kDefaultColour ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(back_colour));
  return back_brush_ ? back_brush_.get() : GetSysColorBrush(COLOR_WINDOW);
}

void EditBoxUnit::append(const Text& text) {
  note_change();
  const EditControl control(window_.get());
  const auto end = static_cast<DWORD>(control.length());
  control.select(end, end);
  control.scroll_caret_into_view();
  control.replace_selection(gb18030_to_wide(text));
}

void EditBoxUnit::apply_font() {
  const LOGFONTW logical_font = logical_font_of(properties_.font());
  OwnedFont font(CreateFontIndirectW(&logical_font));
  if (!font) return;
  SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  font_ = std::move(font);  // the old font goes once the control has the new one
}

void EditBoxUnit::apply_back_colour() {
  const std::int32_t colour = properties_.get_int(edit::kBackColor);
  back_brush_.reset(colour == kDefaultColour ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour)));
  InvalidateRect(window_.get(), nullptr, TRUE);
}

void EditBoxUnit::set_selection_start(std::int32_t byte_position) {
  const EditControl control(window_.get());
  const Text content = wide_to_gb18030(control.text());
  const auto start = static_cast<DWORD>(utf16_offset_of_byte(content, static_cast<std::size_t>(std::max(0, byte_position))));
  control.select(start, start);
  control.scroll_caret_into_view();
}

void EditBoxUnit::set_selection_length(std::int32_t length) {
  const EditControl control(window_.get());
  const std::wstring text = control.text();
  const DWORD start = std::min<DWORD>(control.selection().start, static_cast<DWORD>(text.size()));
  const Text content = wide_to_gb18030(text);
  const std::size_t start_byte = wide_to_gb18030(std::wstring_view(text).substr(0, start)).size();
  const std::size_t end_byte = start_byte + static_cast<std::size_t>(std::max(0, length));
  control.select(start, static_cast<DWORD>(utf16_offset_of_byte(content, end_byte)));
  control.scroll_caret_into_view();
}

}  // namespace host
