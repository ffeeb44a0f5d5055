// The colour picker's palette: 32 named colours in the order its popup shows
// them (eight to a row), the entry after them that opens the system's colour
// dialog, and how the keyboard moves through them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace host {

struct PaletteColour {
  std::string_view name;  // GBK, shown as the cell's tooltip
  std::int32_t colour;    // COLORREF 0x00BBGGRR
};

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 4;
inline constexpr int kPaletteColourCount = kPaletteColumns * kPaletteRows;
// The entry after the last cell: "其他颜色…", the system's colour dialog.
inline constexpr int kMoreColoursEntry = kPaletteColourCount;
inline constexpr int kPaletteEntryCount = kPaletteColourCount + 1;

inline constexpr std::string_view kMoreColoursCaption = "其他颜色…";

std::span<const PaletteColour, kPaletteColourCount> palette_colours();

// The first cell holding the colour, if any.
std::optional<int> palette_index_of(std::int32_t colour);

// The keyboard's place in the palette. The more-colours entry spans every
// column; it remembers the column it was reached from, so that Up and Down
// bring the focus back to that column.
struct PaletteFocus {
  int entry = 0;
  int column = 0;
  friend bool operator==(const PaletteFocus&, const PaletteFocus&) = default;
};

enum class PaletteMove { Left, Right, Up, Down };

// The focus on an entry, with that entry's column.
PaletteFocus palette_focus_on(int entry);

// Left and Right step through all entries in order and wrap around from the
// more-colours entry to the first cell and back; Up and Down move within a
// column and pass through the more-colours entry between the last and the
// first row.
PaletteFocus move_palette_focus(PaletteFocus focus, PaletteMove move);

}  // namespace host
