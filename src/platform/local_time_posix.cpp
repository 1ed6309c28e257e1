#include <sys/time.h>
#include <time.h>

#include "platform/local_time.h"

namespace zelmora {

LocalDateTime LocalTimeNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  LocalDateTime result;
  result.Year = local.tm_year + 1900;
  result.Month = local.tm_mon + 1;
  result.Day = local.tm_mday;
  result.Hour = local.tm_hour;
  result.Minute = local.tm_min;
  // A leap second shows as 60; keep the name within the usual range.
  result.Second = local.tm_sec > 59 ? 59 : local.tm_sec;
  result.Millisecond = static_cast<int>(now.tv_nsec / 1000000);
  return result;
}

}  // namespace zelmora
