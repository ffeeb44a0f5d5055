// The ColorPicker unit: a hidden child window of its own small class, so that
// it has a handle and receives the messages sent to it.
#pragma once

#include "host/units/unit_win.h"

namespace host {

class ColourPickerUnit : public ControlUnit {
 public:
  ColourPickerUnit(const UnitDefinition& definition, HWND parent);
};

}  // namespace host
