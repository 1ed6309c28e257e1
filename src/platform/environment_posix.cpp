#include <cstdlib>

#include "platform/environment.h"

namespace zelmora {

std::string GetEnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace zelmora
