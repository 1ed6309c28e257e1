#include "filelist/file_list_row.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text.h"
#include "filelist/display_format.h"

namespace zelmora {

using enum TFileListColumn;

std::string RowFullFileName(const TFileListRow& row) {
  if (!row.Directory.empty() && row.Directory.back() == '/') return row.Directory + row.FileName;
  return row.Directory + "/" + row.FileName;
}

TCellValue CellValue(const TFileListRow& row, TFileListColumn column) {
  switch (column) {
    case colNo:
      return row.No;
    case colActive:
      return row.Active;
    case colIcon:
      return static_cast<int64_t>(row.Icon);
    case colFileName:
      return row.FileName;
    case colDirectory:
      return row.Directory;
    case colSize:
      return row.Size;
    case colDuration:
      return row.Duration;
    case colVideo:
      return row.Video;
    case colVideoCodec:
      return row.VideoCodec;
    case colVideoCodecID:
      return row.VideoCodecID;
    case colVideoProfile:
      return row.VideoProfile;
    case colVideoBitrate:
      return row.VideoBitrate;
    case colVideoWidth:
      return row.VideoWidth;
    case colVideoHeight:
      return row.VideoHeight;
    case colVideoResolution:
      return row.VideoResolution;
    case colVideoDisplayAspect:
      return row.VideoDisplayAspect;
    case colVideoFPS:
      return row.VideoFPS;
    case colVideoBpp:
      return row.VideoBpp;
    case colVideoScanType:
      return row.VideoScanType;
    case colVideoStreamSize:
      return row.VideoStreamSize;
    case colAudio:
      return row.Audio;
    case colAudioCodec:
      return row.AudioCodec;
    case colAudioCodecID:
      return row.AudioCodecID;
    case colAudioProfile:
      return row.AudioProfile;
    case colAudioBitrate:
      return row.AudioBitrate;
    case colAudioChannels:
      return row.AudioChannels;
    case colAudioSampling:
      return row.AudioSampling;
    case colAudioStreamSize:
      return row.AudioStreamSize;
    case colStatus:
      return row.Status;
  }
  return std::monostate{};
}

namespace {

std::string PositiveThousands(int64_t value) {
  return value > 0 ? FormatThousands(value) : std::string();
}

std::string PositiveByteSize(int64_t value) {
  return value > 0 ? FormatByteSize(value) : std::string();
}

std::string PositiveFixed(double value, int decimals) {
  return value > 0 ? FormatFixedLocale(value, decimals) : std::string();
}

}  // namespace

std::string CellText(const TFileListRow& row, TFileListColumn column) {
  switch (column) {
    case colNo:
      return FormatThousands(row.No);
    case colActive:
    case colIcon:
      return {};
    case colSize:
      return FormatByteSize(row.Size);
    case colDuration:
      return row.Duration > 0 ? FormatHms(RoundHalfEven(row.Duration)) : std::string();
    case colVideoBitrate:
      return PositiveThousands(row.VideoBitrate);
    case colVideoWidth:
      return PositiveThousands(row.VideoWidth);
    case colVideoHeight:
      return PositiveThousands(row.VideoHeight);
    case colVideoFPS:
      return PositiveFixed(row.VideoFPS, 2);
    case colVideoBpp:
      return PositiveFixed(row.VideoBpp, 3);
    case colVideoStreamSize:
      return PositiveByteSize(row.VideoStreamSize);
    case colAudioBitrate:
      return PositiveThousands(row.AudioBitrate);
    case colAudioChannels:
      return PositiveThousands(row.AudioChannels);
    case colAudioSampling:
      return PositiveThousands(row.AudioSampling);
    case colAudioStreamSize:
      return PositiveByteSize(row.AudioStreamSize);
    default:
      return std::get<std::string>(CellValue(row, column));
  }
}

std::string ResolutionText(int64_t width, int64_t height) {
  if (width == 0 || height == 0) return {};
  return FormatThousands(width) + " x " + FormatThousands(height);
}

std::string VideoSummaryText(const TVideoStreamInfo& video) {
  std::string text = video.Codec;
  const std::string bitrate = FormatThousands(std::max<int32_t>(video.Bitrate, 0));
  if (bitrate != "0") text += ", " + bitrate + " kbit/s";
  const std::string resolution = ResolutionText(video.Width, video.Height);
  if (!resolution.empty()) text += ", " + resolution;
  if (StartsWith(text, ", ")) text.erase(0, 2);
  return text;
}

std::string AudioCodecText(const TAudioStreamInfo& audio) {
  std::string codec = audio.Codec;
  const size_t wma = codec.find("(Windows Media Audio)");
  if (wma != std::string::npos) codec.erase(wma, std::string_view("(Windows Media Audio)").size());
  codec = Trim(codec);
  const bool mpegLayer3 =
      codec.find("MPEG Audio - Version 1") != std::string::npos && audio.Profile == "Layer 3";
  if (mpegLayer3 || codec.find("(MP3)") != std::string::npos) return "MP3";
  return codec;
}

std::string AudioSummaryText(const TAudioStreamInfo& audio, const TAppStrings& strings) {
  std::string text = AudioCodecText(audio);
  if (audio.Bitrate != 0) {
    text += ", " + FormatThousands(audio.Bitrate) + " kbit/s";
    if (!audio.BitrateMode.empty()) text += " " + audio.BitrateMode;
  }
  if (audio.Channels != 0) {
    text += ", " + strings.FileInfo.lblChannels + " " + std::to_string(audio.Channels);
  }
  if (StartsWith(text, ", ")) text.erase(0, 2);
  if (EndsWith(text, ", ")) text.erase(text.size() - 2);
  return text;
}

std::string ScanTypeText(std::string_view scanType, const TAppStrings& strings) {
  const std::string text = LowerCase(Trim(scanType));
  if (text == "interlaced") return strings.FileInfo.ScanType_Interlaced;
  if (text == "progressive") return strings.FileInfo.ScanType_Progressive;
  return text;
}

namespace {

void FillVideoCells(TFileListRow& row, const TVideoStreamInfo& v, const TAppStrings& strings) {
  row.VideoCodec = v.Codec;
  row.VideoCodecID = v.CodecID;
  row.VideoProfile = v.Profile;
  row.VideoBitrate = std::max<int32_t>(v.Bitrate, 0);
  row.VideoWidth = v.Width;
  row.VideoHeight = v.Height;
  row.VideoResolution = ResolutionText(v.Width, v.Height);
  row.VideoDisplayAspect = v.DARStr;
  row.VideoFPS = v.FPS;
  row.VideoBpp = v.BitsPerPixel;
  row.VideoScanType = ScanTypeText(v.ScanType, strings);
  row.VideoStreamSize = v.StreamSize;
  row.Video = VideoSummaryText(v);
}

void FillAudioCells(TFileListRow& row, const TAudioStreamInfo& a, const TAppStrings& strings) {
  row.AudioCodec = AudioCodecText(a);
  row.AudioCodecID = a.CodecID;
  row.AudioProfile = a.Profile;
  row.AudioBitrate = a.Bitrate;
  row.AudioChannels = a.Channels;
  row.AudioSampling = a.SamplingRate;
  row.AudioStreamSize = a.StreamSize;
  row.Audio = AudioSummaryText(a, strings);
}

}  // namespace

void FillAnalysisCells(TFileListRow& row, const TVideoFileInfo& info, const TAppStrings& strings) {
  row.Duration = info.Duration;
  if (info.NumberOfVideoStreams > 0) FillVideoCells(row, info.VideoStreams[0], strings);
  if (info.NumberOfAudioStreams > 0) FillAudioCells(row, info.AudioStreams[0], strings);
}

}  // namespace zelmora
