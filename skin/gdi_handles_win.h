// Small owners of the GDI handles the presentation uses: movable, not
// copyable, each releasing its handle the way it was obtained.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace skin {

// A window's DC from GetWindowDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC, deleted with DeleteDC.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A bottom-up 32-bit DIB section and its pixels; counted in live_counts().
class DibSection {
 public:
  DibSection(HDC dc, int width, int height);
  DibSection(DibSection&& other) noexcept
      : bitmap_(std::exchange(other.bitmap_, nullptr)), bits_(std::exchange(other.bits_, nullptr)) {}
  DibSection& operator=(DibSection&&) = delete;
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;
  ~DibSection();
  HBITMAP get() const { return bitmap_; }
  // The pixels, bottom row first.
  std::uint32_t* bits() const { return bits_; }

 private:
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// Selects an object into a DC and selects the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace skin
