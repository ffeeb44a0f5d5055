#include "skin/property_store_win.h"

#include <initializer_list>

#include "skin/property_names.h"

namespace skin {

std::intptr_t read_property(HWND window, const wchar_t* name) {
  return reinterpret_cast<std::intptr_t>(GetPropW(window, name));
}

void write_property(HWND window, const wchar_t* name, std::intptr_t value) {
  SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

void remove_property(HWND window, const wchar_t* name) { RemovePropW(window, name); }

std::int32_t read_colour_property(HWND window, const wchar_t* name) {
  return static_cast<std::int32_t>(read_property(window, name));
}

void remove_layer_properties(HWND window) {
  for (const wchar_t* name :
       {prop::kTime, prop::kBackImage, prop::kType, prop::kBackType, prop::kBackColor, prop::kBackAlpha,
        prop::kOrderColor, prop::kOrderAlpha, prop::kTextColor, prop::kNormalImage, prop::kOverlImage,
        prop::kDownImage, prop::kDisableImage, prop::kWndProc, prop::kChildWndProc, prop::kDrawState,
        prop::kBackImageOwner, prop::kNormalImageOwner, prop::kOverlImageOwner, prop::kDownImageOwner,
        prop::kDisableImageOwner}) {
    RemovePropW(window, name);
  }
}

}  // namespace skin
