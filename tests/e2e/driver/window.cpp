#include "driver/window.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

#include "driver/input.h"
#include "driver/text.h"

namespace e2e {

namespace {

BOOL CALLBACK collect_child(HWND child, LPARAM windows) {
  reinterpret_cast<std::vector<Window>*>(windows)->emplace_back(child);
  return TRUE;
}

struct TopLevelSearch {
  DWORD process_id;
  std::vector<Window> windows;
};

BOOL CALLBACK collect_top_level(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(search_address);
  Window found(window);
  if (search.process_id == 0 || found.process_id() == search.process_id) search.windows.push_back(found);
  return TRUE;
}

std::string rect_text(const RECT& rect) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld,%ld %ldx%ld)", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
  return text;
}

}  // namespace

Window::Window(HWND handle) : handle_(handle) { GetWindowThreadProcessId(handle, &process_id_); }

bool Window::exists() const { return IsWindow(handle_); }

std::string Window::title() const {
  std::array<wchar_t, 1024> buffer{};
  const int length = GetWindowTextW(handle_, buffer.data(), static_cast<int>(buffer.size()));
  return gbk(std::wstring_view(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0)));
}

std::optional<LRESULT> Window::ask(UINT message, WPARAM wparam, LPARAM lparam,
                                   std::chrono::milliseconds patience) const {
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(handle_, message, wparam, lparam, SMTO_NORMAL, static_cast<UINT>(patience.count()), &answer))
    return static_cast<LRESULT>(answer);
  // A window destroyed before or while it was asked ends the send at once.
  if (GetLastError() != ERROR_TIMEOUT || !exists()) return std::nullopt;
  fail_wait("an answer to message " + std::to_string(message) + " from " + describe(*this), process_id_, patience);
}

LRESULT Window::send(UINT message, WPARAM wparam, LPARAM lparam, std::chrono::milliseconds patience) const {
  if (const auto answer = ask(message, wparam, lparam, patience)) return *answer;
  throw WindowGone("message " + std::to_string(message) + " was sent to a window that is gone: " + describe(*this));
}

