#include "filelist/display_format.h"

#include <cstdio>

namespace zelmora {

std::string FormatHms(int64_t milliseconds) {
  if (milliseconds <= 0) return "00:00:00";
  const int64_t seconds = (milliseconds + 500) / 1000;
  char text[48];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  return text;
}

}  // namespace zelmora
