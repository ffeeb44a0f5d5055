#include "host/services/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>
#include <random>

namespace host {
namespace {

struct DayCase {
  CivilTime time;
  double days;
};

const DayCase kDayCases[] = {
    {{1899, 12, 30, 0, 0, 0}, 0},
    {{1900, 1, 1, 0, 0, 0}, 2},
    {{1900, 3, 1, 0, 0, 0}, 61},  // 1900 is no leap year
    {{2000, 2, 29, 0, 0, 0}, 36585},
    {{2026, 12, 7, 9, 5, 0}, 46363 + (9 * 3600 + 5 * 60) / 86400.0},
    {{1899, 12, 30, 12, 0, 0}, 0.5},
    {{1899, 12, 29, 6, 0, 0}, -1.25},  // before day 0 the fraction is still the time of day
    {{1899, 12, 29, 0, 0, 0}, -1},
    {{1800, 1, 1, 18, 0, 0}, -36522.75},
    {{100, 1, 1, 0, 0, 0}, kEarliestDay},
    {{9999, 12, 31, 0, 0, 0}, kLatestDay},
};

TEST(DateTime, ConvertsCivilTimesBothWays) {
  for (const DayCase& c : kDayCases) {
    EXPECT_DOUBLE_EQ(date_time_from_civil(c.time).days, c.days) << c.days;
    EXPECT_EQ(civil_from_date_time({c.days}), c.time) << c.days;
  }
}

TEST(DateTime, NegativeValuesBetweenDays) {
  // -0.5 and 0.5 are both noon of day 0: the sign belongs to the day alone.
  EXPECT_EQ(civil_from_date_time({-0.5}), (CivilTime{1899, 12, 30, 12, 0, 0}));
  EXPECT_EQ(civil_from_date_time({-1.5}), (CivilTime{1899, 12, 29, 12, 0, 0}));
  EXPECT_EQ(civil_from_date_time({-2.999999999}), (CivilTime{1899, 12, 29, 0, 0, 0}));
}

TEST(DateTime, RoundsToTheNearestSecond) {
  EXPECT_EQ(civil_from_date_time({0.999999999}), (CivilTime{1899, 12, 31, 0, 0, 0}));
  EXPECT_EQ(civil_from_date_time({3.0 / 86400}), (CivilTime{1899, 12, 30, 0, 0, 3}));
  EXPECT_EQ(civil_from_date_time({(3.0 - 1e-7) / 86400}), (CivilTime{1899, 12, 30, 0, 0, 3}));
}

TEST(DateTime, ClampsToYears100To9999) {
  const CivilTime earliest{100, 1, 1, 0, 0, 0};
  const CivilTime latest{9999, 12, 31, 0, 0, 0};
  EXPECT_EQ(civil_from_date_time({-1e9}), earliest);
  EXPECT_EQ(civil_from_date_time({-std::numeric_limits<double>::infinity()}), earliest);
  EXPECT_EQ(civil_from_date_time({1e9}), latest);
  EXPECT_EQ(civil_from_date_time({std::numeric_limits<double>::infinity()}), latest);
  EXPECT_EQ(civil_from_date_time({std::numeric_limits<double>::quiet_NaN()}), CivilTime{});
}

TEST(DateTime, EverySecondRoundTrips) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> year(100, 9999), month(1, 12), day(1, 28), hour(0, 23), minute(0, 59);
  for (int i = 0; i < 20000; ++i) {
    const CivilTime time{year(random), month(random), day(random), hour(random), minute(random), minute(random)};
    ASSERT_EQ(civil_from_date_time(date_time_from_civil(time)), time) << time.year << "-" << time.month;
  }
}

struct TextCase {
  CivilTime time;
  std::string_view text;
};

const TextCase kTextCases[] = {
    {{2026, 12, 7, 9, 5, 0}, "2026年12月7日9时5分"},
    {{2026, 12, 7, 0, 0, 0}, "2026年12月7日"},
    {{2026, 12, 7, 9, 0, 0}, "2026年12月7日9时"},
    {{2026, 1, 2, 0, 0, 7}, "2026年1月2日0时0分7秒"},
    {{2026, 1, 2, 0, 5, 0}, "2026年1月2日0时5分"},
};

TEST(DateTimeToText, ShowsTheTimeDownToItsLastNonZeroPart) {
  for (const TextCase& c : kTextCases) EXPECT_EQ(date_time_to_text(date_time_from_civil(c.time)), c.text);
  EXPECT_EQ(date_time_to_text({-1e9}), "100年1月1日");
}

TEST(CurrentDateTime, IsTheLocalClockInWholeSeconds) {
  const std::time_t before = std::time(nullptr);
  const DateTime now = current_date_time();
  std::tm local{};
  ASSERT_NE(localtime_r(&before, &local), nullptr);
  const DateTime expected = date_time_from_civil(
      {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
  EXPECT_NEAR(now.days, expected.days, 2.5 / 86400);
  const double seconds = std::fabs(now.days - std::trunc(now.days)) * 86400;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
}

}  // namespace
}  // namespace host
