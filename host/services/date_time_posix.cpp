#include "host/services/date_time.h"

#include <ctime>

namespace host {

DateTime current_date_time() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return {};
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;  // 60 is a leap second
  return date_time_from_civil(
      {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, second});
}

}  // namespace host
