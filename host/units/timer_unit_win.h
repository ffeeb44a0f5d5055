// The Timer unit: a system timer on its form's window, identified by the
// unit's id, ticking every `Interval` milliseconds while that is above 0.
#pragma once

#include "host/units/unit_win.h"

namespace host {

class TimerUnit : public Unit {
 public:
  // Starts at once when the interval is above 0.
  TimerUnit(const UnitDefinition& definition, HWND owner);

  void write(int index, int array_index, Value value) override;
  void destroy() override;

  UINT_PTR timer_id() const { return id(); }

 private:
  void restart();

  HWND owner_;
};

}  // namespace host
