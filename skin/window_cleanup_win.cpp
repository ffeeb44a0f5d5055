#include "skin/window_cleanup_win.h"

#include <commctrl.h>

#include "skin/controls/caret_win.h"
#include "skin/held_images_win.h"
#include "skin/property_store_win.h"

namespace skin {
namespace {

constexpr UINT_PTR kCleanupSubclassId = 0x56424B;

LRESULT CALLBACK cleanup_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  if (message != WM_NCDESTROY) return DefSubclassProc(window, message, wparam, lparam);
  RemoveWindowSubclass(window, cleanup_proc, kCleanupSubclassId);
  // The rest of the chain first: a subclass procedure further in still reads
  // its saved previous procedure from the properties.
  const LRESULT result = DefSubclassProc(window, message, wparam, lparam);
  forget_caret_window(window);
  release_held_images(window);
  remove_layer_properties(window);
  return result;
}

}  // namespace

void release_at_destruction(HWND window) {
  // Installing the same procedure and id again changes nothing.
  SetWindowSubclass(window, cleanup_proc, kCleanupSubclassId, 0);
}

}  // namespace skin
