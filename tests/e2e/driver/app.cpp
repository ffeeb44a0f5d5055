#include "driver/app.h"

#include <psapi.h>

#include <stdexcept>

#include "driver/text.h"

namespace e2e {

namespace {

// How long a killed program may take to go.
constexpr DWORD kKillWaitMs = 5000;

std::filesystem::path copy_into(const std::filesystem::path& program, const Folder& folder) {
  const std::filesystem::path copy = folder.native() / program.filename();
  std::error_code error;
  std::filesystem::copy_file(program, copy, std::filesystem::copy_options::overwrite_existing, error);
  if (error) throw std::runtime_error("cannot copy " + readable(program.wstring()) + ": " + error.message());
  return copy;
}

}  // namespace

App App::start(const std::filesystem::path& program, const Folder& folder, std::wstring_view arguments) {
  return start_in(copy_into(program, folder), folder.native(), arguments);
}

App App::start_in(const std::filesystem::path& program_file, const std::filesystem::path& working_folder,
                  std::wstring_view arguments) {
  std::wstring command_line = L"\"" + program_file.wstring() + L"\"";
  if (!arguments.empty()) command_line += L" " + std::wstring(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program_file.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      working_folder.c_str(), &startup, &started))
    throw std::runtime_error("cannot start " + readable(program_file.wstring()) + ", error " +
                             std::to_string(GetLastError()));
  CloseHandle(started.hThread);
  return App(host::OwnedKernelHandle(started.hProcess), started.dwProcessId, started.dwThreadId);
}

App::~App() {
  if (process_) kill();
}

bool App::running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

int App::wait_exit(std::chrono::milliseconds patience) const {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count())) != WAIT_OBJECT_0)
    fail_wait("the program to end", process_id_, patience);
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  return static_cast<int>(code);
}

void App::kill() const {
  if (!running()) return;
  TerminateProcess(process_.get(), 1);
  WaitForSingleObject(process_.get(), kKillWaitMs);
}

std::size_t App::private_bytes() const {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_.get(), &counters, sizeof counters)) return 0;
  return counters.PagefileUsage;
}

std::vector<Window> App::windows() const { return top_level_windows(process_id_); }

Window App::wait_window(std::string_view what, const std::function<bool(const Window&)>& matches,
                        std::chrono::milliseconds patience) const {
  return *poll(
      what, process_id_,
      [&]() -> std::optional<Window> {
        for (const Window& window : windows())
          if (window.visible() && matches(window)) return window;
        return std::nullopt;
      },
      patience);
}

Window App::wait_any_window() const {
  return wait_window("a visible window", [](const Window&) { return true; });
}

Window App::main_window() const {
  return wait_window("the main window (a visible window with a menu bar)",
                     [](const Window& window) { return window.has_menu(); });
}

Window App::edit_box() const {
  const Window main = main_window();
  return *poll("the edit box of the main window", process_id_, [&] { return main.child_of_class(L"Edit"); });
}

std::optional<GUITHREADINFO> App::gui_thread_info() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread_id_, &info)) return std::nullopt;
  return info;
}

std::optional<Window> App::focus() const {
  const auto info = gui_thread_info();
  if (!info || !info->hwndFocus) return std::nullopt;
  return Window(info->hwndFocus);
}

std::optional<Window> App::active_window() const {
  const auto info = gui_thread_info();
  if (!info || !info->hwndActive) return std::nullopt;
  return Window(info->hwndActive);
}

void App::wait_focus(const Window& window, std::chrono::milliseconds patience) const {
  poll("the focus on " + describe(window), process_id_, [&] {
    const auto focused = focus();
    return focused && focused->handle() == window.handle();
  }, patience);
}

void App::wait_idle() const {
  for (const Window& window : windows()) {
    if (GetWindowThreadProcessId(window.handle(), nullptr) != thread_id_) continue;
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(window.handle(), WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(kPatience.count()),
                             &ignored) &&
        window.exists())
      fail_wait("the program to become idle", process_id_, kPatience);
    return;
  }
}

MessageBoxWindow App::wait_message_box(std::string_view caption, std::chrono::milliseconds patience) const {
  return MessageBoxWindow(wait_window(
      "a message box \"" + readable_gbk(caption) + "\"",
      [&](const Window& window) { return MessageBoxWindow::matches(window) && window.title() == caption; }, patience));
}

FileDialog App::wait_file_dialog() const {
  return FileDialog(wait_window("an open or save dialog", FileDialog::matches));
}

FontDialog App::wait_font_dialog() const { return FontDialog(wait_window("the font dialog", FontDialog::matches)); }

bool App::has_dialog() const {
  for (const Window& window : windows())
    if (window.visible() && is_dialog(window)) return true;
  return false;
}

void App::bring_to_front() const {
  const auto belongs_to_program = [&](HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return window && owner == process_id_;
  };
  if (belongs_to_program(GetForegroundWindow())) {
    wait_idle();
    return;
  }
  // The program's own idea of its active window first (a dialog it has open
  // is active, not the window it disables); else its topmost usable window.
  std::optional<Window> target = active_window();
  if (!target || !target->visible()) {
    target = wait_window("a window that can take the keyboard",
                         [](const Window& window) { return window.enabled(); });
  }
  SetForegroundWindow(target->handle());
  poll("the program in the foreground", process_id_, [&] { return belongs_to_program(GetForegroundWindow()); });
  wait_idle();
}

void App::press(Key key) const {
  bring_to_front();
  send_key(key);
}

void App::choose_menu_item(int menu, int item) const {
  bring_to_front();
  send_key(VK_F10);
  for (int i = 0; i < menu; ++i) send_key(VK_RIGHT);
  send_key(VK_DOWN);  // opens the drop-down on its first item
  for (int i = 0; i < item; ++i) send_key(VK_DOWN);
  send_key(VK_RETURN);
}

void App::type(std::string_view gbk_text) const {
  bring_to_front();
  send_text(wide(gbk_text));
}

}  // namespace e2e
