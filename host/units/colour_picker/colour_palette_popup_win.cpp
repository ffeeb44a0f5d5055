#include "host/units/colour_picker/colour_palette_popup_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>
#include <utility>

#include "host/forms/ids.h"
#include "host/services/encoding_win.h"
#include "host/units/colour_picker/colour_dialog_win.h"
#include "host/units/screen_metrics_win.h"

namespace host {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_BORDER;
constexpr DWORD kExtendedStyle = WS_EX_TOOLWINDOW;

bool register_class_once(WNDPROC procedure) {
  static const bool registered = [procedure] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};  // the tooltips
    InitCommonControlsEx(&controls);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_DROPSHADOW;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kColourPaletteClassName;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

RECT rect_of(const PaletteRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

PaletteRect palette_rect_of(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void fill(HDC dc, const PaletteRect& rect, COLORREF colour) {
  const RECT area = rect_of(rect);
  SetDCBrushColor(dc, colour);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A ring of the given thickness along the inside of the rectangle.
void frame(HDC dc, const PaletteRect& rect, int thickness, COLORREF colour) {
  fill(dc, {rect.left, rect.top, rect.right, rect.top + thickness}, colour);
  fill(dc, {rect.left, rect.bottom - thickness, rect.right, rect.bottom}, colour);
  fill(dc, {rect.left, rect.top, rect.left + thickness, rect.bottom}, colour);
  fill(dc, {rect.right - thickness, rect.top, rect.right, rect.bottom}, colour);
}

// A colour sample with a thin shadow-coloured edge, so that white and the
// background's own colour still show as cells.
void draw_swatch(HDC dc, const PaletteRect& rect, COLORREF colour, int edge) {
  frame(dc, rect, edge, GetSysColor(COLOR_BTNSHADOW));
  fill(dc, rect.inset(edge), colour);
}

}  // namespace

ColourPalettePopup::ColourPalettePopup(Picked picked) : picked_(std::move(picked)) {}

ColourPalettePopup::~ColourPalettePopup() {
  // The window goes without reaching this object any more.
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

bool ColourPalettePopup::create(HWND owner) {
  if (!register_class_once(window_procedure)) return false;
  layout_ = PaletteLayout(screen_vertical_dpi());
  HWND window = CreateWindowExW(kExtendedStyle, kColourPaletteClassName, L"", kStyle, 0, 0, 0, 0, owner, nullptr,
                                GetModuleHandleW(nullptr), this);
  if (!window) return false;
  add_tooltips();
  return true;
}

void ColourPalettePopup::add_tooltips() {
  HWND window = window_.get();
  tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                 GetModuleHandleW(nullptr), nullptr));
  if (!tooltip_) return;  // the palette works without its tooltips
  const auto colours = palette_colours();
  for (int index = 0; index < kPaletteColourCount; ++index) {
    std::wstring name = gb18030_to_wide(colours[static_cast<std::size_t>(index)].name);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the control
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = static_cast<UINT_PTR>(index);
    tool.rect = rect_of(layout_.cell(index));
    tool.lpszText = name.data();  // the control keeps a copy
    SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void ColourPalettePopup::open(HWND owner, POINT anchor, std::int32_t current) {
  if (choosing_more_) return;  // the colour dialog is up, modal to the owner
  if (window_ && IsWindowVisible(window_.get())) {
    take_focus();
    return;
  }
  if (!window_ && !create(owner)) return;
  owner_ = owner;
  previous_focus_ = GetFocus();
  current_ = current;
  const std::optional<int> marked = current_entry();
  focus_ = palette_focus_on(marked.value_or(0));
  pressed_.reset();
  InvalidateRect(window_.get(), nullptr, FALSE);
  place(anchor);
  take_focus();
}

void ColourPalettePopup::place(POINT anchor) {
  RECT outer{0, 0, layout_.client_width(), layout_.client_height()};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExtendedStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  PaletteRect placed{anchor.x, anchor.y, anchor.x + width, anchor.y + height};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST), &monitor))
    placed = keep_inside(placed, palette_rect_of(monitor.rcWork));
  SetWindowPos(window_.get(), HWND_TOP, placed.left, placed.top, width, height, SWP_SHOWWINDOW);
}

void ColourPalettePopup::take_focus() {
  HWND window = window_.get();
  SetActiveWindow(window);
  SetFocus(window);
  SetCapture(window);
}

// The cell of the current colour; for a colour of the colour dialog the
// more-colours entry; none when no colour has been chosen.
std::optional<int> ColourPalettePopup::current_entry() const {
  if (const std::optional<int> cell = palette_index_of(current_)) return cell;
  if (current_ != kDefaultColour) return kMoreColoursEntry;
  return std::nullopt;
}

LRESULT CALLBACK ColourPalettePopup::window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* popup = static_cast<ColourPalettePopup*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    popup->window_.reset(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(popup));
  }
  auto* popup = reinterpret_cast<ColourPalettePopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!popup) return DefWindowProcW(window, message, wparam, lparam);
  return popup->handle_message(message, wparam, lparam);
}

