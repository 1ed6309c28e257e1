#include "media/probe_parser.h"

#include <algorithm>
#include <cstdint>

#include "base/command_line.h"
#include "base/numbers.h"
#include "base/paths.h"
#include "base/text.h"
#include "media/analysis_text.h"

namespace zelmora {

namespace {

constexpr size_t KeptStreamLines = MaxStreamLines - 1;

uint32_t ToCardinal(int64_t value) {
  return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, UINT32_MAX));
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// "start: 1.500000, bitrate: ..." — the start time counts whole seconds and
// is taken off the playing time (never below 0); Duration keeps it.
void ApplyStartTime(std::string_view rest, double seconds, TVideoFileInfo& info) {
  size_t pos = rest.find("start:");
  if (pos != std::string_view::npos) {
    std::string text = Trim(rest.substr(pos + 6));
    if (auto value = ParseProbeNumber(CutBefore(text, ","))) {
      info.Start = ToCardinal(RoundHalfEven(*value));
      seconds -= *value;
    }
  }
  if (seconds < 0) seconds = 0;
  info.Seconds = ToCardinal(RoundHalfEven(seconds));
}

// The overall bitrate less 60 kbit/s for the audio is a first guess at the
// video bitrate; the stream line and MediaInfo may know better.
void ApplyOverallBitrate(std::string_view rest, TVideoFileInfo& info) {
  size_t pos = rest.find("bitrate:");
  if (pos == std::string_view::npos) return;
  std::string text = Trim(CutBefore(rest.substr(pos + 8), "kb/s"));
  if (auto n = ParseDecimalInt(text)) {
    int32_t bitrate = *n;
    if (bitrate > 100) bitrate -= 60;
    if (bitrate < 0) bitrate = 0;
    info.VideoStreams[0].Bitrate = bitrate;
  }
}

// Item 0 is "Stream #0:0(und): Video: h264 (High)"; the codec text is what
// follows the label, less the blank after it.
std::string CodecText(const std::string& item, std::string_view label) {
  size_t pos = item.find(label);
  if (pos == std::string::npos) return Trim(item);
  std::string_view rest = std::string_view(item).substr(pos + label.size());
  if (!rest.empty()) rest.remove_prefix(1);
  return Trim(rest);
}

void ReadFrameRate(std::string_view item, TVideoStreamInfo& video) {
  std::string text = Trim(CutBefore(CutBefore(item, "fps"), "tbr"));
  if (auto fps = ParseProbeNumber(text)) video.FPS = *fps;
}

void ReadFrameSize(std::string_view item, TVideoStreamInfo& video) {
  size_t x = item.find('x');
  if (x == std::string_view::npos) return;
  auto width = ParseDecimalInt(item.substr(0, x));
  auto height = ParseDecimalInt(Trim(CutBefore(item.substr(x + 1), "[")));
  if (width && *width >= 0 && *width <= UINT16_MAX) video.Width = static_cast<uint16_t>(*width);
  if (height && *height >= 0 && *height <= UINT16_MAX)
    video.Height = static_cast<uint16_t>(*height);
}

// "200 kb/s" replaces the estimate, except that ffmpeg reports the mpeg1video
// stream of some files with an absurd bitrate of 10000 kb/s and more.
void ReadVideoBitrate(std::string_view item, TVideoStreamInfo& video) {
  if (!Contains(item, "kb/s")) return;
  auto value = ParseDecimalInt(Trim(CutBefore(item, "kb/s")));
  if (!value) return;
  int32_t previous = video.Bitrate;
  if (*value > 0) video.Bitrate = *value;
  if (*value >= 10000 && video.Codec == "mpeg1video") video.Bitrate = previous;
}

void InterpretVideoLine(const std::string& line, uint32_t seconds, TVideoStreamInfo& video) {
  video.StreamIndex = ProbeStreamIndex(line);
  std::vector<std::string> items = SplitStreamItems(line);
  for (size_t k = 0; k < items.size() && k <= 5; ++k) {
    const std::string& item = items[k];
    if (k == 0) {
      video.Exists = true;
      video.Codec = CodecText(item, "Video:");
    } else if (k == 1) {
      video.PixelFormat = item;
    } else if (k == 2) {
      ReadFrameSize(item, video);
    } else if (k == 3) {
      ReadVideoBitrate(item, video);
      if (Contains(item, "tbr") || Contains(item, "fps")) ReadFrameRate(item, video);
    } else if (k == 4 || video.FPS == 0) {
      ReadFrameRate(item, video);
    }
  }
  if (video.Bitrate > 0 && video.Width > 0 && video.Height > 0 && video.FPS > 0)
    video.BitsPerPixel = video.Bitrate * 1000.0 / (video.Width * video.Height * video.FPS);
  video.Frames = ToCardinal(RoundHalfEven(seconds * video.FPS));
}

void ReadSampleFormat(std::string_view item, TAudioStreamInfo& audio) {
  std::string text = Trim(CutBefore(item, "("));
  std::string_view bits = text;
  if (!bits.empty() && bits.front() == 's') bits.remove_prefix(1);
  auto value = ParseDecimalInt(bits);
  if (value && *value >= 0 && *value <= UINT8_MAX)
    audio.BitsPerSample = static_cast<uint8_t>(*value);
}

void InterpretAudioLine(const std::string& line, TAudioStreamInfo& audio) {
  audio.StreamIndex = ProbeStreamIndex(line);
  std::vector<std::string> items = SplitStreamItems(line);
  for (size_t k = 0; k < items.size(); ++k) {
    const std::string& item = items[k];
    if (k == 0) {
      audio.Exists = true;
      audio.Codec = CodecText(item, "Audio:");
      audio.CodecFF = Trim(CutBefore(audio.Codec, " "));
    }
    if (Contains(item, "kb/s")) {
      if (auto value = ParseDecimalInt(Trim(CutBefore(item, "kb/s")))) audio.Bitrate = *value;
    }
    if (k == 3) ReadSampleFormat(item, audio);
    // Other layouts ("5.1(side)") are left for MediaInfo, which counts them.
    if (audio.Channels == 0 && item == "stereo") audio.Channels = 2;
    if (audio.Channels == 0 && item == "mono") audio.Channels = 1;
  }
}

}  // namespace

