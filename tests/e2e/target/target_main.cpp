// A small Windows program that the end-to-end driver's own tests drive: it has
// what Verbrook has (a main window with a menu and a multi-line edit box,
// accelerators, task-modal message boxes without an owner, the open, save and
// font dialogs, a layered "hidden" state) and reports every result in its
// title, so that a test can see each driver operation arrive.
//
// Keys:  Ctrl+D open dialog, Ctrl+S save dialog, Ctrl+T font dialog,
//        Del asks "提示：" and clears the edit box on Yes,
//        Ctrl+H makes the window layered at alpha 6 and topmost,
//        Ctrl+G copies the whole text as GBK bytes (CF_TEXT only), as Verbrook does,
//        Esc ends the program at once with exit code 0,
//        closing the window asks "退出确认：" and ends with exit code 7 on Yes.
// A click in the strip below the edit box puts its client position in the title.
#include <windows.h>
#include <commdlg.h>

#include <array>
#include <cstring>
#include <string>

#include "host/services/encoding_win.h"

namespace {

constexpr int kOpenCommand = 101;
constexpr int kSaveCommand = 102;
constexpr int kFontCommand = 103;
constexpr int kClearCommand = 104;
constexpr int kHideCommand = 105;
constexpr int kQuitCommand = 106;
constexpr int kCopyGbkCommand = 107;
constexpr int kEditId = 200;
constexpr int kClickStripHeight = 40;
constexpr int kConfirmedExitCode = 7;

// What the program returns once its window is gone.
int exit_code_on_destroy = 0;

class AcceleratorTable {
 public:
  AcceleratorTable() {
    std::array<ACCEL, 7> keys{{
        {FVIRTKEY | FCONTROL, 'D', kOpenCommand},
        {FVIRTKEY | FCONTROL, 'S', kSaveCommand},
        {FVIRTKEY | FCONTROL, 'T', kFontCommand},
        {FVIRTKEY, VK_DELETE, kClearCommand},
        {FVIRTKEY | FCONTROL, 'H', kHideCommand},
        {FVIRTKEY, VK_ESCAPE, kQuitCommand},
        {FVIRTKEY | FCONTROL, 'G', kCopyGbkCommand},
    }};
    handle_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
  }
  ~AcceleratorTable() {
    if (handle_) DestroyAcceleratorTable(handle_);
  }
  AcceleratorTable(const AcceleratorTable&) = delete;
  AcceleratorTable& operator=(const AcceleratorTable&) = delete;
  HACCEL get() const { return handle_; }

 private:
  HACCEL handle_ = nullptr;
};

HWND edit_box(HWND window) { return GetDlgItem(window, kEditId); }

HMENU build_menu() {
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, kOpenCommand, L"Open...\tCtrl+D");
  AppendMenuW(file, MF_STRING, kSaveCommand, L"Save...\tCtrl+S");
  AppendMenuW(file, MF_STRING, kFontCommand, L"Font...\tCtrl+T");
  AppendMenuW(file, MF_STRING, kClearCommand, L"Clear\tDel");
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  return bar;  // owned by the window once attached
}

void choose_file(HWND window, bool save) {
  std::array<wchar_t, MAX_PATH> name{};
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = L"*.txt\0*.txt\0\0";
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrDefExt = L"txt";
  dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  const std::wstring verb = save ? L"saved: " : L"opened: ";
  SetWindowTextW(window, chosen ? (verb + name.data()).c_str() : (save ? L"save cancelled" : L"open cancelled"));
}

void choose_font(HWND window) {
  LOGFONTW font{};
  lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
  font.lfHeight = -16;
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpLogFont = &font;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&dialog)) {
    SetWindowTextW(window, L"font cancelled");
    return;
  }
  const std::wstring title = std::wstring(L"font: ") + font.lfFaceName + L" " + std::to_wstring(dialog.iPointSize / 10);
  SetWindowTextW(window, title.c_str());
}

void ask_and_clear(HWND window) {
  const int answer = MessageBoxW(nullptr, L"确定清空文档吗？", L"提示：", MB_YESNO | MB_TASKMODAL);
  if (answer == IDYES) SetWindowTextW(edit_box(window), L"");
  SetWindowTextW(window, answer == IDYES ? L"answer: yes" : L"answer: no");
}

void hide(HWND window) {
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, 6, LWA_ALPHA);
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowTextW(window, L"hidden");
}

void copy_as_gbk(HWND window) {
  const int length = GetWindowTextLengthW(edit_box(window));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(edit_box(window), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  const std::string bytes = host::wide_to_gb18030(text);
  if (!OpenClipboard(window)) return;
  EmptyClipboard();
  if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1)) {
    std::memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  }
  CloseClipboard();
}

void on_command(HWND window, int command) {
  switch (command) {
    case kOpenCommand: choose_file(window, false); break;
    case kSaveCommand: choose_file(window, true); break;
    case kFontCommand: choose_font(window); break;
    case kClearCommand: ask_and_clear(window); break;
    case kHideCommand: hide(window); break;
    case kQuitCommand: DestroyWindow(window); break;
    case kCopyGbkCommand: copy_as_gbk(window); break;
  }
}

void confirm_close(HWND window) {
  if (MessageBoxW(nullptr, L"真的退出吗？", L"退出确认：", MB_YESNO | MB_TASKMODAL) != IDYES) return;
  exit_code_on_destroy = kConfirmedExitCode;
  DestroyWindow(window);
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 0, 0,
                      window, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
      return 0;
    case WM_SIZE:
      MoveWindow(edit_box(window), 0, 0, LOWORD(lparam), HIWORD(lparam) - kClickStripHeight, TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(edit_box(window));
      return 0;
    case WM_LBUTTONDOWN: {
      const std::wstring title = L"clicked " + std::to_wstring(static_cast<short>(LOWORD(lparam))) + L"," +
                                 std::to_wstring(static_cast<short>(HIWORD(lparam)));
      SetWindowTextW(window, title.c_str());
      return 0;
    }
    case WM_COMMAND:
      if (lparam == 0) on_command(window, LOWORD(wparam));
      return 0;
    case WM_CLOSE:
      confirm_close(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(exit_code_on_destroy);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"VerbrookE2eTarget";
  if (!RegisterClassExW(&window_class)) return 1;

  constexpr int width = 560, height = 620;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND window = CreateWindowExW(0, window_class.lpszClassName, L"e2e target", WS_OVERLAPPEDWINDOW, x, y, width, height,
                                nullptr, build_menu(), instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);

  const AcceleratorTable accelerators;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(window, accelerators.get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