std::optional<std::string> Window::text_if_there() const {
  const auto length = ask(WM_GETTEXTLENGTH);
  if (!length) return std::nullopt;
  std::wstring buffer(static_cast<std::size_t>(*length) + 1, L'\0');
  const auto copied = ask(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  if (!copied) return std::nullopt;
  buffer.resize(std::min(static_cast<std::size_t>(*copied), static_cast<std::size_t>(*length)));
  return gbk(buffer);
}

std::string Window::text() const {
  if (auto text = text_if_there()) return *std::move(text);
  throw WindowGone("the text of a window that is gone: " + describe(*this));
}

std::wstring Window::class_name() const {
  std::array<wchar_t, 256> buffer{};
  const int length = GetClassNameW(handle_, buffer.data(), static_cast<int>(buffer.size()));
  return std::wstring(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

bool Window::has_class(std::wstring_view name) const {
  return lstrcmpiW(class_name().c_str(), std::wstring(name).c_str()) == 0;
}

int Window::control_id() const { return GetDlgCtrlID(handle_); }

RECT Window::rect() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  return rect;
}

SIZE Window::size() const {
  const RECT outer = rect();
  return {outer.right - outer.left, outer.bottom - outer.top};
}

RECT Window::client_rect() const {
  RECT rect{};
  GetClientRect(handle_, &rect);
  return rect;
}

LONG Window::style() const { return GetWindowLongW(handle_, GWL_STYLE); }
LONG Window::ex_style() const { return GetWindowLongW(handle_, GWL_EXSTYLE); }
bool Window::visible() const { return IsWindowVisible(handle_); }
bool Window::enabled() const { return IsWindowEnabled(handle_); }
bool Window::topmost() const { return (ex_style() & WS_EX_TOPMOST) != 0; }
bool Window::has_menu() const { return GetMenu(handle_) != nullptr; }

std::optional<LayeredAttributes> Window::layered() const {
  if (!(ex_style() & WS_EX_LAYERED)) return std::nullopt;
  LayeredAttributes attributes;
  if (!GetLayeredWindowAttributes(handle_, &attributes.colour_key, &attributes.alpha, &attributes.flags))
    return std::nullopt;
  return attributes;
}

std::vector<Window> Window::children() const {
  std::vector<Window> windows;
  EnumChildWindows(handle_, collect_child, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::optional<Window> Window::child(int id) const {
  for (const Window& window : children())
    if (window.control_id() == id) return window;
  return std::nullopt;
}

std::optional<Window> Window::child_of_class(std::wstring_view name) const {
  for (const Window& window : children())
    if (window.has_class(name)) return window;
  return std::nullopt;
}

void Window::wait_title(std::string_view expected, std::chrono::milliseconds patience) const {
  poll("the title \"" + readable_gbk(expected) + "\"", process_id_, [&] { return title() == expected; }, patience);
}

void Window::wait_title_contains(std::string_view part, std::chrono::milliseconds patience) const {
  poll("a title containing \"" + readable_gbk(part) + "\"", process_id_,
       [&] { return title().find(part) != std::string::npos; }, patience);
}

void Window::wait_text(std::string_view expected, std::chrono::milliseconds patience) const {
  poll("the text \"" + readable_gbk(expected) + "\" in " + describe(*this), process_id_,
       [&] { return text_if_there() == expected; }, patience);
}

void Window::wait_gone(std::chrono::milliseconds patience) const {
  poll(describe(*this) + " to close", process_id_, [&] { return !exists(); }, patience);
}

void Window::wait_geometry(std::string_view what, RECT expected) const {
  poll(std::string(what) + " " + rect_text(expected) + " of " + describe(*this), process_id_,
       [&] {
         const RECT now = rect();
         return EqualRect(&expected, &now) != FALSE;
       });
}

void Window::resize(int width, int height) const {
  if (!SetWindowPos(handle_, nullptr, 0, 0, width, height,
                    SWP_ASYNCWINDOWPOS | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE))
    throw std::runtime_error("cannot resize " + describe(*this));
  RECT expected = rect();
  expected.right = expected.left + width;
  expected.bottom = expected.top + height;
  wait_geometry("the size", expected);
}

void Window::move_to(int left, int top) const {
  if (!SetWindowPos(handle_, nullptr, left, top, 0, 0,
                    SWP_ASYNCWINDOWPOS | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
    throw std::runtime_error("cannot move " + describe(*this));
  RECT expected = rect();
  OffsetRect(&expected, left - expected.left, top - expected.top);
  wait_geometry("the position", expected);
}

void Window::click(POINT client_point) const {
  POINT screen_point = client_point;
  if (!ClientToScreen(handle_, &screen_point)) throw std::runtime_error("cannot click on " + describe(*this));
  send_click(screen_point);
}

void Window::set_text(std::string_view gbk_text, std::chrono::milliseconds patience) const {
  const std::wstring text_wide = wide(gbk_text);
  if (!send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_wide.c_str()), patience))
    throw std::runtime_error("the program refused the text for " + describe(*this));
}

void Window::post_button_press(int button_id) const {
  const std::optional<Window> button = child(button_id);
  const LPARAM button_handle = button ? reinterpret_cast<LPARAM>(button->handle()) : 0;
  if (!PostMessageW(handle_, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), button_handle))
    throw std::runtime_error("cannot press button " + std::to_string(button_id) + " of " + describe(*this));
}

std::optional<Window> Window::owner() const {
  if (HWND owner_handle = GetWindow(handle_, GW_OWNER)) return Window(owner_handle);
  return std::nullopt;
}

std::vector<Window> top_level_windows(DWORD process_id) {
  TopLevelSearch search{process_id, {}};
  EnumWindows(collect_top_level, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

std::string describe(const Window& window) {
  char handle[16];
  std::snprintf(handle, sizeof handle, "0x%08lX", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window.handle())));
  if (!window.exists()) return std::string(handle) + " (gone)";
  std::string line = std::string(handle) + " " + readable(window.class_name());
  if (GetWindowLongW(window.handle(), GWL_STYLE) & WS_CHILD) line += " id " + std::to_string(window.control_id());
  line += " \"" + readable_line(wide(window.title())) + "\" " + rect_text(window.rect());
  if (!window.visible()) line += " hidden";
  if (!window.enabled()) line += " disabled";
  if (window.topmost()) line += " topmost";
  if (const auto layered = window.layered()) line += " alpha " + std::to_string(layered->alpha);
  return line;
}

}  // namespace e2e
