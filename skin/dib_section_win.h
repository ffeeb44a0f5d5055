// The bottom-up 32-bit DIB section the compositor presents from, counted in
// live_counts() so that tests see one go for each one made.
#pragma once

#include <windows.h>

#include <cstdint>

#include "host/services/handles_win.h"

namespace skin {

class DibSection {
 public:
  DibSection(HDC dc, int width, int height);
  DibSection(DibSection&& other) noexcept = default;
  DibSection& operator=(DibSection&&) = delete;
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;
  ~DibSection();
  HBITMAP get() const { return bitmap_.get(); }
  // The pixels, bottom row first.
  std::uint32_t* bits() const { return bits_; }

 private:
  host::OwnedBitmap bitmap_;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace skin
