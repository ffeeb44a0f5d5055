#include "skin/skin_startup_win.h"

#include "skin/gdiplus_api_win.h"
#include "skin/loader_window_win.h"
#include "skin/wide_text_win.h"

namespace skin {
namespace {

GUID& time_dimension() {
  static GUID id{};
  return id;
}

void start_gdiplus() {
  if (!load_gdiplus()) return;
  static ULONG_PTR token = 0;
  Gdiplus::GdiplusStartupInput input{};  // version 1, background thread, external codecs
  gdiplus()->GdiplusStartup(&token, &input, nullptr);
}

void parse_time_dimension() {
  const std::wstring text = text_to_wide("{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}");
  CLSIDFromString(text.c_str(), &time_dimension());
}

void register_loader_class() {
  WNDCLASSEXW loader{};
  loader.cbSize = sizeof loader;
  loader.style = CS_VREDRAW | CS_HREDRAW;
  loader.lpfnWndProc = loader_window_proc;
  loader.hInstance = GetModuleHandleW(nullptr);
  loader.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  loader.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  loader.lpszClassName = kLoaderClassName;
  RegisterClassExW(&loader);
}

}  // namespace

void skin_startup() {
  static bool started = false;
  if (started) return;
  started = true;
  start_gdiplus();
  parse_time_dimension();
  register_loader_class();
}

const GUID& frame_dimension_time() { return time_dimension(); }

}  // namespace skin
