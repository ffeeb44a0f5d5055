// The colour picker's choice: a popup window with the palette's 32 cells and
// the "其他颜色…" entry that opens the system's colour dialog. It is modeless:
// opening it returns at once, and a choice arrives later through a callback.
// While it is open it holds the activation and the mouse capture, like a
// drop-down list: a click outside it or the loss of the activation cancels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "host/services/handles_win.h"
#include "host/units/colour_picker/colour_palette.h"
#include "host/units/colour_picker/colour_palette_layout.h"

namespace host {

inline constexpr wchar_t kColourPaletteClassName[] = L"VerbrookColourPalette";

class ColourPalettePopup {
 public:
  // Called with the picked colour after the popup has closed and the focus is
  // back where it was; a cancel calls nothing.
  using Picked = std::function<void(std::int32_t colour)>;

  explicit ColourPalettePopup(Picked picked);
  ~ColourPalettePopup();
  ColourPalettePopup(const ColourPalettePopup&) = delete;
  ColourPalettePopup& operator=(const ColourPalettePopup&) = delete;

  // Shows the palette owned by `owner` with its top-left corner at `anchor`
  // (screen pixels, kept inside the monitor's work area), `current` marked
  // and focused. When it is open already it only takes the focus again.
  void open(HWND owner, POINT anchor, std::int32_t current);
  // Closes it for good, without a choice.
  void destroy() { window_.reset(); }

 private:
  static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
  bool create(HWND owner);
  void add_tooltips();
  void place(POINT anchor);
  void take_focus();
  void paint(HDC dc) const;
  void draw_cell(HDC dc, int index) const;
  void draw_more_colours(HDC dc) const;
  std::optional<int> current_entry() const;
  void move_focus(PaletteFocus focus);
  void on_key(WPARAM key);
  void on_mouse_move(int x, int y);
  void on_button_down(int x, int y, bool left);
  void on_button_up(int x, int y);
  void choose(int entry);
  void dismiss();

  Picked picked_;
  PaletteLayout layout_{96};
  HWND owner_ = nullptr;
  HWND previous_focus_ = nullptr;
  std::int32_t current_ = 0;
  PaletteFocus focus_;
  std::optional<int> pressed_;
  bool dismissing_ = false;
  bool choosing_more_ = false;
  OwnedWindow window_;
  OwnedWindow tooltip_;  // declared last: destroyed before its owner
};

}  // namespace host
