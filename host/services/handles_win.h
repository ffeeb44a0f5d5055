// The owners of the Windows handles the program holds, all in one family: one
// small type per kind of handle, movable and not copyable, releasing its
// handle exactly once, the way it was obtained. A handle that needs a second
// value to be released (a DC and its window, an object and its DC) has its
// own small class below.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace host {

// Traits give the handle type, its empty value and how it is released (true
// when releasing succeeded).
template <class Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;
  using HandleTraits = Traits;

  Owned() = default;
  explicit Owned(Handle handle) noexcept : handle_(handle) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Traits::empty())) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Traits::empty()));
    return *this;
  }
  ~Owned() { close(); }

  Handle get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::empty(); }

  // Gives up ownership without releasing (the handle has a new owner, or is
  // gone already).
  Handle release() noexcept { return std::exchange(handle_, Traits::empty()); }
  // Releases now; false when that failed (closing a file can report a late
  // write error).
  bool close() noexcept {
    if (handle_ == Traits::empty()) return true;
    return Traits::release(std::exchange(handle_, Traits::empty()));
  }
  void reset(Handle handle = Traits::empty()) noexcept {
    close();
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::empty();
};

template <class HandleType, auto Release>
struct NullEmptyTraits {
  using Handle = HandleType;
  static constexpr Handle empty() { return nullptr; }
  static bool release(Handle handle) { return Release(handle) != 0; }
};

// CreateFileW (and CreateToolhelp32Snapshot) give INVALID_HANDLE_VALUE, not
// null, for none.
struct InvalidHandleTraits {
  using Handle = HANDLE;
  static Handle empty() { return INVALID_HANDLE_VALUE; }
  static bool release(Handle handle) { return CloseHandle(handle) != FALSE; }
};

// GlobalFree answers null when it has freed the block.
inline bool free_global(HGLOBAL memory) { return GlobalFree(memory) == nullptr; }

using OwnedWindow = Owned<NullEmptyTraits<HWND, DestroyWindow>>;
using OwnedMenu = Owned<NullEmptyTraits<HMENU, DestroyMenu>>;
using OwnedAccelerators = Owned<NullEmptyTraits<HACCEL, DestroyAcceleratorTable>>;
using OwnedFont = Owned<NullEmptyTraits<HFONT, DeleteObject>>;
using OwnedBrush = Owned<NullEmptyTraits<HBRUSH, DeleteObject>>;
using OwnedBitmap = Owned<NullEmptyTraits<HBITMAP, DeleteObject>>;
using OwnedGdiObject = Owned<NullEmptyTraits<HGDIOBJ, DeleteObject>>;
using OwnedGlobal = Owned<NullEmptyTraits<HGLOBAL, free_global>>;
using OwnedMemoryDc = Owned<NullEmptyTraits<HDC, DeleteDC>>;
using OwnedModule = Owned<NullEmptyTraits<HMODULE, FreeLibrary>>;
// Threads, events, processes.
using OwnedKernelHandle = Owned<NullEmptyTraits<HANDLE, CloseHandle>>;
using OwnedFile = Owned<InvalidHandleTraits>;

// A window's DC, the whole window's (GetWindowDC), given back with ReleaseDC;
// for no window, the screen's.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetWindowDC(window)) {}
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

// A global memory block locked while this lives.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  ~LockedGlobal() {
    if (data_) GlobalUnlock(memory_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// COM for this thread, as a single-threaded apartment, while this lives.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }

 private:
  bool initialised_;
};

}  // namespace host
