#include "host/forms/menu_layout.h"

namespace host {
namespace {

constexpr std::string_view kSeparatorCaption = "-";

class LayoutBuilder {
 public:
  explicit LayoutBuilder(std::span<const MenuItemState> items) : items_(items) {}

  MenuLayout build() {
    MenuLayout layout;
    layout.bar = entries_at_level(0, layout.accelerators);
    return layout;
  }

 private:
  bool has_children(std::size_t position) const {
    return position + 1 < items_.size() && items_[position + 1].level > items_[position].level;
  }

  // The entries from the current position on that sit at `level`, stopping at
  // the first entry of a smaller level.
  std::vector<MenuNode> entries_at_level(int level, std::vector<AcceleratorEntry>& accelerators) {
    std::vector<MenuNode> nodes;
    while (next_ < items_.size() && items_[next_].level >= level) {
      const std::size_t position = next_++;
      const MenuItemState& item = items_[position];
      MenuNode node{MenuNode::Kind::Item, item.caption, menu_command_of(position), item.disabled, item.checked, {}};
      if (has_children(position)) {
        node.kind = MenuNode::Kind::DropDown;
        node.children = entries_at_level(items_[position + 1].level, accelerators);
      } else if (item.caption == kSeparatorCaption) {
        node.kind = MenuNode::Kind::Separator;
      } else if (const std::optional<Shortcut> shortcut = shortcut_of(item.shortcut)) {
        node.text += '\t';
        node.text += shortcut_name(item.shortcut);
        accelerators.push_back({*shortcut, node.command});
      }
      if (!item.hidden) nodes.push_back(std::move(node));
    }
    return nodes;
  }

  std::span<const MenuItemState> items_;
  std::size_t next_ = 0;
};

}  // namespace

std::vector<MenuItemState> initial_menu_states(std::span<const MenuItemDefinition> menu) {
  std::vector<MenuItemState> states;
  states.reserve(menu.size());
  for (const MenuItemDefinition& item : menu)
    states.push_back({item.id, item.level, std::string(item.caption), item.shortcut, item.hidden, item.disabled,
                      item.checked});
  return states;
}

std::optional<std::size_t> menu_position_of_command(std::uint32_t command, std::size_t entry_count) {
  if (command < kFirstMenuCommand || command >= kFirstSystemCommand) return std::nullopt;
  const std::size_t position = command - kFirstMenuCommand;
  if (position >= entry_count) return std::nullopt;
  return position;
}

MenuLayout layout_menu(std::span<const MenuItemState> items) { return LayoutBuilder(items).build(); }

}  // namespace host
