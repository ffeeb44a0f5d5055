#include "driver/scene.h"

#include <algorithm>

#include "driver/text.h"
#include "driver/window.h"

namespace e2e {

namespace {

constexpr std::size_t kLongestText = 160;
// The scene is described when a wait has failed, perhaps because the program
// hangs: each control is asked only briefly, and without another wait's report.
constexpr UINT kQuestionTimeoutMs = 500;

// Edit boxes and static controls keep their texts themselves; the title the
// system holds for them is not what they show.
std::string shown_text(const Window& control) {
  if (!control.has_class(L"Edit") && !control.has_class(L"Static")) return {};
  std::wstring text(kLongestText + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control.handle(), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kQuestionTimeoutMs, &copied))
    return " (text unreadable)";
  text.resize(std::min<std::size_t>(copied, kLongestText));
  if (copied >= kLongestText) text += L"...";
  return " text \"" + readable_line(text) + "\"";
}

std::string describe_focus(DWORD process_id) {
  for (const Window& window : top_level_windows(process_id)) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window.handle(), nullptr), &info)) continue;
    return "focus: " + (info.hwndFocus ? describe(Window(info.hwndFocus)) : std::string("none")) + "\n";
  }
  return "focus: no window\n";
}

}  // namespace

std::string describe_scene(DWORD process_id) {
  const HWND foreground = GetForegroundWindow();
  std::string scene = "foreground: " + (foreground ? describe(Window(foreground)) : std::string("none")) + "\n";
  if (process_id != 0) scene += describe_focus(process_id);
  const std::vector<Window> windows = top_level_windows(process_id);
  scene += "windows of " + (process_id ? "process " + std::to_string(process_id) : std::string("the desktop")) +
           (windows.empty() ? ": none\n" : ":\n");
  for (const Window& window : windows) {
    scene += "  " + describe(window) + "\n";
    for (const Window& control : window.children()) scene += "    " + describe(control) + shown_text(control) + "\n";
  }
  return scene;
}

}  // namespace e2e