LRESULT ColourPalettePopup::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  HWND window = window_.get();
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint_info;
      HDC dc = BeginPaint(window, &paint_info);
      paint(dc);
      EndPaint(window, &paint_info);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // painting covers everything
    case WM_KEYDOWN: on_key(wparam); return 0;
    case WM_MOUSEMOVE: on_mouse_move(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); return 0;
    case WM_LBUTTONDOWN: on_button_down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), true); return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: on_button_down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), false); return 0;
    case WM_LBUTTONUP: on_button_up(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE && !dismissing_) dismiss();
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != window && !dismissing_) dismiss();
      return 0;
    case WM_CLOSE: dismiss(); return 0;  // Alt+F4 cancels like Esc
    case WM_DESTROY: tooltip_.reset(); break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_.release();
      break;
    default: break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void ColourPalettePopup::paint(HDC dc) const {
  fill(dc, {0, 0, layout_.client_width(), layout_.client_height()}, GetSysColor(COLOR_MENU));
  for (int index = 0; index < kPaletteColourCount; ++index) draw_cell(dc, index);
  RECT line = rect_of(layout_.separator());
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
  draw_more_colours(dc);
}

// From the edge inwards: the focus ring, the current-colour ring, a gap and
// the swatch.
void ColourPalettePopup::draw_cell(HDC dc, int index) const {
  const PaletteRect cell = layout_.cell(index);
  const int ring = layout_.scaled(2);
  if (focus_.entry == index) frame(dc, cell, ring, GetSysColor(COLOR_HIGHLIGHT));
  if (current_entry() == index) frame(dc, cell.inset(ring), layout_.scaled(1), GetSysColor(COLOR_WINDOWTEXT));
  const auto colour = static_cast<COLORREF>(palette_colours()[static_cast<std::size_t>(index)].colour);
  draw_swatch(dc, cell.inset(layout_.scaled(4)), colour, layout_.scaled(1));
}

// Highlighted like a menu item when focused. In front of the caption: the
// current colour when it came from the colour dialog, marked like a current
// cell; otherwise four small colours, a hint at the dialog's many.
void ColourPalettePopup::draw_more_colours(HDC dc) const {
  const PaletteRect row = layout_.more_colours();
  const bool focused = focus_.entry == kMoreColoursEntry;
  if (focused) fill(dc, row, GetSysColor(COLOR_HIGHLIGHT));
  const PaletteRect sample{row.left, row.top, row.left + row.height(), row.bottom};
  const PaletteRect swatch = sample.inset(layout_.scaled(4));
  const int edge = layout_.scaled(1);
  if (current_entry() == kMoreColoursEntry) {
    frame(dc, sample.inset(layout_.scaled(2)), edge, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    draw_swatch(dc, swatch, static_cast<COLORREF>(current_), edge);
  } else {
    draw_swatch(dc, swatch, GetSysColor(COLOR_MENU), edge);
    const PaletteRect inside = swatch.inset(edge);
    const int middle_x = (inside.left + inside.right) / 2;
    const int middle_y = (inside.top + inside.bottom) / 2;
    fill(dc, {inside.left, inside.top, middle_x, middle_y}, RGB(255, 0, 0));
    fill(dc, {middle_x, inside.top, inside.right, middle_y}, RGB(255, 255, 0));
    fill(dc, {inside.left, middle_y, middle_x, inside.bottom}, RGB(0, 192, 0));
    fill(dc, {middle_x, middle_y, inside.right, inside.bottom}, RGB(0, 0, 255));
  }
  RECT text_area = rect_of({sample.right + layout_.scaled(2), row.top, row.right - layout_.scaled(4), row.bottom});
  const std::wstring caption = gb18030_to_wide(kMoreColoursCaption);
  HGDIOBJ previous_font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text_area,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, previous_font);
}

