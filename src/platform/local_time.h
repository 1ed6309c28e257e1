#pragma once

namespace zelmora {

// A broken-down local date and time with milliseconds.
struct LocalDateTime {
  int Year = 0;
  int Month = 0;  // 1-12
  int Day = 0;    // 1-31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

LocalDateTime LocalTimeNow();

}  // namespace zelmora
