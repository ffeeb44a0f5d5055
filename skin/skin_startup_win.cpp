#include "skin/skin_startup_win.h"

#include <optional>

#include "skin/controls/caret_win.h"
#include "skin/controls/loader_window_win.h"
#include "skin/gdiplus_api_win.h"
#include "skin/wide_text_win.h"

namespace skin {
namespace {

GUID& time_dimension() {
  static GUID id{};
  return id;
}

// GDI+ from its start-up to its shutdown.
class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input{};  // version 1, background thread, external codecs
    started_ = gdiplus()->GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (started_) gdiplus()->GdiplusShutdown(token_);
  }

 private:
  ULONG_PTR token_ = 0;
  bool started_ = false;
};

std::optional<GdiplusSession>& session() {
  static std::optional<GdiplusSession> running;
  return running;
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
  // GDI+ is loaded before the session's holder first exists, so that at the
  // end of the process the session shuts down before the module goes.
  if (load_gdiplus() && !session()) session().emplace();
  static const bool prepared = [] {
    parse_time_dimension();
    register_loader_class();
    return true;
  }();
  static_cast<void>(prepared);
}

void skin_shutdown() {
  caret_state() = {};
  session().reset();
  unload_gdiplus();
}

const GUID& frame_dimension_time() { return time_dimension(); }

}  // namespace skin