void ColourPalettePopup::move_focus(PaletteFocus focus) {
  HWND window = window_.get();
  const RECT before = rect_of(layout_.entry(focus_.entry));
  const RECT after = rect_of(layout_.entry(focus.entry));
  focus_ = focus;
  InvalidateRect(window, &before, FALSE);
  InvalidateRect(window, &after, FALSE);
}

void ColourPalettePopup::on_key(WPARAM key) {
  switch (key) {
    case VK_LEFT: move_focus(move_palette_focus(focus_, PaletteMove::Left)); break;
    case VK_RIGHT: move_focus(move_palette_focus(focus_, PaletteMove::Right)); break;
    case VK_UP: move_focus(move_palette_focus(focus_, PaletteMove::Up)); break;
    case VK_DOWN: move_focus(move_palette_focus(focus_, PaletteMove::Down)); break;
    case VK_TAB:
      move_focus(move_palette_focus(focus_, GetKeyState(VK_SHIFT) < 0 ? PaletteMove::Left : PaletteMove::Right));
      break;
    case VK_RETURN:
    case VK_SPACE: choose(focus_.entry); break;
    case VK_ESCAPE: dismiss(); break;
    default: break;
  }
}

// The focus follows the mouse, as the highlight of a menu does.
void ColourPalettePopup::on_mouse_move(int x, int y) {
  const std::optional<int> entry = layout_.entry_at(x, y);
  if (!entry || *entry == focus_.entry) return;
  move_focus(*entry == kMoreColoursEntry ? PaletteFocus{kMoreColoursEntry, focus_.column} : palette_focus_on(*entry));
}

void ColourPalettePopup::on_button_down(int x, int y, bool left) {
  const std::optional<int> entry = layout_.entry_at(x, y);
  const bool inside = x >= 0 && y >= 0 && x < layout_.client_width() && y < layout_.client_height();
  if (!inside) {
    dismiss();  // the mouse capture brings clicks anywhere else here
    return;
  }
  pressed_ = left ? entry : std::nullopt;
}

// A click picks when the button went down and up on the same entry.
void ColourPalettePopup::on_button_up(int x, int y) {
  const std::optional<int> entry = layout_.entry_at(x, y);
  const std::optional<int> pressed = std::exchange(pressed_, std::nullopt);
  if (entry && entry == pressed) choose(*entry);
}

// The callback comes last: the handler it runs may do anything.
void ColourPalettePopup::choose(int entry) {
  if (entry != kMoreColoursEntry) {
    const std::int32_t colour = palette_colours()[static_cast<std::size_t>(entry)].colour;
    dismiss();
    picked_(colour);
    return;
  }
  dismiss();
  choosing_more_ = true;
  const std::optional<COLORREF> chosen =
      choose_colour(owner_, current_ == kDefaultColour ? RGB(0, 0, 0) : static_cast<COLORREF>(current_));
  choosing_more_ = false;
  if (chosen) picked_(static_cast<std::int32_t>(*chosen));
}

// Hidden, not destroyed, to open again quickly. When it held the activation,
// the owner gets it back and the focus returns where it was before.
void ColourPalettePopup::dismiss() {
  HWND window = window_.get();
  if (!window || !IsWindowVisible(window)) return;
  dismissing_ = true;
  const bool was_active = GetActiveWindow() == window;
  if (GetCapture() == window) ReleaseCapture();
  if (tooltip_) SendMessageW(tooltip_.get(), TTM_POP, 0, 0);
  if (was_active && IsWindow(owner_)) SetActiveWindow(owner_);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  if (was_active && IsWindow(previous_focus_) && GetAncestor(previous_focus_, GA_ROOT) == owner_ &&
      IsWindowEnabled(previous_focus_))
    SetFocus(previous_focus_);
  dismissing_ = false;
}

}  // namespace host
