#include "config/cli_bitrates.h"

#include "base/text.h"
#include "core/audio_bitrates.h"

namespace zelmora {

int RunCliBitrates(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    out << "Usage: zelmora-cli bitrates\n"
           "Print the valid audio bitrates (kbit/s) of each encoder at each sampling rate.\n";
    return 0;
  }
  if (!args.empty()) {
    err << "zelmora-cli bitrates: unexpected argument '" << args[0] << "'\n"
        << "Try 'zelmora-cli bitrates --help' for more information.\n";
    return 2;
  }
  out << ReplaceAll(AudioBitrateReportText(), "\r\n", "\n");
  return 0;
}

}  // namespace zelmora
