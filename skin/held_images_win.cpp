#include "skin/held_images_win.h"

#include <memory>

#include "skin/property_names.h"
#include "skin/property_store_win.h"
#include "skin/window_cleanup_win.h"

namespace skin {
namespace {

struct SlotNames {
  const wchar_t* image;
  const wchar_t* owner;
};

constexpr SlotNames kSlots[] = {
    {prop::kBackImage, prop::kBackImageOwner},     {prop::kNormalImage, prop::kNormalImageOwner},
    {prop::kOverlImage, prop::kOverlImageOwner},   {prop::kDownImage, prop::kDownImageOwner},
    {prop::kDisableImage, prop::kDisableImageOwner},
};

const SlotNames& names_of(ImageSlot slot) { return kSlots[static_cast<int>(slot)]; }

// Takes the owner record back from the window (the property is left as is).
std::unique_ptr<Image> take_owner(HWND window, const SlotNames& names) {
  return std::unique_ptr<Image>(reinterpret_cast<Image*>(read_property(window, names.owner)));
}

BOOL CALLBACK release_child_images(HWND window, LPARAM) {
  release_held_images(window);
  return TRUE;
}

BOOL CALLBACK release_window_images(HWND window, LPARAM) {
  release_held_images(window);
  EnumChildWindows(window, release_child_images, 0);
  return TRUE;
}

}  // namespace

bool hold_image(HWND window, ImageSlot slot, Image image) {
  if (!IsWindow(window) || !image) return false;
  release_at_destruction(window);
  const SlotNames& names = names_of(slot);
  const std::unique_ptr<Image> replaced = take_owner(window, names);
  auto held = std::make_unique<Image>(std::move(image));
  write_property(window, names.image, reinterpret_cast<std::intptr_t>(held->get()));
  write_property(window, names.owner, reinterpret_cast<std::intptr_t>(held.release()));
  return true;
}

void release_held_images(HWND window) {
  for (const SlotNames& names : kSlots) {
    const std::unique_ptr<Image> held = take_owner(window, names);
    if (!held) continue;
    remove_property(window, names.owner);
    remove_property(window, names.image);
  }
}

void release_images_held_on_this_thread() {
  EnumThreadWindows(GetCurrentThreadId(), release_window_images, 0);
}

}  // namespace skin
