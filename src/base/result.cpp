#include "base/result.h"

#include <cerrno>
#include <cstring>

namespace zelmora {

Error ErrnoError(const std::string& what) {
  const int code = errno;
  return Error{code, what + ": " + std::strerror(code)};
}

}  // namespace zelmora
