// A form's menu bar and accelerator table, made from its menu items' current
// state. A write that changes an item rebuilds both as a whole; the command
// numbers never change.
#pragma once

#include <windows.h>

#include <optional>
#include <span>
#include <vector>

#include "host/forms/menu_layout.h"
#include "host/services/handles_win.h"
#include "host/services/value.h"

namespace host {

class MenuBar {
 public:
  explicit MenuBar(std::span<const MenuItemDefinition> menu);

  // Makes the bar and accelerators from the items; null handles when the form
  // has no menu items.
  void build();
  HMENU handle() const { return bar_.get(); }
  HACCEL accelerators() const { return accelerators_.get(); }

  // The window that shows the bar; rebuilt bars replace the old one there.
  void attach(HWND window) { window_ = window; }
  // Takes the bar off the window and destroys it (the window is going).
  void remove();

  bool has_item(UnitId item) const;
  std::optional<UnitId> item_of_command(std::uint32_t command) const;

  // Caption, Checked, Disabled and Visible (indices 0-3) of an item the bar
  // has. A write with a new value rebuilds the bar.
  Value read(UnitId item, int index) const;
  void write(UnitId item, int index, const Value& value);

 private:
  // The item's position, or the item count when the bar has no such item.
  std::size_t position_of(UnitId item) const;

  std::vector<MenuItemState> items_;
  HWND window_ = nullptr;
  OwnedMenu bar_;
  OwnedAccelerators accelerators_;
};

}  // namespace host
