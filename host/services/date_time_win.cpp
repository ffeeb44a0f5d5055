#include "host/services/date_time.h"

#include <windows.h>

namespace host {

DateTime current_date_time() {
  SYSTEMTIME local{};
  GetLocalTime(&local);
  return date_time_from_civil({local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond});
}

}  // namespace host
