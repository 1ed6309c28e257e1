#include "core/value_lists.h"

#include <initializer_list>
#include <utility>

#include "core/encoder_settings.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

std::vector<std::string> WithAuto(const TAppStrings& strings,
                                  std::initializer_list<const char*> entries) {
  std::vector<std::string> list{strings.Main.Auto};
  for (const char* entry : entries) list.emplace_back(entry);
  return list;
}

// The bitrate list grows by a fixed step a fixed number of times per range,
// each running value becoming an entry.
void AddBitrateSteps(std::vector<std::string>& list, int& value,
                     std::initializer_list<std::pair<int, int>> stepsAndCounts) {
  for (const auto& [step, count] : stepsAndCounts) {
    for (int i = 0; i < count; ++i) {
      value += step;
      list.push_back(std::to_string(value));
    }
  }
}

}  // namespace

std::vector<std::string> AviVideoBitrateList(const TAppStrings& strings) {
  std::vector<std::string> list{strings.Main.Auto};
  int value = 0;
  AddBitrateSteps(list, value, {{50, 10}, {100, 10}, {250, 14}, {500, 10}, {1000, 10}});
  return list;
}

std::vector<std::string> MpgVideoBitrateList(const TAppStrings& strings) {
  std::vector<std::string> list = AviVideoBitrateList(strings);
  int value = 20000;
  AddBitrateSteps(list, value, {{500, 14}});
  return list;
}

std::vector<std::string> VideoFpsList(const TAppStrings& strings) {
  return WithAuto(strings, {"5", "8", "10", "12", "14.985", "15", "20", "23.976", "24", "25",
                            "29.97", "30", "50", "59.94", "60"});
}

std::vector<std::string> VideoAspectList(const TAppStrings& strings) {
  return WithAuto(strings,
                  {"1:1", "5:4", "4:3", "1.43", "3:2", "16:10", "16:9", "1.85", "2:1", "12:5"});
}

std::vector<std::string> EncoderThreadsList(const TAppStrings& strings) {
  std::vector<std::string> list{strings.Main.Auto};
  for (int threads = 1; threads <= 24; ++threads) list.push_back(std::to_string(threads));
  return list;
}

std::vector<std::string> AudioBitrateList(const TAppStrings& strings) {
  return WithAuto(strings,
                  {"8",   "16",  "24",  "32",  "40",  "48",  "56",  "64",  "80",  "96",  "112",
                   "128", "160", "192", "224", "256", "320", "384", "448", "512", "576", "640"});
}

std::vector<std::string> AudioSamplingList(const TAppStrings& strings) {
  return WithAuto(strings, {"16000", "22050", "24000", "32000", "44100", "48000"});
}

std::vector<std::string> AudioChannelsList(const TAppStrings& strings) {
  return WithAuto(strings, {"1 - Mono", "2 - Stereo", "6"});
}

std::vector<std::string> InterlacingList(const TAppStrings& strings) {
  return {strings.Main.Auto, strings.Main.cbInterlacing_Deinterlace,
          strings.Main.cbInterlacing_KeepOriginal};
}

std::vector<std::string> ConvertColorsList() {
  return {"grayscale", "sepia"};
}

std::vector<std::string> RotateValueList() {
  std::vector<std::string> list;
  for (int degrees = 15; degrees <= 345; degrees += 15) list.push_back(std::to_string(degrees));
  return list;
}

std::vector<std::string> MpgVideoFormatList(const TAppStrings& strings) {
  return {"PAL - DVD", "NTSC - DVD", strings.Main.Custom};
}

std::vector<std::string> MpegVersionList() {
  return {"MPEG-1", "MPEG-2"};
}

std::string AudioTrackAutoEntry(const TAppStrings& strings) {
  return strings.Main.Auto + " " + strings.Main.FirstAudioTrack;
}

std::vector<std::string> ResolutionChoiceList(const TAppStrings& strings,
                                              const std::vector<std::string>& resolutions) {
  std::vector<std::string> list{strings.Main.Auto, strings.Main.Custom};
  list.insert(list.end(), resolutions.begin(), resolutions.end());
  return list;
}

std::string MpgFormatInfoText(int videoFormat, const TAppStrings& strings) {
  switch (videoFormat) {
    case mfPalDvd:
      return "MPEG-2 / 720 x 576 / 25 fps / AC3";
    case mfNtscDvd:
      return "MPEG-2 / 720 x 480 / 29.970 fps / AC3";
    case mfCustom:
      return strings.Main.MpgUserSettings;
    default:
      return {};
  }
}

}  // namespace zelmora
