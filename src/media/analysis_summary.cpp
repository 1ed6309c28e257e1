#include "media/analysis_summary.h"

#include <algorithm>
#include <vector>

#include "base/numbers.h"
#include "base/text.h"
#include "media/analysis_text.h"

namespace zelmora {

namespace {

void AddPart(std::vector<std::string>& parts, const std::string& part) {
  if (!part.empty()) parts.push_back(part);
}

std::string Positive(int64_t value, const std::string& unit) {
  return value > 0 ? std::to_string(value) + unit : std::string();
}

std::string SizePart(const std::string& sizeText, uint8_t percent) {
  if (sizeText.empty()) return {};
  return percent > 0 ? sizeText + " (" + std::to_string(percent) + "%)" : sizeText;
}

std::string VideoLine(const TVideoStreamInfo& v, size_t number) {
  std::vector<std::string> parts;
  AddPart(parts, v.Codec.empty() ? "unknown codec" : v.Codec);
  AddPart(parts, v.Profile);
  if (v.Width > 0 && v.Height > 0)
    parts.push_back(std::to_string(v.Width) + "x" + std::to_string(v.Height));
  AddPart(parts, v.DARStr.empty() ? std::string() : "DAR " + v.DARStr);
  if (v.FPS > 0) parts.push_back(FormatFloat(v.FPS) + " fps");
  AddPart(parts, Positive(v.Bitrate, " kb/s"));
  AddPart(parts, Positive(v.Frames, " frames"));
  AddPart(parts, v.ScanType);
  AddPart(parts, SizePart(v.StreamSizeStr, v.StreamSizeInPercent));
  return "  Video " + std::to_string(number) + ": " + Join(parts, ", ") + "\n";
}

std::string AudioLine(const TAudioStreamInfo& a, size_t number) {
  std::vector<std::string> parts;
  AddPart(parts, a.Codec.empty() ? "unknown codec" : a.Codec);
  AddPart(parts, Positive(a.SamplingRate, " Hz"));
  if (!a.ChannelsStr.empty())
    parts.push_back(a.ChannelsStr);
  else if (a.Channels > 0)
    parts.push_back(std::to_string(a.Channels) + (a.Channels == 1 ? " channel" : " channels"));
  std::string bitrate = Positive(a.Bitrate, " kb/s");
  if (!bitrate.empty() && !a.BitrateMode.empty()) bitrate += " " + a.BitrateMode;
  AddPart(parts, bitrate);
  AddPart(parts, a.Language);
  AddPart(parts, SizePart(a.StreamSizeStr, a.StreamSizeInPercent));
  return "  Audio " + std::to_string(number) + ": " + Join(parts, ", ") + "\n";
}

std::string GeneralLines(const TVideoFileInfo& info) {
  std::string out = info.FileName + "\n";
  out += "  Size: " + Trim(FormatByteSize(info.FileSize)) + " (" + FormatThousands(info.FileSize) +
         " bytes)\n";
  if (!info.DurationStr.empty() || info.Duration > 0) {
    std::string duration = info.DurationStr.empty()
                               ? FormatMilliseconds(RoundHalfEven(info.Duration))
                               : info.DurationStr;
    out += "  Duration: " + duration;
    if (info.Start > 0) out += ", start " + std::to_string(info.Start) + " s";
    out += "\n";
  }
  std::vector<std::string> format;
  AddPart(format, info.Format);
  AddPart(format, info.FormatInfo);
  AddPart(format, Positive(info.OverallBitrate, " kb/s overall"));
  if (!format.empty()) out += "  Format: " + Join(format, ", ") + "\n";
  if (!info.EncodedApplication.empty()) out += "  Written by: " + info.EncodedApplication + "\n";
  return out;
}

}  // namespace

std::string FormatAnalysisSummary(const TVideoFileInfo& info) {
  std::string out = GeneralLines(info);
  out += "  Streams: " + std::to_string(info.NumberOfVideoStreams) + " video, " +
         std::to_string(info.NumberOfAudioStreams) + " audio";
  if (info.NumberOfDataStreams > 0)
    out += ", " + std::to_string(info.NumberOfDataStreams) + " in all";
  out += "\n";
  size_t videos = std::min<size_t>(info.NumberOfVideoStreams, MaxVideoStreams);
  for (size_t i = 0; i < videos; ++i) out += VideoLine(info.VideoStreams[i], i + 1);
  size_t audios = std::min<size_t>(info.NumberOfAudioStreams, MaxAudioStreams);
  for (size_t i = 0; i < audios; ++i) out += AudioLine(info.AudioStreams[i], i + 1);
  return out;
}

}  // namespace zelmora
