#include "core/file_dates.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace zelmora {

std::optional<FileDates> ReadFileDates(const std::string& fileName) {
  struct statx info {};
  if (statx(AT_FDCWD, fileName.c_str(), 0, STATX_ATIME | STATX_MTIME | STATX_BTIME, &info) != 0)
    return std::nullopt;
  auto toTimespec = [](const statx_timestamp& t) {
    timespec ts{};
    ts.tv_sec = t.tv_sec;
    ts.tv_nsec = t.tv_nsec;
    return ts;
  };
  FileDates dates;
  if (info.stx_mask & STATX_BTIME) dates.Creation = toTimespec(info.stx_btime);
  dates.LastAccess = toTimespec(info.stx_atime);
  dates.LastWrite = toTimespec(info.stx_mtime);
  return dates;
}

Status WriteFileDates(const std::string& fileName, const FileDates& dates) {
  const timespec times[2] = {dates.LastAccess, dates.LastWrite};
  if (utimensat(AT_FDCWD, fileName.c_str(), times, 0) != 0)
    return ErrnoError("Cannot set the dates of " + fileName);
  return Status::Ok();
}

}  // namespace zelmora
