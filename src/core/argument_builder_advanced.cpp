// The advanced piece: video filters, forced tag and stream mapping.
#include <algorithm>
#include <numbers>

#include "base/command_line.h"
#include "base/numbers.h"
#include "base/text.h"
#include "core/argument_builder.h"
#include "core/settings_rules.h"
#include "i18n/app_strings.h"

namespace zelmora {

namespace {

constexpr const char* SepiaMixer =
    "colorchannelmixer=.393:.769:.189:0:.349:.686:.168:0:.272:.534:.131";
constexpr const char* GrayscaleMixer = "colorchannelmixer=.3:.4:.3:0:.3:.4:.3:0:.3:.4:.3";

std::string ScaleItem(const BuilderInput& in) {
  const TAdvancedSettings& adv = in.Settings.Advanced;
  const int resolution = EffectiveResolution(in);
  if (!ScalingApplies(in.Settings) || resolution == rsAuto) return {};
  TFrameSize size{adv.ResWidth, adv.ResHeight};
  if (resolution >= rsFirstListEntry)
    size = ParseResolutionText(*SelectedResolutionEntry(in), in.Info);
  return "scale=" + std::to_string(RoundUpToEven(size.Width)) + ":" +
         std::to_string(RoundUpToEven(size.Height));
}

std::string CropItem(const BuilderInput& in) {
  const TAdvancedSettings& adv = in.Settings.Advanced;
  if (!ScalingApplies(in.Settings)) return {};
  if (adv.CropTop + adv.CropBottom + adv.CropLeft + adv.CropRight <= 0) return {};
  const TVideoStreamInfo& video = in.Info.VideoStreams[0];
  return "crop=" + std::to_string(video.Width - adv.CropLeft - adv.CropRight) + ":" +
         std::to_string(video.Height - adv.CropTop - adv.CropBottom) + ":" +
         std::to_string(adv.CropLeft) + ":" + std::to_string(adv.CropTop);
}

bool DeinterlaceWanted(const BuilderInput& in) {
  const int interlacing = in.Settings.Advanced.Interlacing;
  if (!DeinterlacingApplies(in.Settings)) return false;
  if (interlacing == ilDeinterlace) return true;
  return interlacing == ilAuto && LowerCase(Trim(in.Info.VideoStreams[0].ScanType)) == "interlaced";
}

std::string HueText(const TAdvancedSettings& adv) {
  std::string hue;
  if (adv.Saturation && adv.SaturationValue != 0) {
    hue += "s=" + FormatFixed(adv.SaturationValue / 10.0, 1);
  }
  if (adv.Brightness && adv.BrightnessValue != 0) {
    hue += ":b=" + FormatFixed(adv.BrightnessValue / 10.0, 1);
  }
  if (StartsWith(hue, ":")) hue.erase(0, 1);
  return hue;
}

std::string RotateItem(const TAdvancedSettings& adv) {
  if (!adv.Rotate) return {};
  const int degrees = ParseWholeNumber(Trim(adv.RotateValue)).value_or(0);
  if (degrees == 0) return {};
  return "rotate=" + FormatFixed(degrees * std::numbers::pi / 180.0, 4);
}

std::string AspectItem(const BuilderInput& in) {
  const std::string& aviAspect = in.Settings.Avi.VideoAspect;
  if (!AspectApplies(in.Settings) || IsAutoText(aviAspect, in.Strings)) return {};
  std::string aspect = ReplaceAll(UpperCase(Trim(aviAspect)), " ", "");
  if (const size_t colon = aspect.find(':'); colon != std::string::npos) aspect[colon] = '/';
  if (aspect.empty() || aspect == UpperCase(in.Strings.Main.Auto)) return {};
  return "setdar=" + aspect;
}

// The filters in their fixed order: yadif, crop, scale, hue, hflip, vflip,
// colorchannelmixer, negate, rotate, setdar.
std::string FilterChain(const BuilderInput& in) {
  const TAdvancedSettings& adv = in.Settings.Advanced;
  const bool filters = FiltersApply(in.Settings);
  std::string chain;
  auto add = [&chain](const std::string& item) {
    if (!item.empty()) chain += "," + item;
  };
  if (DeinterlaceWanted(in)) add("yadif");
  add(CropItem(in));
  add(ScaleItem(in));
  if (filters) {
    const std::string hue = HueText(adv);
    if (!hue.empty()) add("hue=" + hue);
    if (adv.FlipHorizontal) add("hflip");
    if (adv.FlipVertical) add("vflip");
    if (adv.ConvertColors) add(adv.ConvertColorsValue == ccSepia ? SepiaMixer : GrayscaleMixer);
    if (adv.Negative) add("negate");
    add(RotateItem(adv));
  }
  add(AspectItem(in));
  if (!chain.empty()) chain.erase(0, 1);
  return chain;
}

}  // namespace

std::string GetAdvancedParamsStr(const BuilderInput& in) {
  const TAdvancedSettings& adv = in.Settings.Advanced;
  std::string result;
  // Typed texts are quoted only when they hold blanks or quotes, so that
  // they stay one argument after the runner's split.
  if (VideoTagApplies(in.Settings) && adv.ForceVideoTag && !adv.VideoTag.empty()) {
    result += " -vtag " + QuoteArgument(adv.VideoTag);
  }
  const std::string chain = FilterChain(in);
  if (!chain.empty()) result = "-vf " + QuoteArgument(chain) + " " + result;
  if (AudioSettingsApply(in.Settings) && in.Settings.Audio.AudioTrackNo > 0) {
    const std::string map = GetMapParams(in);
    if (!map.empty()) result += " " + map;
  }
  return result;
}

std::string GetMapParams(const BuilderInput& in) {
  const int track = in.Settings.Audio.AudioTrackNo;
  if (track < 1) return {};
  const int count = std::min<int>(in.Info.NumberOfAudioStreams, MaxAudioStreams);
  if (track > count) return {};
  std::string map;
  if (!ActiveDoNotCopyVideo(in.Settings) && in.Info.NumberOfVideoStreams > 0) {
    map = "-map 0:" + std::to_string(in.Info.VideoStreams[0].StreamIndex) + " ";
  }
  return map + "-map 0:" + std::to_string(in.Info.AudioStreams[track - 1].StreamIndex);
}

}  // namespace zelmora
