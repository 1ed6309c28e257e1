#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zelmora {

// How deeply a file is analysed when it is added to the list.
enum class TFileAnalysis { faNone, faQuick, faFull };

// One stream description line of the ffmpeg probe.
struct TSTreamInfoStr {
  bool StreamExists = false;
  std::string Str1;
};

struct TVideoStreamInfo {
  bool Exists = false;
  std::string Codec;
  std::string CodecID;
  std::string Profile;
  std::string PixelFormat;
  double DAR = 0;
  std::string DARStr;
  std::string ScanType;
  uint16_t Width = 0;
  uint16_t Height = 0;
  int32_t Bitrate = 0;  // kbit/s
  double FPS = 0;
  double BitsPerPixel = 0;
  uint32_t Frames = 0;
  int64_t StreamSize = 0;
  std::string StreamSizeStr;
  uint8_t StreamSizeInPercent = 0;
  std::string EncodedLibrary;
  uint8_t StreamIndex = 0;
};

struct TAudioStreamInfo {
  bool Exists = false;
  std::string Codec;
  std::string CodecID;
  std::string CodecFF;
  std::string Profile;
  int32_t SamplingRate = 0;  // Hz
  uint8_t Channels = 0;
  std::string ChannelsStr;
  uint8_t BitsPerSample = 0;
  uint32_t Frames = 0;
  int32_t Bitrate = 0;  // kbit/s
  std::string BitrateMode;
  std::string Language;
  int32_t VideoDelay = 0;  // ms
  int64_t StreamSize = 0;
  std::string StreamSizeStr;
  uint8_t StreamSizeInPercent = 0;
  std::string EncodedLibrary;
  uint8_t StreamIndex = 0;
  int32_t DurationMs = 0;
};

constexpr size_t MaxStreamLines = 64;  // the last slot is never written
constexpr size_t MaxVideoStreams = 10;
constexpr size_t MaxAudioStreams = 48;

// Everything known about one input file. A plain value: copying copies all.
struct TVideoFileInfo {
  std::string FileName;  // full path, no length limit
  int64_t FileSize = 0;
  uint32_t Seconds = 0;
  double Duration = 0;  // ms
  std::string DurationStr;
  uint32_t Start = 0;
  std::string Format;
  std::string FormatInfo;
  int32_t OverallBitrate = 0;  // kbit/s
  std::array<TSTreamInfoStr, MaxStreamLines> StreamsStr{};
  std::array<TVideoStreamInfo, MaxVideoStreams> VideoStreams{};
  std::array<TAudioStreamInfo, MaxAudioStreams> AudioStreams{};
  uint8_t NumberOfAudioStreams = 0;
  uint8_t NumberOfVideoStreams = 0;
  uint16_t NumberOfDataStreams = 0;
  std::string EncodedApplication;
  std::string MediaInfoFull;
};

void InitVideoFileInfo(TVideoFileInfo& info);

}  // namespace zelmora
