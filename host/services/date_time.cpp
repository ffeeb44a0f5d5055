#include "host/services/date_time.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace host {
namespace {

constexpr long long kSecondsPerDay = 86400;

// Days since 1970-01-01 of a date in the proleptic Gregorian calendar
// (H. Hinnant's days_from_civil).
constexpr long long days_from_civil(long long year, long long month, long long day) {
  year -= month <= 2;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long year_of_era = year - era * 400;
  const long long day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

constexpr long long kDayZero = days_from_civil(1899, 12, 30);

void set_civil_from_days(long long days_since_1970, CivilTime& time) {
  const long long z = days_since_1970 + 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long day_of_era = z - era * 146097;
  const long long year_of_era = (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long month_from_march = (5 * day_of_year + 2) / 153;
  time.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  time.month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  time.year = static_cast<int>(year_of_era + era * 400 + (time.month <= 2));
}

}  // namespace

// Before 1899-12-30 the value is negative but its fraction is still the time
// of day: 1899-12-29 06:00 is -1.25.
DateTime date_time_from_civil(const CivilTime& time) {
  const double day = static_cast<double>(days_from_civil(time.year, time.month, time.day) - kDayZero);
  const double fraction = (time.hour * 3600 + time.minute * 60 + time.second) / static_cast<double>(kSecondsPerDay);
  return {day < 0 ? day - fraction : day + fraction};
}

// The time of day is rounded to the nearest second, so a value a hair below
// midnight reads as the next day's 0:00. Not-a-number counts as day 0.
CivilTime civil_from_date_time(DateTime value) {
  const double days = std::isnan(value.days) ? 0.0 : std::clamp(value.days, kEarliestDay, kLatestDay);
  const double whole = std::trunc(days);
  long long day = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(days - whole) * kSecondsPerDay);
  if (seconds == kSecondsPerDay) {
    seconds = 0;
    ++day;
  }
  CivilTime time;
  set_civil_from_days(day + kDayZero, time);
  time.hour = static_cast<int>(seconds / 3600);
  time.minute = static_cast<int>(seconds / 60 % 60);
  time.second = static_cast<int>(seconds % 60);
  return time;
}

Text date_time_to_text(DateTime value) {
  const CivilTime time = civil_from_date_time(value);
  Text text = std::to_string(time.year) + "年" + std::to_string(time.month) + "月" + std::to_string(time.day) + "日";
  // The time is shown down to its last non-zero part.
  const int shown_parts = time.second != 0 ? 3 : time.minute != 0 ? 2 : time.hour != 0 ? 1 : 0;
  if (shown_parts >= 1) text += std::to_string(time.hour) + "时";
  if (shown_parts >= 2) text += std::to_string(time.minute) + "分";
  if (shown_parts >= 3) text += std::to_string(time.second) + "秒";
  return text;
}

}  // namespace host
