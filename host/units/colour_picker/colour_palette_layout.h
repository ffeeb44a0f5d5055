// Where the colour palette popup draws its cells and the more-colours entry,
// in client pixels scaled from a 96-dpi design, and where the popup goes on
// the screen.
#pragma once

#include <optional>

namespace host {

struct PaletteRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  // Smaller by `by` on every side.
  PaletteRect inset(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  friend bool operator==(const PaletteRect&, const PaletteRect&) = default;
};

class PaletteLayout {
 public:
  explicit PaletteLayout(int dpi);

  // A length of the 96-dpi design at this layout's dpi.
  int scaled(int design_pixels) const;

  int client_width() const;
  int client_height() const;
  // A cell's whole area: the focus ring, the current-colour ring and the swatch
  // inside it.
  PaletteRect cell(int index) const;
  // The line between the cells and the more-colours entry.
  PaletteRect separator() const;
  PaletteRect more_colours() const;
  // The cell or the more-colours entry under the point, if any.
  std::optional<int> entry_at(int x, int y) const;
  // The area of any entry (a cell or the more-colours entry).
  PaletteRect entry(int entry) const;

 private:
  int dpi_;
};

// The window's rectangle moved as little as needed to lie inside the area (a
// monitor's work area); a window larger than the area keeps its top-left edge
// inside.
PaletteRect keep_inside(PaletteRect window, PaletteRect area);

}  // namespace host
