// Dates and times as the host holds them: days since 1899-12-30 00:00 with the
// time of day as the fraction.
#pragma once

#include "host/services/value.h"

namespace host {

struct CivilTime {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0;
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The earliest and latest days a date-time may hold (years 100 and 9999);
// values outside are clamped, and not-a-number counts as day 0.
inline constexpr double kEarliestDay = -657434;
inline constexpr double kLatestDay = 2958465;

DateTime date_time_from_civil(const CivilTime& time);
CivilTime civil_from_date_time(DateTime value);

// "%d年%d月%d日", then "%d时%d分%d秒" when the seconds are not 0, else
// "%d时%d分" when the minutes are not 0, else "%d时" when the hour is not 0.
Text date_time_to_text(DateTime value);

// The local clock in whole seconds.
DateTime current_date_time();

}  // namespace host
