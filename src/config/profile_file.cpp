#include "config/profile_file.h"

#include <algorithm>

#include "base/files.h"
#include "base/ini_document.h"
#include "base/numbers.h"
#include "base/text.h"
#include "core/codec_tables.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

// Reading removes one pair of quotes around a value; a value that really
// starts and ends with the same quote gets an extra pair, so it reads back
// as it was written.
void WriteText(IniDocument& ini, std::string_view section, std::string_view key,
               std::string_view value) {
  const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                      (value.front() == '"' || value.front() == '\'');
  ini.WriteString(section, key, quoted ? "\"" + std::string(value) + "\"" : std::string(value));
}

bool IsInteger(std::string_view text) {
  return ParseWholeNumber(text).has_value();
}

// Integer texts are written as they stand; anything else (Auto above all) as empty.
std::string IntegerTextOrEmpty(std::string_view text) {
  const std::string trimmed = Trim(text);
  return IsInteger(trimmed) ? trimmed : std::string();
}

std::string AutoAsEmpty(std::string_view text, const TAppStrings& strings) {
  return IsAutoText(text, strings) ? std::string() : Trim(text);
}

// The fields that take integers only: a text that is not one means Auto.
std::string ReadIntegerText(const IniDocument& ini, std::string_view section, std::string_view key,
                            const std::string& current, const TAppStrings& strings) {
  const std::string value = ini.ReadString(section, key, current);
  return IsInteger(value) ? value : strings.Main.Auto;
}

std::string ReadAutoWhenEmpty(const IniDocument& ini, std::string_view section,
                              std::string_view key, const std::string& current,
                              const TAppStrings& strings) {
  const std::string value = ini.ReadString(section, key, current);
  return value.empty() ? strings.Main.Auto : value;
}

int InRangeOr(int value, int low, int high, int fallback) {
  return value < low || value > high ? fallback : value;
}

// The rotation text as a whole number; 180 when it is not one.
int RotationDegrees(std::string_view text) {
  return ParseWholeNumber(text).value_or(180);
}

void WriteMain(IniDocument& ini, const EncoderSettings& s) {
  ini.WriteString("MAIN", "AppName", ProfileAppName);
  ini.WriteString("MAIN", "AppVer", ProfileAppVer);
  ini.WriteString("MAIN", "OutputFormat", s.OutputFormat == TOutputFormat::ofMPG ? "MPG" : "AVI");
}

void WriteAvi(IniDocument& ini, const TAviSettings& avi, const TAppStrings& strings) {
  ini.WriteString("AVI", "VideoCodec", GetVideoCodecIniName(avi.VideoCodec, "XVID"));
  ini.WriteString("AVI", "VideoBitrate", IntegerTextOrEmpty(avi.VideoBitrate));
  WriteText(ini, "AVI", "VideoFPS", AutoAsEmpty(avi.VideoFPS, strings));
  WriteText(ini, "AVI", "VideoAspect", AutoAsEmpty(avi.VideoAspect, strings));
  ini.WriteBool("AVI", "Video2Pass", avi.Video2Pass);
  ini.WriteBool("AVI", "DoNotCopyVideo", avi.DoNotCopyVideo);
  ini.WriteString("AVI", "EncoderThreads", IntegerTextOrEmpty(avi.EncoderThreads));
}

void WriteMpg(IniDocument& ini, const TMpgSettings& mpg, const TAppStrings& strings) {
  ini.WriteInteger("MPG", "VideoFormat", mpg.VideoFormat);
  ini.WriteInteger("MPG", "MPEGVersion", mpg.MPEGVersion);
  ini.WriteString("MPG", "VideoBitrate", IntegerTextOrEmpty(mpg.VideoBitrate));
  WriteText(ini, "MPG", "VideoFPS", AutoAsEmpty(mpg.VideoFPS, strings));
  ini.WriteBool("MPG", "Video2Pass", mpg.Video2Pass);
  ini.WriteBool("MPG", "DoNotCopyVideo", mpg.DoNotCopyVideo);
}

void WriteAudio(IniDocument& ini, const TAudioSettings& audio) {
  ini.WriteString("AUDIO", "AudioCodec", GetAudioCodecIniName(audio.AudioCodec, "MP3"));
  ini.WriteString("AUDIO", "AudioBitrate", IntegerTextOrEmpty(audio.AudioBitrate));
  ini.WriteString("AUDIO", "AudioSampling", IntegerTextOrEmpty(audio.AudioSampling));
  ini.WriteInteger("AUDIO", "AudioChannels", audio.AudioChannels);
  ini.WriteBool("AUDIO", "DoNotCopyAudio", audio.DoNotCopyAudio);
  ini.WriteInteger("AUDIO", "Volume", audio.Volume);
}

// The extra parameters are kept on one line: every line of the field with a
// blank before it, joined and trimmed; double quotes as "&quot;" so that the
// INI reader's quote removal cannot eat them.
std::string AdditionalParamsValue(std::string_view params) {
  std::string joined;
  for (const std::string& line : SplitLines(params)) joined += " " + line;
  return ReplaceAll(Trim(joined), "\"", "&quot;");
}

