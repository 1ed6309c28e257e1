// ffmpeg's console output as the conversion sees it: the captured lines
// tidied by FilterEncoderOutput, then read for progress and turned into the
// progress window's texts, for every run state.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "base/text.h"
#include "fuzz_support.h"
#include "i18n/app_strings.h"
#include "process/encoder_output_filter.h"
#include "process/encoder_progress.h"
#include "process/progress_display.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TAppStrings strings;
  FuzzedDataProvider provider(data, size);
  // The run state comes from the end of the input, the output text is the rest.
  TConversionState state;
  state.Running = true;
  state.NoVideoProgress = provider.ConsumeBool();
  state.TwoPass = provider.ConsumeBool();
  state.Pass = provider.ConsumeIntegralInRange(1, 2);
  state.FileCount = provider.ConsumeIntegralInRange(1, 1000);
  state.FileNo = provider.ConsumeIntegralInRange(1, state.FileCount);
  const bool showOutput = provider.ConsumeBool();
  TProgressParams params;
  params.ExpectedFrames = provider.ConsumeIntegral<uint32_t>();
  params.ProgramTitle = "Zelmora 1.5  [64-bit]";
  std::vector<std::string> lines = Split(provider.ConsumeRemainingBytesAsString(), '\n');

  for (const std::string& line : lines) {
    if (!line.empty()) IsIgnorableEncoderLine(line);
  }
  FilterEncoderOutput(lines);
  for (const std::string& line : lines) Require(!line.empty(), "the filter removes empty lines");
  std::vector<std::string> again = lines;
  FilterEncoderOutput(again);

  const TEncoderProgress progress = ReadEncoderProgress(lines, params.ExpectedFrames);
  Require(progress.Percent >= 0 && progress.Percent <= 100, "the percentage stays in 0..100");
  const TProgressDisplay display =
      InterpretEncoderOutput(lines, state, strings, params, showOutput);
  Require(display.Percent >= 0 && display.Percent <= 100, "the shown percentage stays in 0..100");
  return 0;
}
