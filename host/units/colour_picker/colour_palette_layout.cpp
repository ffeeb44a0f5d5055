#include "host/units/colour_picker/colour_palette_layout.h"

#include <algorithm>

#include "host/units/colour_picker/colour_palette.h"

namespace host {
namespace {

// The design at 96 dpi: a margin round everything, square cells, a gap with an
// etched line, then the more-colours row as wide as the cells.
constexpr int kMargin = 4;
constexpr int kCell = 24;
constexpr int kSeparatorGap = 4;
constexpr int kSeparatorLine = 2;
constexpr int kMoreRowHeight = 24;

}  // namespace

PaletteLayout::PaletteLayout(int dpi) : dpi_(dpi > 0 ? dpi : 96) {}

int PaletteLayout::scaled(int design_pixels) const { return (design_pixels * dpi_ + 48) / 96; }

PaletteRect PaletteLayout::cell(int index) const {
  const int row = index / kPaletteColumns;
  const int column = index % kPaletteColumns;
  const int left = scaled(kMargin + column * kCell);
  const int top = scaled(kMargin + row * kCell);
  return {left, top, scaled(kMargin + (column + 1) * kCell), scaled(kMargin + (row + 1) * kCell)};
}

PaletteRect PaletteLayout::separator() const {
  const int top = cell(kPaletteColourCount - 1).bottom + scaled(kSeparatorGap);
  return {scaled(kMargin), top, cell(kPaletteColumns - 1).right, top + scaled(kSeparatorLine)};
}

PaletteRect PaletteLayout::more_colours() const {
  const PaletteRect line = separator();
  const int top = line.bottom + scaled(kSeparatorGap);
  return {line.left, top, line.right, top + scaled(kMoreRowHeight)};
}

int PaletteLayout::client_width() const { return more_colours().right + scaled(kMargin); }

int PaletteLayout::client_height() const { return more_colours().bottom + scaled(kMargin); }

PaletteRect PaletteLayout::entry(int entry) const {
  return entry == kMoreColoursEntry ? more_colours() : cell(entry);
}

std::optional<int> PaletteLayout::entry_at(int x, int y) const {
  for (int index = 0; index < kPaletteEntryCount; ++index)
    if (entry(index).contains(x, y)) return index;
  return std::nullopt;
}

PaletteRect keep_inside(PaletteRect window, PaletteRect area) {
  const int left = std::max(area.left, std::min(window.left, area.right - window.width()));
  const int top = std::max(area.top, std::min(window.top, area.bottom - window.height()));
  return {left, top, left + window.width(), top + window.height()};
}

}  // namespace host
