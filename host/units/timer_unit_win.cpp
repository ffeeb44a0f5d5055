#include "host/units/timer_unit_win.h"

#include <algorithm>
#include <utility>

#include "host/services/convert.h"

namespace host {

TimerUnit::TimerUnit(const UnitDefinition& definition, HWND owner) : Unit(definition), owner_(owner) { restart(); }

void TimerUnit::write(int index, int array_index, Value value) {
  if (index != prop::timer::kInterval) {
    Unit::write(index, array_index, std::move(value));
    return;
  }
  // A negative interval counts as 0, which stops the timer; the same
  // interval again leaves the running timer alone.
  if (properties_.set(index, std::max(0, to_integer(value)))) restart();
}

void TimerUnit::destroy() { KillTimer(owner_, timer_id()); }

void TimerUnit::restart() {
  KillTimer(owner_, timer_id());
  const std::int32_t interval = properties_.get_int(prop::timer::kInterval);
  if (interval > 0) SetTimer(owner_, timer_id(), static_cast<UINT>(interval), nullptr);
}

}  // namespace host
