#include "host/unit_services/window_services_win.h"

#include <windows.h>

#include "host/dispatch/fatal_errors.h"
#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"
#include "host/services/encoding_win.h"
#include "host/services/handles_win.h"
#include "host/units/colour_picker/colour_picker_win.h"
#include "host/units/edit_box_win.h"

namespace host {

std::uintptr_t window_handle_of_unit(Runtime& runtime, const UnitRef& unit) {
  return reinterpret_cast<std::uintptr_t>(runtime.unit_or_fatal(unit).window());
}

bool load_window(Runtime& runtime, const UnitRef& window, const std::optional<UnitRef>& parent, bool modal) {
  HWND owner = nullptr;
  if (parent) {
    LiveForm* parent_form = runtime.loaded_form(parent->form);
    const Unit* parent_unit = parent_form ? parent_form->find_unit(parent->unit) : nullptr;
    if (!parent_unit || !parent_unit->window()) return false;
    owner = GetAncestor(parent_unit->window(), GA_ROOT);
  }
  return runtime.load_form(window.form, owner, modal);
}

void destroy_unit(Runtime& runtime, const UnitRef& unit) {
  LiveForm* form = runtime.loaded_form(unit.form);
  if (!form) return;
  if (unit.unit == form->window_unit().id()) {
    form->close_later();
  } else {
    form->destroy_control(unit.unit);
  }
}

void set_focus(Runtime& runtime, const UnitRef& unit) {
  if (HWND window = runtime.unit_or_fatal(unit).window()) SetFocus(window);
}

void open_colour_picker(Runtime& runtime, const UnitRef& picker) {
  auto* unit = dynamic_cast<ColourPickerUnit*>(&runtime.unit_or_fatal(picker));
  if (!unit) runtime.fatal_error(fatal::kUnitNotLoaded);
  unit->open_palette();
}

void append_text(Runtime& runtime, const UnitRef& edit_box, const Text& text) {
  auto* unit = dynamic_cast<EditBoxUnit*>(&runtime.unit_or_fatal(edit_box));
  if (!unit) runtime.fatal_error(fatal::kUnitNotLoaded);
  unit->append(text);
}

void accept_dropped_files(Runtime& runtime, const UnitRef& window, DropHandler dropped) {
  runtime.unit_or_fatal(window);
  runtime.loaded_form(window.form)->accept_dropped_files(std::move(dropped));
}

Text resolved_font_face(Runtime& runtime, const UnitRef& unit) {
  HWND window = runtime.unit_or_fatal(unit).window();
  if (!window) return {};
  const WindowDc dc(window);
  const SelectedObject font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)));
  wchar_t face[LF_FACESIZE] = {};
  const int length = GetTextFaceW(dc.get(), LF_FACESIZE, face);
  return length > 0 ? wide_to_gb18030(face) : Text{};
}

std::uint64_t edit_changes(Runtime& runtime, const UnitRef& edit_box) {
  LiveForm* form = runtime.loaded_form(edit_box.form);
  const auto* unit = form ? dynamic_cast<const EditBoxUnit*>(form->find_unit(edit_box.unit)) : nullptr;
  return unit ? unit->changes() : 0;
}

void set_window_transparency(std::uintptr_t window, int alpha) {
  const auto handle = reinterpret_cast<HWND>(window);
  const BYTE constant_alpha = alpha < 0 || alpha > 255 ? 255 : static_cast<BYTE>(alpha);
  SetWindowLongPtrW(handle, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(handle, 0, constant_alpha, LWA_ALPHA);
}

}  // namespace host
