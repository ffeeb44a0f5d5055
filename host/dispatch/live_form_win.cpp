#include "host/dispatch/live_form_win.h"

#include <algorithm>
#include <functional>
#include <string>

#include "host/services/encoding_win.h"
#include "host/services/loaded_functions_win.h"
#include "host/units/colour_picker/colour_picker_win.h"
#include "host/units/edit_box_win.h"
#include "host/units/frames.h"
#include "host/units/timer_unit_win.h"

namespace host {
namespace {

constexpr wchar_t kFormClassName[] = L"VerbrookForm";

// Posted to a window whose destruction waits for the running handler; a
// registered message, so that no subclass of the window mistakes it for its own.
UINT destroy_later_message() {
  static const UINT message = RegisterWindowMessageW(L"VerbrookDestroyLater");
  return message;
}

bool register_form_class_once(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hIcon = LoadIconW(window_class.hInstance, MAKEINTRESOURCEW(1));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = kFormClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

struct WindowStyles {
  DWORD style;
  DWORD extended_style;
};

WindowStyles styles_of(const PropertyStore& properties) {
  namespace window = prop::window;
  const WindowFrame frame =
      window_frame(properties.get_int(window::kBorder), properties.get_bool(window::kControlBox),
                   properties.get_bool(window::kMaxButton), properties.get_bool(window::kMinButton));
  WindowStyles styles{WS_CLIPCHILDREN, 0};
  styles.style |= frame.title_bar ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP;
  if (frame.sizing_border) styles.style |= WS_THICKFRAME;
  if (frame.tool_window) styles.extended_style |= WS_EX_TOOLWINDOW;
  if (frame.sunken_edge) styles.extended_style |= WS_EX_CLIENTEDGE;
  if (frame.system_menu) styles.style |= WS_SYSMENU;
  if (frame.maximize_box) styles.style |= WS_MAXIMIZEBOX;
  if (frame.minimize_box) styles.style |= WS_MINIMIZEBOX;
  if (properties.get_bool(window::kAlwaysOnTop)) styles.extended_style |= WS_EX_TOPMOST;
  return styles;
}

// The designed position, or centred on the screen by the outer size.
POINT position_of(const PropertyStore& properties, const Geometry& geometry) {
  if (properties.get_int(prop::window::kStartPosition) != 1) return {geometry.left, geometry.top};
  return {(GetSystemMetrics(SM_CXSCREEN) - geometry.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - geometry.height) / 2};
}

// Keeps a window without a taskbar button: an owned window gets none. The
// owner goes to the bottom of the z-order: Wine keeps an owned window topmost
// when asked to leave the topmost band while its owner is the first window
// below that band.
OwnedWindow create_hidden_owner() {
  OwnedWindow owner(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr));
  if (owner) SetWindowPos(owner.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return owner;
}

// `deliver` runs an event of the unit, for units that raise events of their own.
std::unique_ptr<Unit> create_control(const UnitDefinition& definition, HWND parent, int dpi,
                                     const std::function<void(UnitId, int)>& deliver) {
  switch (definition.type()) {
    case unit_type::kEditBox: {
      auto edit_box = std::make_unique<EditBoxUnit>(definition, parent, dpi);
      return edit_box->created() ? std::move(edit_box) : nullptr;
    }
    case unit_type::kColorPicker: {
      auto picker = std::make_unique<ColourPickerUnit>(
          definition, parent, [deliver, unit = definition.id] { deliver(unit, event::kColourChanged); });
      return picker->created() ? std::move(picker) : nullptr;
    }
    case unit_type::kTimer: return std::make_unique<TimerUnit>(definition, parent);
    default: return std::make_unique<Unit>(definition);  // the common dialog: properties only
  }
}

// The names the drop holds, and the Ctrl key as it is now: the drop comes
// from another program's drag, so this thread's own key state has not seen
// the writer's keys. The drop's memory is given back.
DroppedFiles take_dropped_files(HDROP drop) {
  const LoadedFunctions& shell = loaded_functions();
  DroppedFiles dropped;
  dropped.control_held = GetAsyncKeyState(VK_CONTROL) < 0;
  if (!shell.DragQueryFileW || !shell.DragFinish) return dropped;
  const UINT count = shell.DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    std::wstring name(shell.DragQueryFileW(drop, index, nullptr, 0), L'\0');
    if (name.empty()) continue;
    const UINT copied = shell.DragQueryFileW(drop, index, name.data(), static_cast<UINT>(name.size() + 1));
    name.resize(copied);
    dropped.names.push_back(wide_to_gb18030(name));
  }
  shell.DragFinish(drop);
  return dropped;
}

bool is_focusable(HWND window) { return window && IsWindow(window) && IsWindowEnabled(window) && IsWindowVisible(window); }

}  // namespace

LiveForm::LiveForm(Runtime& runtime, const FormDefinition& definition)
    : runtime_(runtime), definition_(definition), window_unit_(definition.window), menu_bar_(definition.menu) {}

LiveForm::~LiveForm() {
  // A form dropped while its window still exists (a load that failed part-way,
  // or the runtime going) takes its window with it, without any event.
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  menu_bar_.remove();
}

bool LiveForm::create_window(HWND owner) {
  if (!register_form_class_once(window_procedure)) return false;
  const PropertyStore& properties = window_unit_.properties();
  if (!owner && !properties.get_bool(prop::window::kShowInTaskbar)) {
    hidden_owner_ = create_hidden_owner();
    owner = hidden_owner_.get();
  }
  menu_bar_.build();
  const WindowStyles styles = styles_of(properties);
  const Geometry& geometry = definition_.window.geometry;
  const POINT position = position_of(properties, geometry);
  const std::wstring caption = gb18030_to_wide(properties.get_text(prop::window::kCaption));
  HWND window = CreateWindowExW(styles.extended_style, kFormClassName, caption.c_str(), styles.style, position.x,
                                position.y, geometry.width, geometry.height, owner, menu_bar_.handle(),
                                GetModuleHandleW(nullptr), this);
  if (!window) {
    menu_bar_.remove();
    return false;
  }
  menu_bar_.attach(window);
  if (!properties.get_bool(prop::window::kMovable)) DeleteMenu(GetSystemMenu(window, FALSE), SC_MOVE, MF_BYCOMMAND);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

bool LiveForm::create_controls(int dpi) {
  const auto deliver_event = [this](UnitId unit, int event) { deliver(unit, event); };
  for (const UnitDefinition& definition : definition_.controls) {
    const Unit* parent_unit = definition.parent ? find_unit(definition.parent) : nullptr;
    HWND parent = parent_unit && parent_unit->window() ? parent_unit->window() : window_.get();
    std::unique_ptr<Unit> control = create_control(definition, parent, dpi, deliver_event);
    if (!control) return false;
    if (HWND child = control->window())
      SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    controls_.push_back(std::move(control));
  }
  for (const auto& control : controls_)
    if (control->window() && control->properties().get_bool(prop::kVisible)) ShowWindow(control->window(), SW_SHOWNA);
  return true;
}

Unit* LiveForm::find_unit(UnitId unit) {
  if (unit == window_unit_.id()) return &window_unit_;
  for (const auto& control : controls_)
    if (control->id() == unit) return control.get();
  return nullptr;
}

Unit* LiveForm::unit_of_window(HWND window) {
  if (!window) return nullptr;
  if (window == window_.get()) return &window_unit_;
  for (const auto& control : controls_)
    if (control->window() == window) return control.get();
  return nullptr;
}

void LiveForm::destroy_control(UnitId unit) {
  const auto found = std::find_if(controls_.begin(), controls_.end(), [unit](const auto& c) { return c->id() == unit; });
  if (found == controls_.end()) return;
  std::unique_ptr<Unit> control = std::move(*found);
  controls_.erase(found);
  control->destroy();
  removed_controls_.push_back(std::move(control));
}

void LiveForm::close_later() {
  if (closing_ || !window_) return;
  closing_ = true;
  PostMessageW(window_.get(), destroy_later_message(), 0, 0);
}

void LiveForm::accept_dropped_files(DropHandler dropped) {
  drop_handler_ = std::move(dropped);
  if (const auto accept = loaded_functions().DragAcceptFiles) accept(window_.get(), TRUE);
}

void LiveForm::make_modal(std::vector<HWND> disabled_windows) {
  modal_ = true;
  disabled_windows_ = std::move(disabled_windows);
}

HandlerResult LiveForm::deliver(UnitId unit, int event, std::initializer_list<std::int32_t> arguments) {
  return runtime_.deliver(*this, unit, event, arguments);
}

LRESULT CALLBACK LiveForm::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<LiveForm*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->window_.reset(window);
    form->window_unit_.set_window(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<LiveForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wparam, lparam);
  // A handler may close the form; it stays alive until this message is done.
  const std::shared_ptr<LiveForm> keep_alive = form->weak_from_this().lock();
  return form->handle_message(message, wparam, lparam);
}

LRESULT LiveForm::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = window_.get();
  const UnitId self = window_unit_.id();
  if (message == destroy_later_message()) {
    DestroyWindow(window);
    return 0;
  }
  switch (message) {
    case WM_CLOSE: {
      const HandlerResult answer = deliver(self, event::kQueryClose);
      if (answer && *answer == 0) return 0;  // the handler keeps the window
      DestroyWindow(window);
      return 0;
    }
    case WM_QUERYENDSESSION: {
      const HandlerResult answer = deliver(self, event::kQueryClose);
      return !(answer && *answer == 0);
    }
    case WM_DESTROY: on_destroy(); break;
    case WM_NCDESTROY: on_final_destroy(); break;
    case WM_COMMAND: on_command(wparam, lparam); return 0;
    case WM_DROPFILES: on_drop_files(reinterpret_cast<HDROP>(wparam)); return 0;
    case WM_STYLECHANGING:
      // Taking dropped files is the host's promise to the application, not
      // part of the style that a transparency change replaces whole.
      if (wparam == static_cast<WPARAM>(GWL_EXSTYLE) && drop_handler_)
        reinterpret_cast<STYLESTRUCT*>(lparam)->styleNew |= WS_EX_ACCEPTFILES;
      break;
    case WM_TIMER: {
      Unit* unit = find_unit(static_cast<UnitId>(wparam));
      if (!unit || unit->type() != unit_type::kTimer) break;
      deliver(unit->id(), event::kTick);
      return 0;
    }
    case WM_ACTIVATE: on_activate(wparam); return 0;
    case WM_SETFOCUS: deliver(self, event::kGotFocus); return 0;
    case WM_KILLFOCUS: deliver(self, event::kLostFocus); return 0;
    case WM_MOVE: deliver(self, event::kMoved); return 0;
    case WM_SIZE: deliver(self, event::kSizeChanged); return 0;
    case WM_SHOWWINDOW: deliver(self, wparam ? event::kShown : event::kHidden); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const Unit* unit = unit_of_window(reinterpret_cast<HWND>(lparam));
      if (HBRUSH brush = unit ? unit->colour_control(reinterpret_cast<HDC>(wparam)) : nullptr)
        return reinterpret_cast<LRESULT>(brush);
      break;
    }
    case WM_ERASEBKGND:
      if (window_unit_.erase_background(reinterpret_cast<HDC>(wparam))) return 1;
      break;
    case WM_SETFONT: font_ = reinterpret_cast<HFONT>(wparam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    default: break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void LiveForm::on_command(WPARAM wparam, LPARAM lparam) {
  if (lparam == 0) {  // a menu item or its accelerator
    if (const std::optional<UnitId> item = menu_bar_.item_of_command(LOWORD(wparam))) deliver(*item, event::kClicked);
    return;
  }
  auto* unit = dynamic_cast<EditBoxUnit*>(unit_of_window(reinterpret_cast<HWND>(lparam)));
  if (!unit) return;
  switch (HIWORD(wparam)) {
    case EN_CHANGE:
      unit->note_change();
      deliver(unit->id(), event::kContentChanged);
      break;
    case EN_SETFOCUS: deliver(unit->id(), event::kGotFocus); break;
    case EN_KILLFOCUS: deliver(unit->id(), event::kLostFocus); break;
    default: break;
  }
}

void LiveForm::on_drop_files(HDROP drop) {
  const DroppedFiles dropped = take_dropped_files(drop);
  // While a message box or dialog keeps the window disabled, the writer is
  // answering something else: the drop is not taken.
  if (IsWindowEnabled(window_.get())) runtime_.deliver_dropped_files(drop_handler_, dropped);
}

// Like a dialog, the form gives the keyboard focus back to the control that
// had it, or to its first control that can take it.
void LiveForm::on_activate(WPARAM wparam) {
  HWND window = window_.get();
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) last_focus_ = focus;
    deliver(window_unit_.id(), event::kDeactivated);
    return;
  }
  if (!HIWORD(wparam)) {  // not minimised
    HWND target = last_focus_;
    if (!is_focusable(target)) {
      HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
      target = first && IsChild(window, first) && is_focusable(first) ? first : window;
    }
    SetFocus(target);
  }
  if (!activated_once_) {
    activated_once_ = true;
    deliver(window_unit_.id(), event::kFirstActivation);
  }
  deliver(window_unit_.id(), event::kActivated);
}

void LiveForm::on_destroy() {
  deliver(window_unit_.id(), event::kAboutToBeDestroyed);
  menu_bar_.remove();
  for (HWND disabled : disabled_windows_)
    if (IsWindow(disabled)) EnableWindow(disabled, TRUE);
  disabled_windows_.clear();
  // The child windows go with this one.
  for (const auto& control : controls_) control->forget_window();
}

void LiveForm::on_final_destroy() {
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
  window_.release();
  window_unit_.set_window(nullptr);
  hidden_owner_.reset();
  runtime_.on_form_destroyed(*this);
}

}  // namespace host
