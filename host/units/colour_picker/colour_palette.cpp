#include "host/units/colour_picker/colour_palette.h"

#include <array>

namespace host {
namespace {

constexpr std::array<PaletteColour, kPaletteColourCount> kColours{{
    {"黑色", 0x00000000}, {"藏青", 0x00800000}, {"墨绿", 0x00008000}, {"深青", 0x00808000},
    {"红褐", 0x00000080}, {"紫红", 0x00800080}, {"褐绿", 0x00008080}, {"浅灰", 0x00C0C0C0},
    {"灰色", 0x00808080}, {"蓝色", 0x00FF0000}, {"绿色", 0x0000FF00}, {"艳青", 0x00FFFF00},
    {"红色", 0x000000FF}, {"品红", 0x00FF00FF}, {"黄色", 0x0000FFFF}, {"白色", 0x00FFFFFF},
    {"蓝灰", 0x00FF8080}, {"藏蓝", 0x00E03058}, {"嫩绿", 0x0000E080}, {"青绿", 0x0080E000},
    {"黄褐", 0x000060C0}, {"粉红", 0x00FFA8FF}, {"嫩黄", 0x0000D8D8}, {"银白", 0x00ECECEC},
    {"紫色", 0x00FF0090}, {"天蓝", 0x00FF8800}, {"灰绿", 0x0080A080}, {"青蓝", 0x00C06000},
    {"橙黄", 0x000080FF}, {"桃红", 0x008050FF}, {"芙红", 0x00C080FF}, {"深灰", 0x00606060},
}};

constexpr int kLastRowStart = kPaletteColourCount - kPaletteColumns;

}  // namespace

std::span<const PaletteColour, kPaletteColourCount> palette_colours() { return kColours; }

std::optional<int> palette_index_of(std::int32_t colour) {
  for (int index = 0; index < kPaletteColourCount; ++index)
    if (kColours[static_cast<std::size_t>(index)].colour == colour) return index;
  return std::nullopt;
}

PaletteFocus palette_focus_on(int entry) {
  return {entry, entry == kMoreColoursEntry ? 0 : entry % kPaletteColumns};
}

PaletteFocus move_palette_focus(PaletteFocus focus, PaletteMove move) {
  const bool on_more = focus.entry == kMoreColoursEntry;
  switch (move) {
    case PaletteMove::Right:
      if (focus.entry == kPaletteColourCount - 1) return {kMoreColoursEntry, focus.column};
      return palette_focus_on(on_more ? 0 : focus.entry + 1);
    case PaletteMove::Left:
      if (focus.entry == 0) return {kMoreColoursEntry, 0};
      return palette_focus_on(on_more ? kPaletteColourCount - 1 : focus.entry - 1);
    case PaletteMove::Down:
      if (on_more) return palette_focus_on(focus.column);
      if (focus.entry >= kLastRowStart) return {kMoreColoursEntry, focus.column};
      return palette_focus_on(focus.entry + kPaletteColumns);
    case PaletteMove::Up:
      if (on_more) return palette_focus_on(kLastRowStart + focus.column);
      if (focus.entry < kPaletteColumns) return {kMoreColoursEntry, focus.column};
      return palette_focus_on(focus.entry - kPaletteColumns);
  }
  return focus;
}

}  // namespace host
