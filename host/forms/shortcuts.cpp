#include "host/forms/shortcuts.h"

namespace host {
namespace {

constexpr int kLetters = 26;
constexpr int kFunctionKeys = 12;

// The four blocks of function keys, in table order, after the letters.
struct FunctionBlock {
  bool ctrl;
  bool shift;
};
constexpr FunctionBlock kFunctionBlocks[] = {{false, false}, {true, false}, {false, true}, {true, true}};
constexpr int kFirstFunctionIndex = kLetters + 1;
constexpr int kInsertIndex = kFirstFunctionIndex + 4 * kFunctionKeys;
constexpr int kDeleteIndex = kInsertIndex + 1;
static_assert(kDeleteIndex == kShortcutCount);

}  // namespace

std::optional<Shortcut> shortcut_of(int index) {
  if (index >= 1 && index <= kLetters) return Shortcut{static_cast<std::uint16_t>('A' + index - 1), true, false};
  if (index >= kFirstFunctionIndex && index < kInsertIndex) {
    const int offset = index - kFirstFunctionIndex;
    const FunctionBlock block = kFunctionBlocks[offset / kFunctionKeys];
    return Shortcut{static_cast<std::uint16_t>(virtual_key::kF1 + offset % kFunctionKeys), block.ctrl, block.shift};
  }
  if (index == kInsertIndex) return Shortcut{virtual_key::kInsert};
  if (index == kDeleteIndex) return Shortcut{virtual_key::kDelete};
  return std::nullopt;
}

std::string shortcut_name(int index) {
  const std::optional<Shortcut> shortcut = shortcut_of(index);
  if (!shortcut) return {};
  if (shortcut->key == virtual_key::kInsert) return "Ins";
  if (shortcut->key == virtual_key::kDelete) return "Del";
  std::string name;
  if (shortcut->ctrl) name += "Ctrl+";
  if (shortcut->shift) name += "Shift+";
  if (shortcut->key >= virtual_key::kF1) {
    name += 'F';
    name += std::to_string(shortcut->key - virtual_key::kF1 + 1);
  } else {
    name += static_cast<char>(shortcut->key);
  }
  return name;
}

}  // namespace host
