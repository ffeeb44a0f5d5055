// The EditBox unit: a Windows EDIT control made from the unit's properties,
// with its own font, colours and background brush. Its content and selection
// are read from the control; positions and lengths are GBK bytes.
#pragma once

#include <cstdint>

#include "host/units/unit_win.h"

namespace host {

class EditBoxUnit : public ControlUnit {
 public:
  // Creates the control hidden; created() tells whether that worked.
  EditBoxUnit(const UnitDefinition& definition, HWND parent, int dpi);

  Value read(int index, int array_index) const override;
  void write(int index, int array_index, Value value) override;
  HBRUSH colour_control(HDC dc) const override;

  // Moves the caret to the end, scrolls it into view and inserts the text.
  void append(const Text& text);

  // Grows with every change of the text: the control's own (typing, paste,
  // undo: note_change on its EN_CHANGE) and every write of it.
  std::uint64_t changes() const { return changes_; }
  void note_change() { ++changes_; }

 private:
  void apply_font();
  void apply_back_colour();
  void set_selection_start(std::int32_t byte_position);
  void set_selection_length(std::int32_t length);

  int dpi_;
  std::uint64_t changes_ = 0;
  OwnedFont font_;
  OwnedBrush back_brush_;
};

}  // namespace host
