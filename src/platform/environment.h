#pragma once

#include <string>

namespace zelmora {

// Value of an environment variable; "" when it is not set.
std::string GetEnvironmentVariable(const char* name);

}  // namespace zelmora
