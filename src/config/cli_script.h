#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelmora {

// `zelmora-cli script -o OUT.sh [OPTION]... FILE...`: the script export.
// Returns the exit status.
int RunCliScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
