#include "core/program_title.h"

#include "core/app_params.h"

namespace zelmora {

std::string ProgramTitle() {
  return std::string(ProgramName) + " " + ProgramVersion + "  [" + BuildBits() + "-bit]";
}

}  // namespace zelmora
