#include "core/settings_rules.h"

namespace zelmora {

int EffectiveVideoCodec(const EncoderSettings& s) {
  const int codec = s.Avi.VideoCodec;
  return codec >= 0 && codec < VideoCodecCount ? codec : vcXvid;
}

int EffectiveAudioCodec(const EncoderSettings& s) {
  const int codec = s.Audio.AudioCodec;
  return codec >= 0 && codec < AudioCodecCount ? codec : acAuto;
}

bool IsMpg(const EncoderSettings& s) {
  return s.OutputFormat == TOutputFormat::ofMPG;
}

bool IsMpgDvd(const EncoderSettings& s) {
  return IsMpg(s) && (s.Mpg.VideoFormat == mfPalDvd || s.Mpg.VideoFormat == mfNtscDvd);
}

bool ActiveDoNotCopyVideo(const EncoderSettings& s) {
  return IsMpg(s) ? s.Mpg.DoNotCopyVideo : s.Avi.DoNotCopyVideo;
}

bool VideoRecoded(const EncoderSettings& s) {
  if (IsMpg(s)) return !s.Mpg.DoNotCopyVideo;
  return !s.Avi.DoNotCopyVideo && EffectiveVideoCodec(s) != vcCopy;
}

bool ScalingApplies(const EncoderSettings& s) {
  if (IsMpg(s)) return !s.Mpg.DoNotCopyVideo && !IsMpgDvd(s);
  return VideoRecoded(s);
}

bool FiltersApply(const EncoderSettings& s) {
  if (IsMpg(s)) return !s.Mpg.DoNotCopyVideo;
  return VideoRecoded(s);
}

bool VideoTagApplies(const EncoderSettings& s) {
  if (IsMpg(s)) return !s.Mpg.DoNotCopyVideo && !IsMpgDvd(s);
  return !s.Avi.DoNotCopyVideo;
}

bool AspectApplies(const EncoderSettings& s) {
  return !IsMpg(s) && !s.Avi.DoNotCopyVideo && EffectiveVideoCodec(s) < vcHuffYuv;
}

bool AudioSettingsApply(const EncoderSettings& s) {
  return !s.Audio.DoNotCopyAudio && !IsMpgDvd(s);
}

bool DeinterlacingApplies(const EncoderSettings& s) {
  return AudioSettingsApply(s) && VideoRecoded(s);
}

bool AviVideoFieldsApply(const EncoderSettings& s) {
  return !s.Avi.DoNotCopyVideo;
}

bool AviVideoBitrateApplies(const EncoderSettings& s) {
  return AviVideoFieldsApply(s) && EffectiveVideoCodec(s) <= vcMotionJpeg;
}

bool AviVideoFpsApplies(const EncoderSettings& s) {
  return AviVideoFieldsApply(s) && EffectiveVideoCodec(s) != vcCopy;
}

bool AviVideoAspectEnabled(const EncoderSettings& s) {
  return AviVideoFpsApplies(s);
}

bool AviEncoderThreadsApply(const EncoderSettings& s) {
  return AviVideoFieldsApply(s) && EffectiveVideoCodec(s) == vcH264;
}

bool MpgVideoFieldsApply(const EncoderSettings& s) {
  return !s.Mpg.DoNotCopyVideo;
}

bool MpgCustomFieldsApply(const EncoderSettings& s) {
  return !s.Mpg.DoNotCopyVideo && s.Mpg.VideoFormat != mfPalDvd && s.Mpg.VideoFormat != mfNtscDvd;
}

bool CustomSizeApplies(const EncoderSettings& s) {
  return ScalingApplies(s) && s.Advanced.Resolution == rsCustom;
}

bool AudioBitrateApplies(const EncoderSettings& s) {
  const int codec = EffectiveAudioCodec(s);
  return AudioSettingsApply(s) && codec != acPcm && codec != acCopy;
}

bool AudioSamplingApplies(const EncoderSettings& s) {
  return AudioSettingsApply(s) && EffectiveAudioCodec(s) != acCopy;
}

bool AudioChannelsApply(const EncoderSettings& s) {
  return AudioSamplingApplies(s);
}

bool DoNotCopyAudioEnabled(const EncoderSettings& s) {
  return !IsMpgDvd(s);
}

}  // namespace zelmora
