// What the host does with a message for one of its windows before the window
// sees it, in this order: nothing for keys to a disabled window; menu
// shortcuts before the focused control; dragging a FreeMove window; the
// navigation keys; then the units' key, character and mouse events.
#include <windowsx.h>

#include <memory>

#include "host/dispatch/event_arguments.h"
#include "host/dispatch/live_form_win.h"
#include "host/dispatch/runtime_win.h"
#include "host/services/encoding_win.h"
#include "host/services/web_address.h"

namespace host {
namespace {

bool is_key_message(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool swallows(const HandlerResult& result) { return result && *result == 0; }

std::int32_t keyboard_state() {
  return key_state_bits(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
}

std::int32_t mouse_state(WPARAM key_flags) {
  return key_state_bits(key_flags & MK_CONTROL, key_flags & MK_SHIFT, GetKeyState(VK_MENU) < 0);
}

// A typed character as the program's texts hold it: ASCII as it is, anything
// else by its GBK bytes.
std::int32_t gbk_character_code(WPARAM character) {
  const auto wide = static_cast<wchar_t>(character);
  if (wide < 0x80) return wide;
  return character_code_of(wide_to_gb18030(std::wstring_view(&wide, 1)));
}

WPARAM wide_character_of(std::int32_t code) {
  if (code >= 0 && code < 0x80) return static_cast<WPARAM>(code);
  const std::wstring wide = gb18030_to_wide(gbk_of_character_code(code));
  return wide.empty() ? 0 : wide.front();
}

void move_focus(HWND form_window, HWND from, bool backwards) {
  HWND next = GetNextDlgTabItem(form_window, from == form_window ? nullptr : from, backwards);
  if (next && IsChild(form_window, next)) SetFocus(next);
}

}  // namespace

bool Runtime::pre_translate(MSG& message) {
  if (!message.hwnd) return false;
  const std::shared_ptr<LiveForm> form = shared_form(GetAncestor(message.hwnd, GA_ROOT));
  if (!form) return false;
  const bool key = is_key_message(message.message);
  if (key && !IsWindowEnabled(message.hwnd)) return false;
  HACCEL accelerators = form->menu_bar().accelerators();
  if (key && accelerators && TranslateAcceleratorW(form->window(), accelerators, &message)) return true;
  if (message.message == WM_LBUTTONDOWN && message.hwnd == form->window() &&
      form->window_unit().properties().get_bool(prop::window::kFreeMove)) {
    // Pressed anywhere, the window moves as if its title bar had been pressed.
    ReleaseCapture();
    SendMessageW(form->window(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(message.pt.x, message.pt.y));
    return true;
  }
  if (message.message == WM_KEYDOWN && navigate(*form, message)) return true;
  return deliver_input_event(*form, message);
}

// Tab, Enter (with EnterMovesFocus), Esc (with EscCloses) and F1 (with
// F1OpensHelp), unless the focused control takes the key itself.
bool Runtime::navigate(LiveForm& form, const MSG& message) {
  HWND window = form.window();
  const PropertyStore& properties = form.window_unit().properties();
  const WPARAM key = message.wParam;
  const bool acts = key == VK_TAB || (key == VK_RETURN && properties.get_bool(prop::window::kEnterMovesFocus)) ||
                    (key == VK_ESCAPE && properties.get_bool(prop::window::kEscCloses)) ||
                    (key == VK_F1 && properties.get_bool(prop::window::kF1OpensHelp));
  if (!acts) return false;
  if (message.hwnd != window) {
    // Asked without the message: with it, an EDIT control switches to dialog
    // behaviour for good and then closes its parent on Esc by itself.
    const LRESULT wanted = SendMessageW(message.hwnd, WM_GETDLGCODE, key, 0);
    if (wanted & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    if (key == VK_TAB && (wanted & DLGC_WANTTAB)) return false;
  }
  switch (key) {
    case VK_TAB: move_focus(window, message.hwnd, GetKeyState(VK_SHIFT) < 0); break;
    case VK_RETURN: move_focus(window, message.hwnd, false); break;
    case VK_ESCAPE: SendMessageW(window, WM_CLOSE, 0, 0); break;
    default: open_web_address(properties.get_text(prop::window::kHelpFile)); break;
  }
  return true;
}

bool Runtime::deliver_input_event(LiveForm& form, MSG& message) {
  const Unit* unit = form.unit_of_window(message.hwnd);
  if (!unit) return false;
  const UnitId target = unit->id();
  const WPARAM wparam = message.wParam;
  const LPARAM lparam = message.lParam;
  const auto mouse_event = [&](int event) {
    return swallows(deliver(form, target, event, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), mouse_state(wparam)}));
  };
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return swallows(deliver(form, target, event::kKeyDown, {event_key_code(static_cast<std::uint32_t>(wparam)), keyboard_state()}));
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return swallows(deliver(form, target, event::kKeyUp, {event_key_code(static_cast<std::uint32_t>(wparam)), keyboard_state()}));
    case WM_CHAR: {
      const HandlerResult result = deliver(form, target, event::kCharacter, {gbk_character_code(wparam)});
      if (!result) return false;
      if (*result == 0) return true;
      message.wParam = wide_character_of(*result);
      return false;
    }
    case WM_LBUTTONDOWN: return mouse_event(event::kLeftButtonDown);
    case WM_LBUTTONUP: return mouse_event(event::kLeftButtonUp);
    case WM_LBUTTONDBLCLK: return mouse_event(event::kDoubleClick);
    case WM_RBUTTONDOWN: return mouse_event(event::kRightButtonDown);
    case WM_RBUTTONUP: return mouse_event(event::kRightButtonUp);
    case WM_MOUSEMOVE: return mouse_event(event::kMouseMoved);
    case WM_MOUSEWHEEL:
      return swallows(deliver(form, target, event::kWheel,
                              {wheel_notches(GET_WHEEL_DELTA_WPARAM(wparam)), mouse_state(GET_KEYSTATE_WPARAM(wparam))}));
    default: return false;
  }
}

}  // namespace host
