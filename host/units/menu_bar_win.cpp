#include "host/units/menu_bar_win.h"

#include "host/forms/property_values.h"
#include "host/services/encoding_win.h"

namespace host {
namespace {

OwnedMenu create_menu(const std::vector<MenuNode>& nodes, bool popup) {
  OwnedMenu menu(popup ? CreatePopupMenu() : CreateMenu());
  if (!menu) return menu;
  for (const MenuNode& node : nodes) {
    const std::wstring text = gb18030_to_wide(node.text);
    const UINT greyed = node.greyed ? MF_GRAYED : MF_ENABLED;
    switch (node.kind) {
      case MenuNode::Kind::Separator: AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr); break;
      case MenuNode::Kind::Item:
        AppendMenuW(menu.get(), MF_STRING | greyed | (node.checked ? MF_CHECKED : MF_UNCHECKED), node.command,
                    text.c_str());
        break;
      case MenuNode::Kind::DropDown: {
        OwnedMenu drop_down = create_menu(node.children, true);
        // Once appended, the drop-down belongs to the menu holding it.
        if (drop_down && AppendMenuW(menu.get(), MF_POPUP | MF_STRING | greyed,
                                     reinterpret_cast<UINT_PTR>(drop_down.get()), text.c_str()))
          drop_down.release();
        break;
      }
    }
  }
  return menu;
}

OwnedAccelerators create_accelerators(const std::vector<AcceleratorEntry>& entries) {
  if (entries.empty()) return {};
  std::vector<ACCEL> table;
  table.reserve(entries.size());
  for (const AcceleratorEntry& entry : entries) {
    BYTE modifiers = FVIRTKEY;
    if (entry.shortcut.ctrl) modifiers |= FCONTROL;
    if (entry.shortcut.shift) modifiers |= FSHIFT;
    table.push_back({modifiers, entry.shortcut.key, static_cast<WORD>(entry.command)});
  }
  return OwnedAccelerators(CreateAcceleratorTableW(table.data(), static_cast<int>(table.size())));
}

}  // namespace

MenuBar::MenuBar(std::span<const MenuItemDefinition> menu) : items_(initial_menu_states(menu)) {}

void MenuBar::build() {
  if (items_.empty()) return;
  const MenuLayout layout = layout_menu(items_);
  OwnedMenu bar = create_menu(layout.bar, false);
  OwnedAccelerators accelerators = create_accelerators(layout.accelerators);
  // The old bar is destroyed only after the new one is on the window.
  if (window_) SetMenu(window_, bar.get());
  bar_ = std::move(bar);
  accelerators_ = std::move(accelerators);
}

void MenuBar::remove() {
  if (window_ && bar_) SetMenu(window_, nullptr);
  bar_.reset();
  accelerators_.reset();
  window_ = nullptr;
}

std::size_t MenuBar::position_of(UnitId item) const {
  std::size_t position = 0;
  while (position < items_.size() && items_[position].id != item) ++position;
  return position;
}

bool MenuBar::has_item(UnitId item) const { return position_of(item) < items_.size(); }

std::optional<UnitId> MenuBar::item_of_command(std::uint32_t command) const {
  const std::optional<std::size_t> position = menu_position_of_command(command, items_.size());
  if (!position) return std::nullopt;
  return items_[*position].id;
}

Value MenuBar::read(UnitId item, int index) const {
  const MenuItemState& state = items_.at(position_of(item));
  switch (index) {
    case prop::menu::kCaption: return state.caption;
    case prop::menu::kChecked: return state.checked;
    case prop::menu::kDisabled: return state.disabled;
    default: return !state.hidden;
  }
}

void MenuBar::write(UnitId item, int index, const Value& value) {
  MenuItemState& state = items_.at(position_of(item));
  const MenuItemState before = state;
  const Value converted = converted_to_kind(*property_kind(unit_type::kMenu, index), value);
  switch (index) {
    case prop::menu::kCaption: state.caption = text_of(converted); break;
    case prop::menu::kChecked: state.checked = bool_of(converted); break;
    case prop::menu::kDisabled: state.disabled = bool_of(converted); break;
    default: state.hidden = !bool_of(converted); break;
  }
  if (!(state == before)) build();
}

}  // namespace host
