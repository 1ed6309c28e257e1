#pragma once

#include <string>

namespace zelmora {

// Full path of the running program with symbolic links resolved; "" when the
// system does not tell.
std::string ExecutablePath();

}  // namespace zelmora