void ParseProbeDurationLine(std::string_view line, TVideoFileInfo& info) {
  size_t pos = line.find("Duration:");
  if (pos == std::string_view::npos) return;
  std::string_view rest = line.substr(pos + 9);
  size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return;
  info.DurationStr = Trim(rest.substr(0, comma));
  double seconds = ParseTimeText(info.DurationStr);
  info.Duration = seconds * 1000;
  info.Seconds = ToCardinal(RoundHalfEven(seconds));
  rest.remove_prefix(comma + 1);
  ApplyStartTime(rest, seconds, info);
  ApplyOverallBitrate(rest, info);
}

bool CollectProbeStreamLine(std::string_view line, size_t& count, TVideoFileInfo& info) {
  // "Guessed Channel Layout for Input Stream #0.0 : mono" is not a stream.
  if (!Contains(line, "Stream #") || StartsWith(TrimLeft(line), "Guess")) return false;
  ++count;
  if (count <= KeptStreamLines) {
    info.StreamsStr[count - 1].StreamExists = true;
    info.StreamsStr[count - 1].Str1 = Trim(line);
  }
  return true;
}

void InterpretProbeStreams(TVideoFileInfo& info) {
  for (const TSTreamInfoStr& slot : info.StreamsStr) {
    if (!slot.StreamExists) continue;
    const std::string& line = slot.Str1;
    if (Contains(line, "Video:")) {
      ++info.NumberOfVideoStreams;
      if (info.NumberOfVideoStreams > MaxVideoStreams) continue;
      InterpretVideoLine(line, info.Seconds, info.VideoStreams[info.NumberOfVideoStreams - 1]);
    } else if (Contains(line, "Audio:")) {
      ++info.NumberOfAudioStreams;
      if (info.NumberOfAudioStreams > MaxAudioStreams) continue;
      InterpretAudioLine(line, info.AudioStreams[info.NumberOfAudioStreams - 1]);
    }
  }
}

void ApplyProbeOutput(const std::vector<std::string>& lines, TVideoFileInfo& info) {
  size_t count = 0;
  for (const std::string& line : lines) {
    ParseProbeDurationLine(line, info);
    CollectProbeStreamLine(line, count, info);
  }
  InterpretProbeStreams(info);
}

uint8_t ProbeStreamIndex(std::string_view line) {
  size_t hash = line.find('#');
  if (hash == std::string_view::npos) return 0;
  std::string_view three = line.substr(hash + 1, 3);
  size_t colon = three.find(':');
  if (colon == std::string_view::npos || colon + 1 >= three.size()) return 0;
  char digit = three[colon + 1];
  return (digit >= '0' && digit <= '9') ? static_cast<uint8_t>(digit - '0') : 0;
}

std::string ProbeParameters(const std::string& fileName) {
  std::string name = IsAbsolutePath(fileName) ? fileName : ExpandFileName(fileName);
  return "-i " + QuoteArgumentAlways(name);
}

}  // namespace zelmora
