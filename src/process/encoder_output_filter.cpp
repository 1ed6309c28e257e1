#include "process/encoder_output_filter.h"

#include <string_view>

#include "process/text_match.h"

namespace zelmora {
namespace {

enum class RuleKind { Starts, Contains, ContainsBoth };

struct IgnoreRule {
  RuleKind kind;
  std::string_view text;
  std::string_view other = {};
};

// ffmpeg's banner and the warnings that say nothing about the result, in the
// order they are tested. "Starts" ignores case and keeps leading blanks.
constexpr IgnoreRule IgnoreRules[] = {
    {RuleKind::Starts, "FFmpeg version"},
    {RuleKind::Starts, "  configuration:"},
    {RuleKind::Starts, "  built with gcc"},
    {RuleKind::Starts, "  libavutil "},
    {RuleKind::Starts, "  libavcodec "},
    {RuleKind::Starts, "  libavresample "},
    {RuleKind::Starts, "  libavformat "},
    {RuleKind::Starts, "  libavdevice "},
    {RuleKind::Starts, "  libswscale"},
    {RuleKind::Starts, "  libpostproc"},
    {RuleKind::Starts, "  built on "},
    {RuleKind::Starts, "  libavcore "},
    {RuleKind::Starts, "  libavfilter "},
    {RuleKind::Starts, "  libswresample "},
    {RuleKind::Starts, "Unable to parse option value"},
    {RuleKind::Starts, "Multiple frames in a packet from stream"},
    {RuleKind::Starts, "[mpeg4 @ 01478BD0]"},
    {RuleKind::Starts, "-async is forwarded"},
    {RuleKind::Contains, "Note: libopencore_amrnb supports dtx"},
    {RuleKind::ContainsBoth, "h263 @", "warning, clipping"},
    {RuleKind::Contains,
     "The requested thread algorithm is not supported with this thread library."},
    {RuleKind::Contains, "Buffering several frames is not supported. Please consume all available"},
    {RuleKind::Contains, "Warning, extension is not"},
    {RuleKind::ContainsBoth, "vcd", "buffer underflow"},
    {RuleKind::ContainsBoth, "mpeg4", "Error at MB:"},
    {RuleKind::ContainsBoth, "mpeg4", "concealing"},
    {RuleKind::Contains, "ff asf skip"},
    {RuleKind::Contains, "ff asf bad header"},
    {RuleKind::Contains, "freeing incomplete packet size"},
    {RuleKind::Contains, "Last message repeated"},
    {RuleKind::Contains, "Invalid and inefficient vfw-avi packed B frames detected"},
    {RuleKind::ContainsBoth, "mpeg @", "Invalid timestamps"},
    {RuleKind::Starts, "Press [q] to stop"},
    {RuleKind::Contains, "Invalid data found when processing input"},
    {RuleKind::Contains, "Header missing"},
    {RuleKind::Contains, "start time is not set in estimate_timings_from_pts"},
    {RuleKind::Contains, "Consider increasing the value for the"},
    {RuleKind::ContainsBoth, "mpegts", "hdmv_pgs_subtitle"},
    {RuleKind::Contains, "Application provided invalid, non monotonically increasing"},
    {RuleKind::Contains, "Non-monotonous DTS in output stream"},
    {RuleKind::Contains, "Queue input is backward in time"},
    {RuleKind::Starts, "Past duration"},
    {RuleKind::Contains, "Not yet implemented in FFmpeg, patches welcome"},
    {RuleKind::Contains, "Update your FFmpeg version to the newest one from Git"},
    {RuleKind::ContainsBoth, "amrnb", "Corrupt bitstream"},
    {RuleKind::Contains, "Using AVStream.codec to pass codec parameters to muxers is deprecated"},
    {RuleKind::ContainsBoth, "warning", "dct coefficients to"},
    {RuleKind::Contains, "video_delay is larger in decoder than demuxer 1 > 0."},
    {RuleKind::Contains, "If you want to help, upload a sample"},
    {RuleKind::ContainsBoth, "overread", "enddists:"},
    {RuleKind::Contains, "pts has no value"},
    {RuleKind::ContainsBoth, "Invalid pixel aspect ratio", "reducing"},
};
static_assert(std::size(IgnoreRules) == 52);

// ffmpeg's banner ends with the project's web address in parentheses; when
// the first progress line follows without a line end the two share a line.
constexpr std::string_view MergedBannerMark = "ffmpeg.org)frame=";

bool IsBlank(std::string_view line) {
  for (char c : line)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

bool Contains(std::string_view line, std::string_view part) {
  return line.find(part) != std::string_view::npos;
}

bool Matches(const IgnoreRule& rule, std::string_view line) {
  switch (rule.kind) {
    case RuleKind::Starts:
      return StartsWithAsciiText(line, rule.text);
    case RuleKind::Contains:
      return Contains(line, rule.text);
    case RuleKind::ContainsBoth:
      return Contains(line, rule.text) && Contains(line, rule.other);
  }
  return false;
}

}  // namespace

bool IsIgnorableEncoderLine(const std::string& line) {
  for (const IgnoreRule& rule : IgnoreRules)
    if (Matches(rule, line)) return true;
  return false;
}

void FilterEncoderOutput(std::vector<std::string>& encoderOutput) {
  size_t kept = 0;
  for (size_t i = 0; i < encoderOutput.size(); ++i) {
    std::string& line = encoderOutput[i];
    if (IsBlank(line)) continue;
    size_t merged = line.find(MergedBannerMark);
    if (merged != std::string::npos) {
      line.erase(0, merged + MergedBannerMark.size() - std::string_view("frame=").size());
    } else if (IsIgnorableEncoderLine(line)) {
      continue;
    }
    if (kept != i) encoderOutput[kept] = std::move(line);
    ++kept;
  }
  encoderOutput.resize(kept);
}

}  // namespace zelmora
