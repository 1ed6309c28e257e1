#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "i18n/app_strings.h"
#include "process/conversion_state.h"
#include "process/encoder_progress.h"

namespace zelmora {

// The plain values the output handler needs besides the output itself.
struct TProgressParams {
  uint32_t ExpectedFrames = 0;  // Frames of the current input's first video stream
  std::string FfmpegPath;       // the encoder the forced abort kills
  std::string ProgramTitle;     // "Zelmora 1.5  [64-bit]", after the percentage in the title
  bool ScrollToBottom = true;   // keep the newest output line in view
};

// Everything one look at the output tells the progress window.
struct TProgressDisplay {
  bool Stopped = false;    // nothing to show on this call
  int32_t Percent = 0;     // > 0: move the bar, set the title and caption
  std::string StatusText;  // rich text
  std::string AppTitle;
  std::string Caption;
  std::string PaneText;
  bool ScrollPane = false;
};

// The one-line status in its three forms (no video; two passes; one pass).
std::string BuildStatusText(const TEncoderProgress& progress, const TConversionState& state,
                            const TAppStrings& strings, uint32_t expectedFrames);

// The output pane: the whole output when it is shown; with the output
// hidden "Please wait..." until the encoding reached 100 % or ffmpeg wrote
// its closing summary.
std::string BuildPaneText(const std::vector<std::string>& lines, bool showOutput, int32_t percent,
                          const TAppStrings& strings);

// The whole interpretation of the output (the output filter has already run
// when the output is shown).
TProgressDisplay InterpretEncoderOutput(const std::vector<std::string>& lines,
                                        const TConversionState& state, const TAppStrings& strings,
                                        const TProgressParams& params, bool showOutput);

}  // namespace zelmora
