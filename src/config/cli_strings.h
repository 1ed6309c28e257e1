#pragma once

#include <ostream>

namespace zelmora {

// `zelmora-cli strings`: prints the complete English language file, the
// template a translator starts from. Returns the exit status.
int RunCliStrings(std::ostream& out);

}  // namespace zelmora
