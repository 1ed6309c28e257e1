// The audio codec and audio parameter pieces.
#include <algorithm>
#include <array>

#include "base/text.h"
#include "core/argument_builder.h"
#include "core/argument_builder_detail.h"
#include "core/codec_tables.h"
#include "core/settings_rules.h"
#include "i18n/app_strings.h"

namespace zelmora {

using builder_detail::RemoveDoubleQuotes;
using builder_detail::ShowRejected;

namespace {

// The input's audio stream the output takes: the chosen track when the
// input has it, else the first.
const TAudioStreamInfo& SourceAudioStream(const BuilderInput& in) {
  const int track = in.Settings.Audio.AudioTrackNo;
  const int count = std::min<int>(in.Info.NumberOfAudioStreams, MaxAudioStreams);
  if (AudioSettingsApply(in.Settings) && track >= 1 && track <= count) {
    return in.Info.AudioStreams[track - 1];
  }
  return in.Info.AudioStreams[0];
}

// Whether the container can take the source audio stream as it is. An
// unknown codec (no probe) is given the benefit of the doubt.
bool ContainerTakesSourceAudio(const BuilderInput& in) {
  const std::string codec = LowerCase(SourceAudioStream(in).CodecFF);
  if (codec.empty()) return true;
  if (!IsMpg(in.Settings)) return codec != "opus";
  static constexpr std::array<std::string_view, 7> mpegAudio = {"mp1", "mp2",     "mp3",      "ac3",
                                                                "dts", "pcm_dvd", "pcm_s16be"};
  for (std::string_view accepted : mpegAudio) {
    if (codec == accepted) return true;
  }
  return false;
}

// The audio codec the output really gets. An MPEG program stream holds only
// MPEG audio, AC-3, DTS and PCM, and an AVI file no Opus: a choice the
// container cannot hold falls back to the format's automatic codec instead
// of making every conversion fail.
int OutputAudioCodec(const BuilderInput& in) {
  const int codec = EffectiveAudioCodec(in.Settings);
  if (codec == acCopy && !ContainerTakesSourceAudio(in)) return acAuto;
  if (IsMpg(in.Settings) && (codec == acAac || codec == acWma1 || codec == acWma2)) {
    return acAuto;
  }
  return codec;
}

std::string OutputAudioEncoder(const BuilderInput& in, int codec) {
  // PCM in an MPEG program stream is big-endian.
  if (IsMpg(in.Settings) && codec == acPcm) return "pcm_s16be";
  return AudioEncoderName(codec, in.Encoders);
}

bool WantsSixChannels(const BuilderInput& in) {
  return in.Info.AudioStreams[0].Channels > 2 || in.Settings.Audio.AudioChannels == chSix;
}

// The sampling rate the output will have: the typed one, else the source's.
int OutputSamplingRate(const BuilderInput& in, int codec) {
  const TAudioSettings& audio = in.Settings.Audio;
  if (codec <= acPcm && !IsAutoText(audio.AudioSampling, in.Strings)) {
    if (auto typed = ParseWholeNumber(audio.AudioSampling)) return *typed;
  }
  return static_cast<uint16_t>(in.Info.AudioStreams[0].SamplingRate);
}

bool AppendAudioBitrate(const BuilderInput& in, int codec, std::string& piece) {
  const TAudioSettings& audio = in.Settings.Audio;
  if (codec > acWma2) return true;
  if (!IsAutoText(audio.AudioBitrate, in.Strings)) {
    if (!ParseWholeNumber(UpperCase(audio.AudioBitrate))) {
      ShowRejected(in, in.Strings.Main.AudioBitrateMustBeInteger, audio.AudioBitrate);
      return false;
    }
    piece += " -b:a " + Trim(audio.AudioBitrate) + "k";
    return true;
  }
  std::string name = codec == acAuto ? "auto" : OutputAudioEncoder(in, codec);
  if (codec == acAuto && WantsSixChannels(in)) name = "ac3";
  if (codec == acAuto && IsMpg(in.Settings)) name = "mp2";
  const uint16_t highest =
      LookupMaxAudioBitrate(name, OutputSamplingRate(in, codec), FallbackMaxAudioBitrate);
  const uint16_t bitrate =
      ChooseAudioBitrate(static_cast<uint16_t>(in.Info.AudioStreams[0].Bitrate),
                         FallbackAudioBitrate, static_cast<uint16_t>(in.MinAudioBitrate), highest);
  piece += " -b:a " + std::to_string(bitrate == 0 ? FallbackAudioBitrate : bitrate) + "k";
  return true;
}

bool AppendAudioSampling(const BuilderInput& in, int codec, std::string& piece) {
  const TAudioSettings& audio = in.Settings.Audio;
  if (IsAutoText(audio.AudioSampling, in.Strings)) return true;
  if (!ParseWholeNumber(audio.AudioSampling)) {
    ShowRejected(in, in.Strings.Main.AudioSamplingMustBeInteger, audio.AudioSampling);
    return false;
  }
  // A DVD target sets its own 48 kHz; the window does not even offer the
  // field then, and AC-3 refuses most other rates.
  if (codec <= acPcm && !IsMpgDvd(in.Settings)) piece += " -ar " + Trim(audio.AudioSampling);
  return true;
}

void AppendAudioChannels(const BuilderInput& in, int codec, std::string& piece) {
  const int channels = in.Settings.Audio.AudioChannels;
  if (channels == chMono || channels == chStereo) {
    piece += " -ac " + std::to_string(channels);
  } else if (channels == chSix) {
    piece += " -ac 6";
  } else if (IsMpg(in.Settings)) {
    piece += " -ac 2";
  } else if ((codec == acMp3 || codec == acMp2 || codec == acWma1 || codec == acWma2) &&
             in.Info.NumberOfAudioStreams > 0) {
    // These encoders take at most two channels.
    int track = in.Settings.Audio.AudioTrackNo;
    const int count = std::min<int>(in.Info.NumberOfAudioStreams, MaxAudioStreams);
    if (track < 1 || track > count) track = 1;
    if (in.Info.AudioStreams[track - 1].Channels > 2) piece += " -ac 2";
  }
}

}  // namespace

std::string GetSelectedAudioCodecStr(const BuilderInput& in) {
  return AudioEncoderName(in.Settings.Audio.AudioCodec, in.Encoders);
}

std::string GetAudioCodecStr(const BuilderInput& in) {
  const EncoderSettings& s = in.Settings;
  if (IsMpgDvd(s)) return {};
  const int codec = OutputAudioCodec(in);
  if (IsMpg(s) && codec == acAuto) return s.Audio.DoNotCopyAudio ? "-an" : " -c:a mp2";
  if (s.Audio.DoNotCopyAudio) return "-an";
  if (codec == acAuto) return WantsSixChannels(in) ? "-c:a ac3" : "-c:a libmp3lame";
  return "-c:a " + OutputAudioEncoder(in, codec);
}

std::string GetAudioParamsStr(const BuilderInput& in) {
  const TAudioSettings& audio = in.Settings.Audio;
  if (audio.DoNotCopyAudio) return {};
  const int codec = OutputAudioCodec(in);
  std::string piece;
  if (!AppendAudioBitrate(in, codec, piece)) return std::string(PieceError);
  if (!AppendAudioSampling(in, codec, piece)) return std::string(PieceError);
  AppendAudioChannels(in, codec, piece);
  // ffmpeg cannot filter a copied stream and would refuse the whole run.
  if (audio.Volume != 100 && codec != acCopy) {
    piece += " -af volume=" + VolumeFactorText(audio.Volume);
  }
  piece += " -async 1";
  return RemoveDoubleQuotes(piece);
}

}  // namespace zelmora
