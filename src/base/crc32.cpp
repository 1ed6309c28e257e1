#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>

#include "base/files.h"

namespace zelmora {

Result<uint32_t> FileCrc32(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ErrnoError("Cannot open " + path);
  uLong crc = crc32(0L, Z_NULL, 0);
  unsigned char buf[65536];
  while (true) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      Error error = ErrnoError("Cannot read " + path);
      close(fd);
      return error;
    }
    crc = crc32(crc, buf, static_cast<uInt>(n));
  }
  close(fd);
  return static_cast<uint32_t>(crc);
}

}  // namespace zelmora