void WriteAdvanced(IniDocument& ini, const TAdvancedSettings& adv) {
  constexpr std::string_view S = "ADVANCED";
  ini.WriteInteger(S, "Resolution", adv.Resolution);
  ini.WriteInteger(S, "ResWidth", adv.ResWidth);
  ini.WriteInteger(S, "ResHeight", adv.ResHeight);
  ini.WriteBool(S, "ForceVideoTag", adv.ForceVideoTag);
  WriteText(ini, S, "VideoTag", adv.VideoTag);
  ini.WriteInteger(S, "CropTop", adv.CropTop);
  ini.WriteInteger(S, "CropBottom", adv.CropBottom);
  ini.WriteInteger(S, "CropLeft", adv.CropLeft);
  ini.WriteInteger(S, "CropRight", adv.CropRight);
  WriteText(ini, S, "AdditionalParams", AdditionalParamsValue(adv.AdditionalParams));
  ini.WriteInteger(S, "Interlacing", adv.Interlacing);
  ini.WriteBool(S, "ConvertColors", adv.ConvertColors);
  ini.WriteInteger(S, "ConvertColorsValue", adv.ConvertColorsValue);
  ini.WriteBool(S, "Brightness", adv.Brightness);
  ini.WriteInteger(S, "BrightnessValue", adv.BrightnessValue);
  ini.WriteBool(S, "Saturation", adv.Saturation);
  ini.WriteInteger(S, "SaturationValue", adv.SaturationValue);
  ini.WriteBool(S, "FlipHorizontal", adv.FlipHorizontal);
  ini.WriteBool(S, "FlipVertical", adv.FlipVertical);
  ini.WriteBool(S, "Negative", adv.Negative);
  ini.WriteBool(S, "Rotate", adv.Rotate);
  ini.WriteInteger(S, "RotateValue", RotationDegrees(adv.RotateValue));
}

int ReadVideoCodec(const IniDocument& ini, const TAppStrings& strings, int defaultIndex) {
  const std::string name = ini.ReadString("AVI", "VideoCodec", "XVID");
  if (const auto index = ParseInt32(name)) {
    return InRangeOr(*index, 0, VideoCodecCount - 1, defaultIndex);
  }
  return GetVideoCodecIndexByName(name, defaultIndex, strings);
}

int ReadAudioCodec(const IniDocument& ini, const TAppStrings& strings) {
  const std::string name = ini.ReadString("AUDIO", "AudioCodec", "AUTO");
  if (const auto index = ParseInt32(name)) return InRangeOr(*index, 0, AudioCodecCount - 1, acAuto);
  return GetAudioCodecIndexByName(name, acAuto, strings);
}

void ReadAvi(const IniDocument& ini, TAviSettings& avi, const TAppStrings& strings,
             int defaultVideoCodecIndex) {
  avi.VideoCodec = ReadVideoCodec(ini, strings, defaultVideoCodecIndex);
  avi.VideoBitrate = ReadIntegerText(ini, "AVI", "VideoBitrate", avi.VideoBitrate, strings);
  avi.VideoFPS = ReadAutoWhenEmpty(ini, "AVI", "VideoFPS", avi.VideoFPS, strings);
  avi.VideoAspect = ReadAutoWhenEmpty(ini, "AVI", "VideoAspect", avi.VideoAspect, strings);
  avi.Video2Pass = ini.ReadBool("AVI", "Video2Pass", avi.Video2Pass);
  avi.DoNotCopyVideo = ini.ReadBool("AVI", "DoNotCopyVideo", avi.DoNotCopyVideo);
  avi.EncoderThreads = ReadIntegerText(ini, "AVI", "EncoderThreads", avi.EncoderThreads, strings);
}

void ReadAudio(const IniDocument& ini, TAudioSettings& audio, const TAppStrings& strings) {
  audio.AudioCodec = ReadAudioCodec(ini, strings);
  audio.AudioBitrate = ReadIntegerText(ini, "AUDIO", "AudioBitrate", audio.AudioBitrate, strings);
  audio.AudioSampling =
      ReadIntegerText(ini, "AUDIO", "AudioSampling", audio.AudioSampling, strings);
  audio.AudioChannels = ini.ReadInteger("AUDIO", "AudioChannels", audio.AudioChannels);
  audio.DoNotCopyAudio = ini.ReadBool("AUDIO", "DoNotCopyAudio", audio.DoNotCopyAudio);
  audio.Volume = std::clamp(ini.ReadInteger("AUDIO", "Volume", audio.Volume), 0, 300);
}

void ReadMpg(const IniDocument& ini, TMpgSettings& mpg, const TAppStrings& strings) {
  mpg.VideoFormat = ini.ReadInteger("MPG", "VideoFormat", mpg.VideoFormat);
  mpg.MPEGVersion = ini.ReadInteger("MPG", "MPEGVersion", mpg.MPEGVersion);
  mpg.VideoBitrate = ReadIntegerText(ini, "MPG", "VideoBitrate", mpg.VideoBitrate, strings);
  mpg.VideoFPS = ReadAutoWhenEmpty(ini, "MPG", "VideoFPS", mpg.VideoFPS, strings);
  mpg.Video2Pass = ini.ReadBool("MPG", "Video2Pass", mpg.Video2Pass);
  mpg.DoNotCopyVideo = ini.ReadBool("MPG", "DoNotCopyVideo", mpg.DoNotCopyVideo);
}

