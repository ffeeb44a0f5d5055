// One small owner per kind of Windows handle: not copyable, movable, and the
// handle is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace host {

template <class Handle, class Release>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(Handle handle) : handle_(handle) {}
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  ~Scoped() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

  // Gives up ownership without releasing (the handle has a new owner).
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Release{}(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct DestroyWindowRelease {
  void operator()(HWND window) const { DestroyWindow(window); }
};
struct DestroyMenuRelease {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct DestroyAcceleratorsRelease {
  void operator()(HACCEL accelerators) const { DestroyAcceleratorTable(accelerators); }
};
struct DeleteObjectRelease {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct GlobalFreeRelease {
  void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};

using ScopedWindow = Scoped<HWND, DestroyWindowRelease>;
using ScopedMenu = Scoped<HMENU, DestroyMenuRelease>;
using ScopedAccelerators = Scoped<HACCEL, DestroyAcceleratorsRelease>;
using ScopedFont = Scoped<HFONT, DeleteObjectRelease>;
using ScopedBrush = Scoped<HBRUSH, DeleteObjectRelease>;
using ScopedGlobal = Scoped<HGLOBAL, GlobalFreeRelease>;

}  // namespace host
