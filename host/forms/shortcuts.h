// The shortcut keys a menu item can carry: an index 1-76 names a key with its
// modifiers and the name shown after the item's caption; 0 means none.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace host {

inline constexpr int kShortcutCount = 76;

struct Shortcut {
  std::uint16_t key;  // Windows virtual-key code
  bool ctrl = false;
  bool shift = false;
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// Virtual-key codes the table uses (the values Windows gives them).
namespace virtual_key {
inline constexpr std::uint16_t kInsert = 0x2D;
inline constexpr std::uint16_t kDelete = 0x2E;
inline constexpr std::uint16_t kF1 = 0x70;
}  // namespace virtual_key

// 1-26 Ctrl+A..Z; 27-38 F1..F12; 39-50 Ctrl+F1..F12; 51-62 Shift+F1..F12;
// 63-74 Ctrl+Shift+F1..F12; 75 Insert; 76 Delete. Anything else: none.
std::optional<Shortcut> shortcut_of(int index);

// "Ctrl+A", "F1", "Ctrl+Shift+F12", "Ins", "Del"; empty for no shortcut.
std::string shortcut_name(int index);

}  // namespace host
