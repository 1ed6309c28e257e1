#include "media/file_info_texts.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/paths.h"
#include "base/text.h"

namespace zelmora {

namespace {

// The entry of a 1-based stream number, or -1 when it shows nothing.
int StreamEntry(int number, int count, size_t entries) {
  if (number < 0) number = 1;
  if (number == 0 || number > count || number > static_cast<int>(entries)) return -1;
  return number - 1;
}

std::string WithCodecId(const std::string& codec, const std::string& id) {
  return id.empty() ? codec : codec + " (ID: " + id + ")";
}

std::string MapScanType(const std::string& scanType, const TFileInfoModuleStrings& strings) {
  const std::string word = LowerCase(Trim(scanType));
  if (word == "interlaced") return strings.ScanType_Interlaced;
  if (word == "progressive") return strings.ScanType_Progressive;
  return scanType;
}

std::string SizeWithPercent(const std::string& sizeText, uint8_t percent) {
  return sizeText + " (" + std::to_string(percent) + "%)";
}

TStreamChooser Chooser(int count, size_t entries, int number) {
  TStreamChooser chooser;
  const int n = std::min(count, static_cast<int>(entries));
  for (int i = 1; i <= n; ++i) chooser.Items.push_back(std::to_string(i));
  chooser.Selected = StreamEntry(number, count, entries);
  chooser.Enabled = n > 1;
  return chooser;
}

}  // namespace

TStreamChooser VideoStreamChooser(const TVideoFileInfo& info, int number) {
  return Chooser(info.NumberOfVideoStreams, info.VideoStreams.size(), number);
}

TStreamChooser AudioStreamChooser(const TVideoFileInfo& info, int number) {
  return Chooser(info.NumberOfAudioStreams, info.AudioStreams.size(), number);
}

TGeneralInfoTexts GeneralInfoTexts(const TVideoFileInfo& info) {
  TGeneralInfoTexts t;
  t.FileName = ExtractFileName(info.FileName);
  t.Directory = ExtractFileDir(info.FileName);
  while (t.Directory.find("//") != std::string::npos)
    t.Directory = ReplaceAll(t.Directory, "//", "/");
  t.FileSize = FormatByteSize(info.FileSize) + " (" + FormatThousands(info.FileSize) + " bytes)";
  t.Duration = info.DurationStr;
  t.OverallBitrate = FormatThousands(info.OverallBitrate) + " kbit/s";
  t.Format = info.FormatInfo.empty() ? info.Format : info.Format + " (" + info.FormatInfo + ")";
  t.EncodedApplication = info.EncodedApplication;
  t.NumberOfDataStreams = std::to_string(info.NumberOfDataStreams);
  t.NumberOfVideoStreams = std::to_string(info.NumberOfVideoStreams);
  t.NumberOfAudioStreams = std::to_string(info.NumberOfAudioStreams);
  return t;
}

TVideoStreamTexts VideoStreamTexts(const TVideoFileInfo& info, int number,
                                   const TFileInfoModuleStrings& strings) {
  TVideoStreamTexts t;
  const int entry = StreamEntry(number, info.NumberOfVideoStreams, info.VideoStreams.size());
  if (entry < 0) return t;
  const TVideoStreamInfo& v = info.VideoStreams[static_cast<size_t>(entry)];
  t.Codec = WithCodecId(v.Codec, v.CodecID);
  t.CodecOnly = v.Codec;
  t.Profile = v.Profile;
  if (v.Bitrate > 0) t.Bitrate = FormatThousands(v.Bitrate) + " kbit/s";
  t.Resolution = FormatThousands(v.Width) + " x " + FormatThousands(v.Height);
  t.DisplayAspect = v.DARStr;
  t.FPS = FormatFixedLocale(v.FPS, 2);
  t.ScanType = MapScanType(v.ScanType, strings);
  t.PixelFormat = v.PixelFormat;
  if (v.BitsPerPixel > 0) t.BitsPerPixel = FormatFixedLocale(v.BitsPerPixel, 3);
  t.Frames = "~ " + FormatThousands(v.Frames);
  if (v.StreamSize > 0) t.StreamSize = SizeWithPercent(v.StreamSizeStr, v.StreamSizeInPercent);
  t.EncodedLibrary = v.EncodedLibrary;
  t.StreamIndex = std::to_string(v.StreamIndex);
  return t;
}

TAudioStreamTexts AudioStreamTexts(const TVideoFileInfo& info, int number) {
  TAudioStreamTexts t;
  const int entry = StreamEntry(number, info.NumberOfAudioStreams, info.AudioStreams.size());
  if (entry < 0) return t;
  const TAudioStreamInfo& a = info.AudioStreams[static_cast<size_t>(entry)];
  t.Codec = WithCodecId(a.Codec, a.CodecID);
  t.CodecOnly = a.Codec;
  t.Profile = a.Profile;
  const std::string bitrate = FormatThousands(a.Bitrate);
  if (bitrate != "0") t.Bitrate = bitrate + " kbit/s  " + a.BitrateMode;
  t.Channels = std::to_string(a.Channels);
  const std::string rate = FormatThousands(a.SamplingRate);
  if (rate != "0") t.SamplingRate = rate + " Hz";
  if (a.BitsPerSample != 0) t.BitsPerSample = std::to_string(a.BitsPerSample);
  t.Samples = "~ " + FormatThousands(a.Frames);
  t.VideoDelay = std::to_string(a.VideoDelay) + " ms";
  t.Language = a.Language;
  if (!a.StreamSizeStr.empty() && a.StreamSizeStr != "0")
    t.StreamSize = SizeWithPercent(a.StreamSizeStr, a.StreamSizeInPercent);
  t.EncodedLibrary = a.EncodedLibrary;
  t.StreamIndex = std::to_string(a.StreamIndex);
  return t;
}

TDataStreamRow SplitDataStreamLine(std::string_view line) {
  const size_t first = line.find(':');
  const size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
  if (second == std::string_view::npos) return {"", std::string(line)};
  return {Trim(line.substr(0, second)), Trim(line.substr(second + 1))};
}

std::vector<TDataStreamRow> DataStreamRows(const TVideoFileInfo& info) {
  std::vector<TDataStreamRow> rows;
  for (const TSTreamInfoStr& line : info.StreamsStr) {
    if (line.StreamExists) rows.push_back(SplitDataStreamLine(line.Str1));
  }
  return rows;
}

std::string DataStreamsHeading(const TFileInfoModuleStrings& strings) {
  std::string name = strings.lblDataStreams;
  if (EndsWith(name, ":")) name.pop_back();
  return "  " + name + "   (FFmpeg)";
}

}  // namespace zelmora
