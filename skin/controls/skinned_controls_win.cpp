#include "skin/controls/skinned_controls_win.h"

#include "skin/compositor_win.h"
#include "skin/controls/button_state.h"
#include "skin/controls/caret_win.h"
#include "skin/controls/child_kinds.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"

namespace skin {
namespace {

WNDPROC as_procedure(std::intptr_t value) { return reinterpret_cast<WNDPROC>(value); }

LRESULT call_previous(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC previous = as_procedure(read_property(window, prop::kChildWndProc));
  if (!previous) return DefWindowProcW(window, message, wparam, lparam);
  return CallWindowProcW(previous, window, message, wparam, lparam);
}

void recompose_parent(HWND child) { compose_and_present(GetParent(child)); }

void subclass(HWND child, WNDPROC procedure) {
  const LONG_PTR previous = SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  write_property(child, prop::kChildWndProc, previous);
}

}  // namespace

void subclass_skinned_children(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const auto type = static_cast<ChildType>(read_property(child, prop::kType));
    if (type == ChildType::None) continue;
    if (const std::intptr_t saved = read_property(child, prop::kWndProc)) {
      SetWindowLongPtrW(child, GWLP_WNDPROC, saved);
      remove_property(child, prop::kWndProc);
    }
    if (read_property(child, prop::kChildWndProc) != 0) continue;
    if (type == ChildType::ImageButton) subclass(child, button_proc);
    if (type == ChildType::TextPanel) subclass(child, text_panel_proc);
  }
}

LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
  const int state = static_cast<int>(read_property(button, prop::kDrawState));
  if (const auto transition = button_transition(state, message, wparam != FALSE)) {
    if (transition->track_leave) {
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, button, 0};
      TrackMouseEvent(&leave);
    }
    write_property(button, prop::kDrawState, transition->state);
    recompose_parent(button);
  }
  return call_previous(button, message, wparam, lparam);
}

LRESULT CALLBACK text_panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
  CaretState& caret = caret_state();
  switch (message) {
    case WM_SETFOCUS:
      caret.visible = false;
      caret.parent = GetParent(panel);
      caret.child = panel;
      break;
    case WM_KILLFOCUS:
      caret.child = nullptr;
      caret.parent = nullptr;
      // Nothing can show the cached picture any more.
      caret.image.reset();
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_SETTEXT:
    case WM_CUT:
    case WM_PASTE:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      break;
    default:
      return call_previous(panel, message, wparam, lparam);
  }
  // The control applies the change first, then the parent shows it.
  const LRESULT result = call_previous(panel, message, wparam, lparam);
  recompose_parent(panel);
  return result;
}

}  // namespace skin
