#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "host/services/date_time.h"

namespace host {
namespace {

TEST(CurrentDateTime, FollowsTheLocalClock) {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  const DateTime now = current_date_time();
  const DateTime expected =
      date_time_from_civil({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond});
  EXPECT_NEAR(now.days, expected.days, 2.5 / 86400);
  const double seconds = std::fabs(now.days - std::trunc(now.days)) * 86400;
  EXPECT_NEAR(seconds, std::round(seconds), 1e-4);  // whole seconds
}

}  // namespace
}  // namespace host
