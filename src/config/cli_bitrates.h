#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zelmora {

// `zelmora-cli bitrates`: the report of valid audio bitrates per encoder and
// sampling rate. Returns the exit status.
int RunCliBitrates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
