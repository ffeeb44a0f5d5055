#include "driver/screenshot.h"

#include <windows.h>
#include <objidl.h>  // left out by WIN32_LEAN_AND_MEAN, needed by GDI+
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/services/handles_win.h"
#include "driver/paths.h"
#include "driver/screen_picture.h"
#include "driver/text.h"

namespace e2e {

namespace {

// {557CF406-1A04-11D3-9A73-0000F81EF32E}, GDI+'s built-in PNG encoder.
constexpr CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) throw std::runtime_error("GDI+ did not start");
  }
  ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

class GdiplusBitmap {
 public:
  explicit GdiplusBitmap(HBITMAP bitmap) {
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &bitmap_) != Gdiplus::Ok)
      throw std::runtime_error("GDI+ cannot take the screen bitmap");
  }
  ~GdiplusBitmap() { Gdiplus::DllExports::GdipDisposeImage(bitmap_); }
  GdiplusBitmap(const GdiplusBitmap&) = delete;
  GdiplusBitmap& operator=(const GdiplusBitmap&) = delete;
  Gdiplus::GpBitmap* get() const { return bitmap_; }

 private:
  Gdiplus::GpBitmap* bitmap_ = nullptr;
};

std::wstring file_name_for(std::string_view label) {
  std::wstring name = L"e2e";
  if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info())
    name = wide(std::string(test->test_suite_name()) + "." + test->name());
  name += L"-" + wide(label) + L".png";
  for (wchar_t& c : name)
    if (c == L'/' || c == L'\\' || c == L':') c = L'_';
  return name;
}

}  // namespace

std::filesystem::path save_screenshot(std::string_view label) {
  return save_screenshot(label, RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

std::filesystem::path save_screenshot(std::string_view label, RECT area) {
  const host::OwnedGdiObject bitmap = copy_of_screen(area);
  const std::filesystem::path path = artifacts_folder() / file_name_for(label);
  const GdiplusSession gdiplus;
  const GdiplusBitmap image(static_cast<HBITMAP>(bitmap.get()));
  if (Gdiplus::DllExports::GdipSaveImageToFile(image.get(), path.c_str(), &kPngEncoder, nullptr) != Gdiplus::Ok)
    throw std::runtime_error("cannot write " + readable(path.wstring()));
  return path;
}

}  // namespace e2e
