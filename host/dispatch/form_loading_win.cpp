// Loading a form and showing it: the window and its controls are built with
// events held off, then the window's created, moved and size-changed events
// run before it is first shown.
#include <memory>

#include "host/dispatch/fatal_errors.h"
#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"
#include "host/units/screen_metrics_win.h"

namespace host {
namespace {

int first_show_command(const LiveForm& form) {
  switch (form.window_unit().properties().get_int(prop::window::kStartPosition)) {
    case 2: return SW_SHOWMINIMIZED;
    case 3: return SW_SHOWMAXIMIZED;
    default: return SW_SHOW;
  }
}

}  // namespace

void Runtime::load_start_window(FormId form) {
  if (!load_form(form, nullptr, false)) fatal_error(fatal::kStartWindowFailed);
}

bool Runtime::load_form(FormId form_id, HWND owner, bool modal) {
  if (LiveForm* loaded = loaded_form(form_id)) {
    HWND window = loaded->window();
    if (IsIconic(window)) {
      ShowWindow(window, SW_RESTORE);
    } else {
      SetActiveWindow(window);
    }
    return true;
  }
  const FormDefinition* definition = find_form(definitions_, form_id);
  if (!definition) return false;
  return create_form(*definition, owner, modal);
}

bool Runtime::create_form(const FormDefinition& definition, HWND owner, bool modal) {
  HWND focus = GetFocus();
  auto form = std::make_shared<LiveForm>(*this, definition);
  {
    const SuppressEvents building(*this);
    if (!form->create_window(owner) || !form->create_controls(screen_vertical_dpi())) return false;
  }
  forms_.push_back(form);

  const UnitId self = definition.window.id;
  for (int event : {event::kCreated, event::kMoved, event::kSizeChanged})
    if (form->alive()) deliver(*form, self, event);
  if (!form->alive()) return true;

  if (modal) {
    std::vector<HWND> disabled;
    for (const auto& other : forms_) {
      HWND window = other->window();
      if (other != form && window && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.push_back(window);
      }
    }
    form->make_modal(std::move(disabled));
  }
  if (focus && IsWindow(focus) && GetFocus() != focus) SetFocus(focus);

  if (form->window_unit().properties().get_bool(prop::kVisible)) set_form_visible(*form, true);
  return true;
}

void Runtime::set_form_visible(LiveForm& form, bool visible) {
  HWND window = form.window();
  if (!visible) {
    ShowWindow(window, SW_HIDE);
    return;
  }
  if (form.shown_once()) {
    ShowWindow(window, SW_SHOW);
    return;
  }
  form.mark_shown();
  if (form.modal()) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST))
      SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  ShowWindow(window, first_show_command(form));
  SetForegroundWindow(window);
  if (form.modal()) {
    const std::shared_ptr<LiveForm> keep_alive = form.shared_from_this();
    run_until([&keep_alive] { return !keep_alive->alive(); });
  }
}

void Runtime::set_always_on_top(LiveForm& form, bool on_top) {
  constexpr UINT kOnlyZOrder = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  SetWindowPos(form.window(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kOnlyZOrder);
  if (on_top) return;
  // Leaving the topmost band can reorder it; the other windows that want to
  // be on top stay there.
  for (const auto& other : forms_)
    if (other.get() != &form && other->alive() &&
        other->window_unit().properties().get_bool(prop::window::kAlwaysOnTop))
      SetWindowPos(other->window(), HWND_TOPMOST, 0, 0, 0, 0, kOnlyZOrder);
}

}  // namespace host
