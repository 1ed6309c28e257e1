#include "process/progress_display.h"

#include <string_view>

#include "base/text.h"

namespace zelmora {
namespace {

constexpr std::string_view Separator = "    ::    ";

std::string PassBadge(const TConversionState& state, const TAppStrings& strings) {
  bool first = state.Pass == 1;
  std::string background = first ? "#D63D16" : "#2462C8";
  std::string color = first ? "#FAD3C9" : "#D5EBFD";
  return "  <font bgcolor=\"" + background + "\" color=\"" + color + "\"><b>  " +
         strings.Progress.Conversion_Pass + " " + std::to_string(state.Pass) + "  </b></font> ";
}

std::string JoinLines(const std::vector<std::string>& lines) {
  return Join(lines, "\n");
}

}  // namespace

std::string BuildStatusText(const TEncoderProgress& progress, const TConversionState& state,
                            const TAppStrings& strings, uint32_t expectedFrames) {
  const auto& s = strings.Progress;
  std::string fileNo = std::to_string(state.FileNo);
  std::string fileCount = std::to_string(state.FileCount);
  if (state.NoVideoProgress) return s.ConvertingFile + " " + fileNo + " / " + fileCount;
  std::string text = s.ConvertingFile + " <b>" + fileNo + "</b> / <b>" + fileCount + "</b>";
  if (state.TwoPass) text += PassBadge(state, strings);
  text += std::string(Separator) + s.Conversion_Speed + " " + progress.SpeedText;
  text += state.TwoPass ? " (" : " ( ";
  text += progress.FpsText + " " + s.Conversion_FramesPerSecond;
  text += state.TwoPass ? ")" : " )";
  text += std::string(Separator) + s.Conversion_Frame + " " + std::to_string(progress.Frames) +
          " / ~" + std::to_string(expectedFrames);
  text += std::string(Separator) + progress.SizeText;
  return text;
}

std::string BuildPaneText(const std::vector<std::string>& lines, bool showOutput, int32_t percent,
                          const TAppStrings& strings) {
  if (showOutput || percent == 100) return JoinLines(lines);
  std::string all = JoinLines(lines);
  // ffmpeg's closing summary holds both; it means the encoding has ended.
  if (all.find("global headers:") != std::string::npos &&
      all.find("muxing overhead:") != std::string::npos)
    return all;
  return strings.Main.PleaseWait;
}

TProgressDisplay InterpretEncoderOutput(const std::vector<std::string>& lines,
                                        const TConversionState& state, const TAppStrings& strings,
                                        const TProgressParams& params, bool showOutput) {
  TProgressDisplay display;
  TEncoderProgress progress = ReadEncoderProgress(lines, params.ExpectedFrames);
  if (progress.Stopped) {
    display.Stopped = true;
    return display;
  }
  display.Percent = progress.Percent;
  display.StatusText = BuildStatusText(progress, state, strings, params.ExpectedFrames);
  if (display.Percent > 0) {
    std::string percent = std::to_string(display.Percent);
    display.AppTitle = percent + "% " + params.ProgramTitle;
    display.Caption = strings.Progress.lblProgress + " " + percent + "%";
  }
  display.PaneText = BuildPaneText(lines, showOutput, display.Percent, strings);
  display.ScrollPane = showOutput && params.ScrollToBottom;
  return display;
}

}  // namespace zelmora
