// A window's menu bar and accelerator table, worked out from its menu items'
// current captions and flags. Each entry's command number is fixed by its
// position, so rebuilding after a change never renumbers anything.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/forms/forms.h"
#include "host/forms/shortcuts.h"

namespace host {

// A menu item as it stands: its definition's values, changed by property writes.
struct MenuItemState {
  UnitId id;
  int level;
  std::string caption;
  int shortcut;
  bool hidden;
  bool disabled;
  bool checked;
  friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

std::vector<MenuItemState> initial_menu_states(std::span<const MenuItemDefinition> menu);

inline constexpr std::uint32_t kFirstMenuCommand = 20000;
// Commands from here up are the system's own (SC_SIZE and beyond).
inline constexpr std::uint32_t kFirstSystemCommand = 57600;

constexpr std::uint32_t menu_command_of(std::size_t position) {
  return kFirstMenuCommand + static_cast<std::uint32_t>(position);
}

// The menu entry a command number selects, if any.
std::optional<std::size_t> menu_position_of_command(std::uint32_t command, std::size_t entry_count);

struct MenuNode {
  enum class Kind { Item, Separator, DropDown };
  Kind kind;
  std::string text;  // caption, then TAB and the shortcut's name when it has one
  std::uint32_t command;
  bool greyed;
  bool checked;
  std::vector<MenuNode> children;  // a drop-down's entries
  friend bool operator==(const MenuNode&, const MenuNode&) = default;
};

struct AcceleratorEntry {
  Shortcut shortcut;
  std::uint32_t command;
  friend bool operator==(const AcceleratorEntry&, const AcceleratorEntry&) = default;
};

struct MenuLayout {
  std::vector<MenuNode> bar;
  std::vector<AcceleratorEntry> accelerators;
};

// An entry followed by entries of a greater level becomes a drop-down holding
// them; a hidden entry is left out (a hidden drop-down with everything below
// it) but keeps its command number, and its shortcut still works.
MenuLayout layout_menu(std::span<const MenuItemState> items);

}  // namespace host
