#include "dialog_driver.h"

#include "host_test_support.h"

namespace host::testing {

bool poll_until(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
}

HWND wait_for_dialog_box(HWND other_than, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  poll_until([&] { return (found = find_visible_window(GetCurrentProcessId(), L"#32770", other_than)) != nullptr; },
             timeout);
  return found;
}

bool wait_until_closed(HWND window, std::chrono::milliseconds timeout) {
  return poll_until([window] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

void press(HWND dialog, int button_id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button_id)));
}

void set_control_text(HWND dialog, int control_id, const std::wstring& text) {
  SetDlgItemTextW(dialog, control_id, text.c_str());
}

std::wstring control_text(HWND dialog, int control_id) {
  wchar_t text[1024] = {};
  GetDlgItemTextW(dialog, control_id, text, 1024);
  return text;
}

void choose_in_list(HWND dialog, int combo_box_id, const std::wstring& item) {
  HWND combo_box = GetDlgItem(dialog, combo_box_id);
  const LRESULT index = SendMessageW(combo_box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageW(combo_box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(combo_box_id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo_box));
}

// A script that stopped early (a failed assertion) may leave boxes open,
// which would hold the user-interface thread for good: they are cancelled.
DialogWatcher::DialogWatcher(std::function<void(HWND dialog)> script)
    : thread_([script = std::move(script)] {
        script(wait_for_dialog_box());
        for (int round = 0; round < 5; ++round) {
          HWND left_open = wait_for_dialog_box(nullptr, 100ms);
          if (!left_open) break;
          press(left_open, IDCANCEL);
          wait_until_closed(left_open, 2s);
        }
      }) {}

DialogWatcher::~DialogWatcher() { thread_.join(); }

}  // namespace host::testing
