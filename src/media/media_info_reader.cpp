#include "media/media_info_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

#include "base/numbers.h"
#include "base/text.h"
#include "media/analysis_text.h"

namespace zelmora {

namespace {

using Kind = MediaInfoStreamKind;

// Reads the parameters of one stream of one kind.
class StreamReader {
public:
  StreamReader(MediaInfoSource& source, Kind kind, size_t number)
      : m_source(source), m_kind(kind), m_number(number) {}

  std::string Text(const std::string& parameter) {
    return m_source.Get(m_kind, m_number, parameter);
  }
  std::optional<int32_t> Integer(const std::string& parameter) {
    return ParseDecimalInt(Text(parameter));
  }
  std::optional<double> Number(const std::string& parameter) {
    return ParseMediaInfoNumber(Text(parameter));
  }
  std::string TextOr(const std::string& parameter, const std::string& fallback) {
    std::string value = Text(parameter);
    return value.empty() ? Text(fallback) : value;
  }

private:
  MediaInfoSource& m_source;
  Kind m_kind;
  size_t m_number;
};

template <typename T>
void SetInRange(std::optional<int32_t> value, T& field) {
  if (value && *value >= 0 && static_cast<int64_t>(*value) <= std::numeric_limits<T>::max())
    field = static_cast<T>(*value);
}

template <typename T>
void SetNumber(std::optional<T> value, T& field) {
  if (value) field = *value;
}

// The decimal separator the user reads, for texts that are shown as they are.
std::string WithLocaleMark(const std::string& text) {
  std::string mark(1, DecimalSeparator());
  std::string result = ReplaceFirstText(text, ".", mark);
  return ReplaceFirstText(result, ",", mark);
}

void CountStreams(MediaInfoSource& source, std::array<std::optional<int32_t>, 7>& counts,
                  TVideoFileInfo& info) {
  for (int kind = 0; kind < MediaInfoStreamKindCount; ++kind) {
    counts[kind] = StreamReader(source, static_cast<Kind>(kind), 0).Integer("StreamCount");
    if (!counts[kind]) continue;
    int64_t total = info.NumberOfDataStreams + static_cast<int64_t>(*counts[kind]);
    info.NumberOfDataStreams = static_cast<uint16_t>(std::clamp<int64_t>(total, 0, UINT16_MAX));
  }
  SetInRange(counts[static_cast<int>(Kind::Video)], info.NumberOfVideoStreams);
  SetInRange(counts[static_cast<int>(Kind::Audio)], info.NumberOfAudioStreams);
  // The general stream is not one of the file's streams.
  if (info.NumberOfDataStreams > 0) --info.NumberOfDataStreams;
}

void ReadGeneral(MediaInfoSource& source, TVideoFileInfo& info) {
  StreamReader general(source, Kind::General, 0);
  info.Format = general.Text("Format");
  info.FormatInfo = general.Text("Format/Info");
  if (auto bitrate = general.Integer("OverallBitRate")) info.OverallBitrate = *bitrate / 1000;
  info.EncodedApplication = general.TextOr("Encoded_Application", "Encoded_Library");
}

std::string VideoCodec(StreamReader& stream) {
  std::string codec = stream.Text("Format");
  std::string version = stream.Text("Format_Version");
  return version.empty() ? codec : codec + " - " + version;
}

void ReadVideoNumbers(StreamReader& stream, double fileDuration, TVideoStreamInfo& video) {
  if (auto bitrate = stream.Integer("BitRate")) video.Bitrate = *bitrate / 1000;
  if (video.Bitrate < 0) video.Bitrate = 0;
  SetInRange(stream.Integer("Width"), video.Width);
  SetInRange(stream.Integer("Height"), video.Height);
  SetNumber(stream.Number("DisplayAspectRatio"), video.DAR);
  SetNumber(stream.Number("FrameRate"), video.FPS);
  if (auto frames = stream.Integer("FrameCount")) {
    if (*frames >= 0) {
      video.Frames = static_cast<uint32_t>(*frames);
    } else if (fileDuration > 0) {
      int64_t estimate = RoundHalfEven(fileDuration / 1000 * video.FPS);
      video.Frames = static_cast<uint32_t>(std::clamp<int64_t>(estimate, 0, UINT32_MAX));
    }
  }
  if (video.Bitrate > 0 && video.Width > 0 && video.Height > 0 && video.FPS > 0)
    video.BitsPerPixel = video.Bitrate * 1000.0 / (video.Width * video.Height * video.FPS);
  SetNumber(stream.Number("Bits-(Pixel*Frame)"), video.BitsPerPixel);
  if (auto size = stream.Integer("StreamSize")) video.StreamSize = *size;
}

void ReadVideoStream(MediaInfoSource& source, size_t n, TVideoFileInfo& info) {
  StreamReader stream(source, Kind::Video, n);
  TVideoStreamInfo& video = info.VideoStreams[n];
  video.Codec = VideoCodec(stream);
  video.CodecID = stream.TextOr("CodecID/Hint", "CodecID");
  video.Profile = stream.Text("Format_Profile");
  video.DARStr = WithLocaleMark(stream.Text("DisplayAspectRatio/String"));
  video.ScanType = stream.Text("ScanType/String");
  ReadVideoNumbers(stream, info.Duration, video);
  ParseMediaInfoSizeText(stream.Text("StreamSize/String"), video.StreamSizeStr,
                         video.StreamSizeInPercent);
  video.EncodedLibrary = stream.TextOr("Encoded_Application", "Encoded_Library/String");
}

// "AAC (mp4a-40-2)": the format, its version, and the codec hint when that
// says something the format does not.
std::string AudioCodec(StreamReader& stream) {
  std::string format = stream.Text("Format");
  std::string hint = stream.Text("CodecID/Hint");
  if (hint.empty() || ParseDecimalInt(hint)) hint = stream.Text("CodecID/Info");
  if (hint == format) hint.clear();
  std::string codec = format;
  std::string version = stream.Text("Format_Version");
  if (!version.empty()) codec += " - " + version;
  if (!hint.empty()) codec += " (" + hint + ")";
  return codec;
}

// "64000 / 128000" (one value per layer of a two-layer stream) is averaged.
std::optional<int64_t> AudioBitrateValue(const std::string& text) {
  size_t slash = text.find('/');
  if (slash == std::string::npos) return ParseDecimalInt(text);
  auto first = ParseDecimalInt(Trim(std::string_view(text).substr(0, slash)));
  auto second = ParseDecimalInt(Trim(std::string_view(text).substr(slash + 1)));
  if (!first || !second) return std::nullopt;
  return (static_cast<int64_t>(*first) + *second) / 2;
}

void ReadAudioBitrate(StreamReader& stream, TAudioStreamInfo& audio) {
  auto value = AudioBitrateValue(stream.Text("BitRate"));
  if (value && *value > 0) audio.Bitrate = static_cast<int32_t>(*value / 1000);
  if (audio.Bitrate < 0) audio.Bitrate = 0;
  audio.BitrateMode = stream.Text("BitRate_Mode");
  // A constant bitrate of 127999 bit/s is a 128 kbit/s stream.
  if (UpperCase(audio.BitrateMode) == "CBR" && audio.Bitrate % 2 != 0) ++audio.Bitrate;
}

// Current MediaInfo writes Matroska durations with decimals ("2003.000000"),
// so the value is read as a number and rounded to whole milliseconds.
void ReadAudioDuration(StreamReader& stream, TVideoFileInfo& info, TAudioStreamInfo& audio) {
  audio.DurationMs = 0;
  auto value = stream.Number("Duration");
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return;
  int64_t ms = RoundHalfEven(*value);
  audio.DurationMs = static_cast<int32_t>(ms);
  if (info.Duration <= 0) {
    info.Duration = static_cast<double>(ms);
    info.DurationStr = FormatMilliseconds(ms);
  }
}

void ReadAudioStream(MediaInfoSource& source, size_t n, TVideoFileInfo& info) {
  StreamReader stream(source, Kind::Audio, n);
  TAudioStreamInfo& audio = info.AudioStreams[n];
  audio.Codec = AudioCodec(stream);
  audio.CodecID = stream.Text("CodecID");
  ReadAudioDuration(stream, info, audio);
  audio.Profile = stream.Text("Format_Profile");
  ReadAudioBitrate(stream, audio);
  SetInRange(stream.Integer("Channel(s)_Original"), audio.Channels);
  if (audio.Channels == 0) SetInRange(stream.Integer("Channel(s)"), audio.Channels);
  audio.ChannelsStr = stream.Text("Channel(s)/String");
  SetNumber(stream.Integer("SamplingRate"), audio.SamplingRate);
  SetInRange(stream.Integer("BitDepth"), audio.BitsPerSample);
  SetInRange(stream.Integer("SamplingCount"), audio.Frames);
  SetNumber(stream.Integer("Video_Delay"), audio.VideoDelay);
  audio.Language = stream.Text("Language/String");
  if (auto size = stream.Integer("StreamSize")) audio.StreamSize = *size;
  ParseMediaInfoSizeText(stream.Text("StreamSize/String"), audio.StreamSizeStr,
                         audio.StreamSizeInPercent);
  audio.EncodedLibrary = stream.TextOr("Encoded_Library", "Encoded_Library/String");
}

}  // namespace

void ParseMediaInfoSizeText(const std::string& text, std::string& sizeText, uint8_t& percent) {
  std::string t = ReplaceFirstText(text, "MiB", "MB");
  t = ReplaceFirstText(t, "KiB", "KB");
  t = ReplaceFirstText(t, "GiB", "GB");
  size_t paren = t.find('(');
  if (paren == std::string::npos) {
    sizeText = t;
    return;
  }
  sizeText = Trim(std::string_view(t).substr(0, paren));
  std::string rest = t.substr(paren + 1);
  size_t close = rest.find("%)");
  if (close != std::string::npos) rest.erase(close, 2);
  auto value = ParseDecimalInt(rest);
  if (value && *value >= 0 && *value <= 100) percent = static_cast<uint8_t>(*value);
}

void ReadMediaInfoParameters(MediaInfoSource& source, TVideoFileInfo& info) {
  info.MediaInfoFull = source.Inform();
  std::array<std::optional<int32_t>, 7> counts;
  CountStreams(source, counts, info);
  auto general = counts[static_cast<int>(Kind::General)];
  if (general && *general > 0) ReadGeneral(source, info);
  auto videoCount = counts[static_cast<int>(Kind::Video)].value_or(0);
  for (int32_t n = 0; n < std::min<int32_t>(videoCount, MaxVideoStreams); ++n)
    ReadVideoStream(source, static_cast<size_t>(n), info);
  auto audioCount = counts[static_cast<int>(Kind::Audio)].value_or(0);
  for (int32_t n = 0; n < std::min<int32_t>(audioCount, MaxAudioStreams); ++n)
    ReadAudioStream(source, static_cast<size_t>(n), info);
}

}  // namespace zelmora
