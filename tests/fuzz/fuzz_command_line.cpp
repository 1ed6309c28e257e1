// The Windows-rules argv splitter and its quoting inverse. Both ways round:
// any text splits, and the split list joined and split again is the same
// list; any argument list (NUL-separated in the input) quoted and split gives
// the original list.
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/text.h"
#include "fuzz_support.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::AsText(data, size);

  const std::vector<std::string> split = SplitCommandLine(text);
  Require(SplitCommandLine(JoinCommandLine(split)) == split, "a split line joins and splits back");

  std::vector<std::string> args = Split(text, '\0');
  if (!args.empty() && args.back().empty()) args.pop_back();
  Require(SplitCommandLine(JoinCommandLine(args)) == args, "a quoted list splits back");
  for (const std::string& arg : args) {
    Require(SplitCommandLine(QuoteArgumentAlways(arg)) == std::vector<std::string>{arg},
            "an argument always quoted splits back");
    Require(SplitCommandLine("-i " + QuoteArgument(arg) + " x") ==
                std::vector<std::string>{"-i", arg, "x"},
            "a quoted argument between others splits back");
  }
  return 0;
}
