#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "base/result.h"

namespace zelmora {

// The times of a file. Linux keeps a birth time on most file systems and
// lets us read it, but offers no way to set it: only the access and
// modification times travel to another file.
struct FileDates {
  std::optional<timespec> Creation;  // when the file system reports one
  timespec LastAccess{};
  timespec LastWrite{};
};

// The dates of a file; none when the file cannot be examined.
std::optional<FileDates> ReadFileDates(const std::string& fileName);

// Sets the access and modification times (to the nanosecond). The creation
// time is left alone because the system cannot set it.
Status WriteFileDates(const std::string& fileName, const FileDates& dates);

}  // namespace zelmora