// Sizes and crops go into spin fields with fixed limits, which bring any value into them.
void ReadSizes(const IniDocument& ini, TAdvancedSettings& adv) {
  constexpr std::string_view S = "ADVANCED";
  adv.Resolution = ini.ReadInteger(S, "Resolution", adv.Resolution);
  adv.ResWidth = std::clamp(ini.ReadInteger(S, "ResWidth", adv.ResWidth), 2, 30000);
  adv.ResHeight = std::clamp(ini.ReadInteger(S, "ResHeight", adv.ResHeight), 2, 30000);
  adv.ForceVideoTag = ini.ReadBool(S, "ForceVideoTag", adv.ForceVideoTag);
  adv.VideoTag = ini.ReadString(S, "VideoTag", adv.VideoTag);
  adv.CropTop = std::clamp(ini.ReadInteger(S, "CropTop", adv.CropTop), 0, 5000);
  adv.CropBottom = std::clamp(ini.ReadInteger(S, "CropBottom", adv.CropBottom), 0, 5000);
  adv.CropLeft = std::clamp(ini.ReadInteger(S, "CropLeft", adv.CropLeft), 0, 5000);
  adv.CropRight = std::clamp(ini.ReadInteger(S, "CropRight", adv.CropRight), 0, 5000);
}

void ReadFilters(const IniDocument& ini, TAdvancedSettings& adv) {
  constexpr std::string_view S = "ADVANCED";
  if (ini.KeyExists(S, "AdditionalParams")) {
    adv.AdditionalParams = ReplaceAll(ini.ReadString(S, "AdditionalParams", ""), "&quot;", "\"");
  }
  adv.Interlacing = InRangeOr(ini.ReadInteger(S, "Interlacing", adv.Interlacing), 0, 2, ilAuto);
  adv.Saturation = ini.ReadBool(S, "Saturation", adv.Saturation);
  adv.SaturationValue =
      InRangeOr(ini.ReadInteger(S, "SaturationValue", adv.SaturationValue), 1, 30, 10);
  adv.Brightness = ini.ReadBool(S, "Brightness", adv.Brightness);
  adv.BrightnessValue =
      InRangeOr(ini.ReadInteger(S, "BrightnessValue", adv.BrightnessValue), -20, 20, 0);
  adv.FlipHorizontal = ini.ReadBool(S, "FlipHorizontal", adv.FlipHorizontal);
  adv.FlipVertical = ini.ReadBool(S, "FlipVertical", adv.FlipVertical);
  adv.Negative = ini.ReadBool(S, "Negative", adv.Negative);
  adv.Rotate = ini.ReadBool(S, "Rotate", adv.Rotate);
  adv.RotateValue =
      std::to_string(ini.ReadInteger(S, "RotateValue", RotationDegrees(adv.RotateValue)));
  adv.ConvertColors = ini.ReadBool(S, "ConvertColors", adv.ConvertColors);
  adv.ConvertColorsValue =
      InRangeOr(ini.ReadInteger(S, "ConvertColorsValue", adv.ConvertColorsValue), 0, 1, 0);
}

}  // namespace

Status SaveProfile(const std::string& presetFile, const EncoderSettings& settings,
                   const TAppStrings& strings) {
  IniDocument ini;
  if (FileExists(presetFile)) {
    // Never replace a profile we could not read: its hand-written keys would be lost.
    if (Status loaded = ini.LoadFromFile(presetFile); !loaded) return loaded;
  }
  WriteMain(ini, settings);
  WriteAvi(ini, settings.Avi, strings);
  WriteMpg(ini, settings.Mpg, strings);
  WriteAudio(ini, settings.Audio);
  WriteAdvanced(ini, settings.Advanced);
  return ini.SaveToFile(presetFile);
}

bool LoadProfile(const std::string& presetFile, EncoderSettings& settings,
                 const TAppStrings& strings, int defaultVideoCodecIndex) {
  if (!FileExists(presetFile)) return false;
  IniDocument ini;
  if (!ini.LoadFromFile(presetFile)) return false;
  const char* activePage = settings.OutputFormat == TOutputFormat::ofMPG ? "MPG" : "AVI";
  settings.OutputFormat = UpperCase(ini.ReadString("MAIN", "OutputFormat", activePage)) == "MPG"
                              ? TOutputFormat::ofMPG
                              : TOutputFormat::ofAVI;
  ReadAvi(ini, settings.Avi, strings, defaultVideoCodecIndex);
  ReadAudio(ini, settings.Audio, strings);
  ReadMpg(ini, settings.Mpg, strings);
  ReadSizes(ini, settings.Advanced);
  ReadFilters(ini, settings.Advanced);
  return true;
}

}  // namespace zelmora
