#pragma once

#include <cstdint>
#include <string>

namespace zelmora {

// Milliseconds as "hh:mm:ss": rounded to whole seconds (500 ms and more
// round up, carrying into minutes and hours); hours grow past two digits;
// 0 or less gives "00:00:00".
std::string FormatHms(int64_t milliseconds);

}  // namespace zelmora
