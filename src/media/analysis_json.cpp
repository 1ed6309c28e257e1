#include "media/analysis_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/text.h"

namespace zelmora {

namespace {

// Writes one object per call of Begin/End, a member per line.
class JsonObjectWriter {
public:
  JsonObjectWriter(std::string& out, int indent) : m_out(out), m_indent(indent) {}

  void Begin() { m_out += "{"; }
  void End() { m_out += "\n" + std::string(m_indent * 2, ' ') + "}"; }
  void Key(std::string_view name) {
    m_out += m_first ? "\n" : ",\n";
    m_first = false;
    m_out += std::string((m_indent + 1) * 2, ' ') + JsonString(name) + ": ";
  }
  void Raw(std::string_view name, const std::string& value) {
    Key(name);
    m_out += value;
  }
  void Str(std::string_view name, std::string_view value) { Raw(name, JsonString(value)); }
  void Int(std::string_view name, int64_t value) { Raw(name, std::to_string(value)); }
  void Real(std::string_view name, double value) { Raw(name, JsonNumber(value)); }
  void Bool(std::string_view name, bool value) { Raw(name, value ? "true" : "false"); }
  int ChildIndent() const { return m_indent + 1; }

private:
  std::string& m_out;
  int m_indent;
  bool m_first = true;
};

std::string VideoStreamJson(const TVideoStreamInfo& v, int indent) {
  std::string out;
  JsonObjectWriter w(out, indent);
  w.Begin();
  w.Bool("Exists", v.Exists);
  w.Str("Codec", v.Codec);
  w.Str("CodecID", v.CodecID);
  w.Str("Profile", v.Profile);
  w.Str("PixelFormat", v.PixelFormat);
  w.Real("DAR", v.DAR);
  w.Str("DARStr", v.DARStr);
  w.Str("ScanType", v.ScanType);
  w.Int("Width", v.Width);
  w.Int("Height", v.Height);
  w.Int("Bitrate", v.Bitrate);
  w.Real("FPS", v.FPS);
  w.Real("BitsPerPixel", v.BitsPerPixel);
  w.Int("Frames", v.Frames);
  w.Int("StreamSize", v.StreamSize);
  w.Str("StreamSizeStr", v.StreamSizeStr);
  w.Int("StreamSizeInPercent", v.StreamSizeInPercent);
  w.Str("EncodedLibrary", v.EncodedLibrary);
  w.Int("StreamIndex", v.StreamIndex);
  w.End();
  return out;
}

std::string AudioStreamJson(const TAudioStreamInfo& a, int indent) {
  std::string out;
  JsonObjectWriter w(out, indent);
  w.Begin();
  w.Bool("Exists", a.Exists);
  w.Str("Codec", a.Codec);
  w.Str("CodecID", a.CodecID);
  w.Str("CodecFF", a.CodecFF);
  w.Str("Profile", a.Profile);
  w.Int("SamplingRate", a.SamplingRate);
  w.Int("Channels", a.Channels);
  w.Str("ChannelsStr", a.ChannelsStr);
  w.Int("BitsPerSample", a.BitsPerSample);
  w.Int("Frames", a.Frames);
  w.Int("Bitrate", a.Bitrate);
  w.Str("BitrateMode", a.BitrateMode);
  w.Str("Language", a.Language);
  w.Int("VideoDelay", a.VideoDelay);
  w.Int("StreamSize", a.StreamSize);
  w.Str("StreamSizeStr", a.StreamSizeStr);
  w.Int("StreamSizeInPercent", a.StreamSizeInPercent);
  w.Str("EncodedLibrary", a.EncodedLibrary);
  w.Int("StreamIndex", a.StreamIndex);
  w.Int("DurationMs", a.DurationMs);
  w.End();
  return out;
}

// "[" items "]" with one item per line, or "[]".
std::string JsonArray(const std::vector<std::string>& items, int indent) {
  if (items.empty()) return "[]";
  std::string pad((indent + 1) * 2, ' ');
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) out += (i ? ",\n" : "\n") + pad + items[i];
  return out + "\n" + std::string(indent * 2, ' ') + "]";
}

std::string StreamLinesJson(const TVideoFileInfo& info, int indent) {
  std::vector<std::string> lines;
  for (const TSTreamInfoStr& slot : info.StreamsStr)
    if (slot.StreamExists) lines.push_back(JsonString(slot.Str1));
  return JsonArray(lines, indent);
}

template <typename Entry, size_t N, typename ToJson>
std::string EntriesJson(const std::array<Entry, N>& entries, size_t count, int indent,
                        ToJson toJson) {
  std::vector<std::string> items;
  for (size_t i = 0; i < std::min(count, N); ++i) items.push_back(toJson(entries[i], indent + 1));
  return JsonArray(items, indent);
}

void AppendHex(std::string& out, unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04x", value);
  out += buffer;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string clean = SanitizeUtf8(text);
  std::string out = "\"";
  for (char c : clean) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20)
          AppendHex(out, static_cast<unsigned char>(c));
        else
          out += c;
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : "null";
}

std::string VideoFileInfoToJson(const TVideoFileInfo& info, int indent) {
  std::string out;
  JsonObjectWriter w(out, indent);
  int child = w.ChildIndent();
  w.Begin();
  w.Str("FileName", info.FileName);
  w.Int("FileSize", info.FileSize);
  w.Int("Seconds", info.Seconds);
  w.Real("Duration", info.Duration);
  w.Str("DurationStr", info.DurationStr);
  w.Int("Start", info.Start);
  w.Str("Format", info.Format);
  w.Str("FormatInfo", info.FormatInfo);
  w.Int("OverallBitrate", info.OverallBitrate);
  w.Raw("StreamsStr", StreamLinesJson(info, child));
  w.Raw("VideoStreams",
        EntriesJson(info.VideoStreams, info.NumberOfVideoStreams, child, VideoStreamJson));
  w.Raw("AudioStreams",
        EntriesJson(info.AudioStreams, info.NumberOfAudioStreams, child, AudioStreamJson));
  w.Int("NumberOfAudioStreams", info.NumberOfAudioStreams);
  w.Int("NumberOfVideoStreams", info.NumberOfVideoStreams);
  w.Int("NumberOfDataStreams", info.NumberOfDataStreams);
  w.Str("EncodedApplication", info.EncodedApplication);
  w.Str("MediaInfoFull", info.MediaInfoFull);
  w.End();
  return out;
}

std::string VideoFileInfoListToJson(const std::vector<TVideoFileInfo>& infos) {
  std::vector<std::string> items;
  for (const TVideoFileInfo& info : infos) items.push_back(VideoFileInfoToJson(info, 1));
  return JsonArray(items, 0) + "\n";
}

}  // namespace zelmora
