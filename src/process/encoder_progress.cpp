#include "process/encoder_progress.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

#include "base/numbers.h"
#include "base/text.h"
#include "process/text_match.h"

namespace zelmora {
namespace {

constexpr std::string_view SpeedBadgeOpen = " <b><FONT bgcolor=\"#496954\" color=\"#E0EBE0\">  ";
constexpr std::string_view SpeedBadgeClose = "  </FONT></b> ";

// The size field's unit: "kB" up to ffmpeg 6.0, "KiB" from 6.1 on.
std::optional<size_t> FindSizeUnit(std::string_view text) {
  size_t kb = FindAsciiText(text, "KB ");
  size_t kib = FindAsciiText(text, "KIB ");
  size_t pos = std::min(kb, kib);
  if (pos == std::string_view::npos) return std::nullopt;
  return pos;
}

// "size=" is matched with its case, so the "Lsize=" of the final report counts too.
void ReadSize(std::string_view line, TEncoderProgress& progress) {
  size_t pos = line.find("size=");
  if (pos == std::string_view::npos) return;
  std::string rest = Trim(line.substr(pos + 5));
  std::optional<size_t> unit = FindSizeUnit(rest);
  if (!unit) return;
  std::string number = rest.substr(0, *unit);
  progress.SizeText = number;
  // A count of kilobytes with no byte count in 64 bits is not a size: it
  // stays as the raw text, like any other text that is not a number.
  constexpr int64_t MaxKilobytes = std::numeric_limits<int64_t>::max() / 1024;
  constexpr int64_t MinKilobytes = std::numeric_limits<int64_t>::min() / 1024;
  std::optional<int64_t> kilobytes = ParseInt64(number);
  if (kilobytes && *kilobytes <= MaxKilobytes && *kilobytes >= MinKilobytes)
    progress.SizeText = "<b>" + FormatByteSize(*kilobytes * 1024) + "</b>";
}

void ReadSpeed(std::string_view line, TEncoderProgress& progress) {
  size_t pos = line.find("speed=");
  if (pos == std::string_view::npos) return;
  progress.SpeedText =
      std::string(SpeedBadgeOpen) + Trim(line.substr(pos + 6)) + std::string(SpeedBadgeClose);
}

void ReadFrameAndFps(std::string_view line, TEncoderProgress& progress) {
  if (!StartsWithAsciiText(line, "frame=")) return;
  std::string_view rest = line.substr(6);
  size_t pos = rest.find("fps=");
  if (pos == std::string_view::npos) return;
  if (std::optional<int32_t> frames = ParseInt32(Trim(rest.substr(0, pos))))
    progress.Frames = *frames;
  std::string fps = Trim(rest.substr(pos + 4));
  size_t blank = fps.find(' ');
  if (blank != std::string::npos) progress.FpsText = fps.substr(0, blank);
}

}  // namespace

int32_t ProgressPercent(int32_t frames, uint32_t expectedFrames) {
  if (frames == 0 || expectedFrames == 0) return 0;
  int64_t percent = RoundHalfEven(static_cast<double>(frames) * 100.0 / expectedFrames);
  return static_cast<int32_t>(std::clamp<int64_t>(percent, 0, 100));
}

TEncoderProgress ReadEncoderProgress(const std::vector<std::string>& lines,
                                     uint32_t expectedFrames) {
  TEncoderProgress progress;
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    std::string_view line = *it;
    if (StartsWithAsciiText(line, "Multiple frames in a packet from stream")) {
      TEncoderProgress stopped;
      stopped.Stopped = true;
      return stopped;
    }
    ReadSize(line, progress);
    ReadSpeed(line, progress);
    ReadFrameAndFps(line, progress);
  }
  progress.Percent = ProgressPercent(progress.Frames, expectedFrames);
  return progress;
}

}  // namespace zelmora
