// The update-information parser: any reply the server (or anything posing
// as it) sends is evaluated and shown.
#include <string>

#include "fuzz_support.h"
#include "tools/update_check.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(fuzz::AsText(data, size));
  const TUpdateCheckResult result = EvaluateUpdateReply(text, "1.5");
  const TUpdateCheckMessages messages{"checking", "failed", "cannot", "none", "available"};
  UpdatePaneText(result, messages);
  UpdateStateLook(result.State);
  if (text.empty()) Require(result.State == TUpdateCheckState::ucConnectionFailed, "empty fails");
  if (result.State == TUpdateCheckState::ucUpdateAvailable) {
    Require(CompareVersionStrings(result.LatestVersion, "1.5") > 0, "a newer version sorts after");
    Require(CompareVersionStrings("1.5", result.LatestVersion) < 0, "the comparison is symmetric");
  }
  return 0;
}
