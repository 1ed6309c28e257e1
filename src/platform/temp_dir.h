#pragma once

#include <string>

namespace zelmora {

// The folder for temporary files: $TMPDIR when set and not empty, else
// "/tmp". Returned without a trailing "/".
std::string TempDir();

}  // namespace zelmora
