#include "core/codec_tables.h"

#include <array>
#include <initializer_list>

#include "base/text.h"
#include "core/encoder_settings.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

struct CodecEntry {
  const char* listText;  // nullptr: the list text is an interface string
  const char* iniName;
  std::initializer_list<const char*> acceptedNames;
  const char* encoder;
};

const std::array<CodecEntry, VideoCodecCount> VideoCodecs = {{
    {"Xvid", "Xvid", {"XVID"}, "libxvid"},
    {"DivX 3 Low-Motion", "DX3", {"DIVX3", "DX3", "MSMPEG4"}, "msmpeg4"},
    {"H.264 / MPEG-4 AVC", "H.264", {"H264", "X264"}, "libx264"},
    {"MPEG4 - FFmpeg ISO MPEG-4", "FFMPEG4", {"FFMPEG4", "MPEG4"}, "mpeg4"},
    {"MS MPEG-4 version 2", "MSMPEG4V2", {"MSMPEG4V2", "MP42"}, "msmpeg4v2"},
    {"WMV version 1 (WMP 7)", "WMV1", {"WMV1", "WMVV1"}, "wmv1"},
    {"WMV version 2 (WMP 8)", "WMV2", {"WMV2", "WMVV2", "WMV"}, "wmv2"},
    {"Motion JPEG", "Motion JPEG", {"MOTIONJPEG", "MJPEG", "JPG", "JPEG"}, "mjpeg"},
    {nullptr, "HuffYUV", {"HUFFYUV"}, "huffyuv"},
    {nullptr, "COPY", {"COPY"}, "copy"},
}};

const std::array<CodecEntry, AudioCodecCount> AudioCodecs = {{
    {nullptr, "AUTO", {"AUTO"}, "auto"},
    {"MP3 - MPEG-1 Layer 3", "MP3", {"MP3"}, "libmp3lame"},
    {"MP2 - MPEG-1 Layer 2", "MP2", {"MP2"}, "mp2"},
    {"AC-3 - ATSC A/52A", "AC3", {"AC3"}, "ac3"},
    {"AAC - Advanced Audio Coding", "AAC", {"AAC"}, "libfdk_aac"},
    {"WMA v1 - Windows Media Audio 1", "WMA1", {"WMA1", "WMAV1"}, "wmav1"},
    {"WMA v2 - Windows Media Audio 2", "WMA2", {"WMA2", "WMAV2", "WMA"}, "wmav2"},
    {"PCM 16-bit (Little endian)", "PCM", {"PCM", "WAV"}, "pcm_s16le"},
    {nullptr, "COPY", {"COPY"}, "copy"},
}};

template <size_t N>
int IndexByName(const std::array<CodecEntry, N>& table, std::string_view codecName,
                std::string_view copyListText, int defResult) {
  std::string name = UpperCase(codecName);
  // The COPY entry's list text (translated) is the one list text accepted.
  if (name == UpperCase(copyListText)) name = "COPY";
  std::string squeezed;
  for (char c : name) {
    if (c != ' ' && c != '.' && c != '-') squeezed += c;
  }
  for (size_t i = 0; i < N; ++i) {
    for (const char* accepted : table[i].acceptedNames) {
      if (squeezed == accepted) return static_cast<int>(i);
    }
  }
  return defResult;
}

template <size_t N>
std::string IniName(const std::array<CodecEntry, N>& table, int index, std::string_view defResult) {
  if (index < 0 || index >= static_cast<int>(N)) return std::string(defResult);
  return table[index].iniName;
}

}  // namespace

std::vector<std::string> VideoCodecListTexts(const TAppStrings& strings) {
  std::vector<std::string> texts;
  for (const CodecEntry& entry : VideoCodecs) {
    if (entry.listText) texts.emplace_back(entry.listText);
  }
  texts.push_back(strings.Main.cbAviVideoCodec_HuffYUV);
  texts.push_back(strings.Main.cbAviVideoCodec_Copy);
  return texts;
}

std::vector<std::string> AudioCodecListTexts(const TAppStrings& strings) {
  std::vector<std::string> texts{strings.Main.Auto};
  for (const CodecEntry& entry : AudioCodecs) {
    if (entry.listText) texts.emplace_back(entry.listText);
  }
  texts.push_back(strings.Main.cbAudioCodec_Copy);
  return texts;
}

int GetVideoCodecIndexByName(std::string_view codecName, int defResult,
                             const TAppStrings& strings) {
  return IndexByName(VideoCodecs, codecName, strings.Main.cbAviVideoCodec_Copy, defResult);
}

int GetAudioCodecIndexByName(std::string_view codecName, int defResult,
                             const TAppStrings& strings) {
  return IndexByName(AudioCodecs, codecName, strings.Main.cbAudioCodec_Copy, defResult);
}

std::string GetVideoCodecIniName(int index, std::string_view defResult) {
  return IniName(VideoCodecs, index, defResult);
}

std::string GetAudioCodecIniName(int index, std::string_view defResult) {
  return IniName(AudioCodecs, index, defResult);
}

std::string VideoEncoderName(int videoCodec) {
  if (videoCodec < 0 || videoCodec >= VideoCodecCount) return "libxvid";
  return VideoCodecs[videoCodec].encoder;
}

std::string AudioEncoderName(int audioCodec, const std::set<std::string>& availableEncoders) {
  if (audioCodec < 0 || audioCodec >= AudioCodecCount) return {};
  if (audioCodec == acAac && !availableEncoders.contains("libfdk_aac")) return "aac";
  return AudioCodecs[audioCodec].encoder;
}

}  // namespace zelmora
