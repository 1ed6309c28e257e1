#include <unistd.h>

#include <vector>

#include "platform/executable_path.h"

namespace zelmora {

std::string ExecutablePath() {
  // readlink does not say how long the name is, so grow until it fits.
  std::vector<char> buffer(1024);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return {};
    if (static_cast<size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace zelmora
