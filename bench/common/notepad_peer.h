// Wine's notepad.exe as the peer Verbrook is measured against, driven from
// outside as a person drives it. Wine's EDIT control does most of the work of
// an open, and how much depends on how often it wraps: it measures the rest
// of a paragraph again for every line it breaks. So notepad is set up to wrap
// as Verbrook's edit box does: word wrap on, Verbrook's font (宋体, 18 points)
// and an edit box of the same width. The benchmarks run under a Chinese
// locale, so that notepad reads files as GBK too (ANSI code page 936).
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "bench/common/measure.h"
#include "driver/app.h"
#include "driver/dialogs.h"
#include "driver/text.h"
#include "host/services/encoding_win.h"

namespace bench {

using namespace std::chrono_literals;

// Long enough for notepad to take 50 MB into its edit box.
inline constexpr auto kLongPatience = 60min;

enum class Peer { Verbrook, Notepad };

inline const char* name_of(Peer program) { return program == Peer::Verbrook ? "Verbrook" : "notepad"; }

inline std::filesystem::path notepad_program() {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  return std::filesystem::path(system) / L"notepad.exe";
}

// The UTF-16 length of the text as the program's edit box holds it: GBK for
// Verbrook, the ANSI code page for notepad (the same in this Wine session).
inline std::size_t shown_length(Peer program, const std::string& document) {
  if (program == Peer::Verbrook) return host::gb18030_to_wide(document).size();
  const int length = MultiByteToWideChar(CP_ACP, 0, document.data(), static_cast<int>(document.size()), nullptr, 0);
  return static_cast<std::size_t>(length);
}

// Word wrap and Verbrook's font for notepad (its settings in the registry of
// this Wine prefix).
inline void set_up_notepad_like_verbrook() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Notepad", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    throw std::runtime_error("cannot set up notepad");
  const auto set_number = [&](const wchar_t* name, DWORD value) {
    RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  };
  set_number(L"fWrap", 1);
  set_number(L"iPointSize", 180);  // tenths of a point
  set_number(L"lfWeight", FW_NORMAL);
  set_number(L"lfCharSet", DEFAULT_CHARSET);
  const std::wstring face = e2e::wide("宋体");
  RegSetValueExW(key, L"lfFaceName", 0, REG_SZ, reinterpret_cast<const BYTE*>(face.c_str()),
                 static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

inline LONG client_width(const e2e::Window& window) {
  return window.client_rect().right - window.client_rect().left;
}

// Makes notepad's edit box as wide as Verbrook's, so that both wrap alike.
inline void match_edit_width(const e2e::Window& main, const e2e::Window& edit, LONG width) {
  const LONG difference = width - client_width(edit);
  if (difference == 0) return;
  main.resize(main.size().cx + difference, main.size().cy);
  e2e::poll("notepad's edit box as wide as Verbrook's", main.process_id(),
            [&] { return client_width(edit) == width; });
}

// Polls every 2 ms (the driver's waits poll every 20 ms, too coarse for a
// save) until the probe holds; throws after the long patience.
template <class Probe>
void wait_until(const char* what, Probe&& probe) {
  const auto deadline = Clock::now() + kLongPatience;
  while (!probe()) {
    if (Clock::now() > deadline) throw std::runtime_error(std::string("waited too long for ") + what);
    Sleep(2);
  }
}

// Polls the edit box's length until it holds `expected` characters (any
// number for 0: notepad may read a file otherwise than Verbrook does). The
// program answers only from its message loop, that is once it has put the
// text in.
inline void wait_for_length(const e2e::Window& edit, std::size_t expected) {
  wait_until("the whole document in the edit box", [&] {
    DWORD_PTR length = 0;
    return SendMessageTimeoutW(edit.handle(), WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &length) &&
           (expected == 0 ? length > 0 : length == expected);
  });
}

// Opens a file through the program's open dialog (Ctrl+D in Verbrook, Ctrl+O
// in notepad) and returns the milliseconds from the dialog's OK until the edit
// box holds `shown` characters (see wait_for_length). The whole path is typed:
// a file dialog may start in the folder it showed last, which a stopped run
// can have left behind with files of the same names.
inline double open_through_dialog(Peer program, const e2e::App& app, const std::string& path, std::size_t shown) {
  app.press(e2e::ctrl(program == Peer::Verbrook ? 'D' : 'O'));
  const e2e::FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name(path);
  const auto start = Clock::now();
  dialog.ok();
  wait_for_length(app.edit_box(), shown);
  return ms_since(start);
}

}  // namespace bench
