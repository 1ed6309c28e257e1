// The video codec and video parameter pieces.
#include "base/numbers.h"
#include "base/text.h"
#include "core/argument_builder.h"
#include "core/argument_builder_detail.h"
#include "core/codec_tables.h"
#include "core/settings_rules.h"
#include "i18n/app_strings.h"

namespace zelmora {

using builder_detail::FfmpegRateText;
using builder_detail::ParseTypedFps;
using builder_detail::RemoveDoubleQuotes;
using builder_detail::ShowRejected;

namespace {

// The lowest frame rate of the MPEG-1 standard (24000/1001), with room for a
// rate measured as 23.976.
constexpr double LowestMpeg1Rate = 23.97;

// Appends the " -b:v" item; false (message shown) when the typed bitrate is
// no whole number.
bool AppendVideoBitrate(const BuilderInput& in, const std::string& typed, double factor,
                        std::string& piece) {
  if (!IsAutoText(typed, in.Strings)) {
    if (!ParseWholeNumber(typed)) {
      ShowRejected(in, in.Strings.Main.VideoBitrateMustBeInteger, typed);
      return false;
    }
    piece += " -b:v " + Trim(typed) + "k";
    return true;
  }
  const TVideoStreamInfo& video = in.Info.VideoStreams[0];
  uint16_t bitrate = 0;
  if (EffectiveResolution(in) > rsAuto) {
    const TFrameSize size = TargetSize(in);
    bitrate = ComputeVideoBitrate(size.Width, size.Height, static_cast<uint16_t>(video.Bitrate),
                                  video.BitsPerPixel, video.FPS, factor);
  } else {
    bitrate = static_cast<uint16_t>(CapSourceVideoBitrate(in.Info, factor));
  }
  piece += " -b:v " + std::to_string(bitrate) + "k";
  return true;
}

// An odd source size (kept because no resolution is chosen) is rounded up to
// even, which most encoders need.
void AppendOddSizeRule(const BuilderInput& in, std::string& piece) {
  if (EffectiveResolution(in) != rsAuto) return;
  const TVideoStreamInfo& video = in.Info.VideoStreams[0];
  const bool oddWidth = video.Width > 0 && video.Width % 2 != 0;
  const bool oddHeight = video.Height > 0 && video.Height % 2 != 0;
  if (oddWidth || oddHeight) {
    piece += " -s " + std::to_string(RoundUpToEven(video.Width)) + "x" +
             std::to_string(RoundUpToEven(video.Height));
  }
}

std::string AviVideoParams(const BuilderInput& in) {
  const TAviSettings& avi = in.Settings.Avi;
  const int codec = EffectiveVideoCodec(in.Settings);
  std::string piece;
  if (avi.DoNotCopyVideo) return piece;
  if (codec == vcH264) {
    const std::string threads = Trim(avi.EncoderThreads);
    piece +=
        " -threads " +
        (ParseWholeNumber(threads) ? threads : std::to_string(HalfProcessorCount(in.Processors)));
  }
  if (codec == vcXvid && avi.Video2Pass) piece += " -q:v 9";
  if (codec <= vcMotionJpeg &&
      !AppendVideoBitrate(in, avi.VideoBitrate, AviBitsPerPixelFactor, piece)) {
    return std::string(PieceError);
  }
  if (codec != vcCopy) {
    if (!IsAutoText(avi.VideoFPS, in.Strings)) {
      if (!ParseTypedFps(in, avi.VideoFPS)) return std::string(PieceError);
      piece += " -r " + FfmpegRateText(avi.VideoFPS);
    } else if (in.Info.VideoStreams[0].FPS > 0) {
      // ffmpeg refuses "-r 0.000"; without the item it keeps the input's rate.
      piece += " -r " + FormatFixed(in.Info.VideoStreams[0].FPS, 3);
    }
  }
  AppendOddSizeRule(in, piece);
  return RemoveDoubleQuotes(piece);
}

std::string MpgVideoParams(const BuilderInput& in) {
  const TMpgSettings& mpg = in.Settings.Mpg;
  std::string piece;
  if (mpg.DoNotCopyVideo || IsMpgDvd(in.Settings)) return piece;
  if (!AppendVideoBitrate(in, mpg.VideoBitrate, MpgBitsPerPixelFactor, piece)) {
    return std::string(PieceError);
  }
  std::optional<double> typedRate;
  if (!IsAutoText(mpg.VideoFPS, in.Strings)) {
    typedRate = ParseTypedFps(in, mpg.VideoFPS);
    if (!typedRate) return std::string(PieceError);
  }
  const double rate = typedRate ? *typedRate : in.Info.VideoStreams[0].FPS;
  if (mpg.MPEGVersion != 1 && rate > 0 && rate < LowestMpeg1Rate) {
    // ffmpeg snaps a slower rate to one of MPEG-1's unofficial rates and then
    // refuses to encode it; the lowest standard rate repeats frames instead.
    piece += " -r 23.976";
  } else if (typedRate) {
    piece += " -r " + FfmpegRateText(mpg.VideoFPS);
  }
  AppendOddSizeRule(in, piece);
  return RemoveDoubleQuotes(piece);
}

}  // namespace

std::string GetVideoCodecStr(const BuilderInput& in) {
  const EncoderSettings& s = in.Settings;
  if (ActiveDoNotCopyVideo(s)) return "-vn";
  if (!IsMpg(s)) return "-c:v " + VideoEncoderName(EffectiveVideoCodec(s));
  if (s.Mpg.VideoFormat == mfPalDvd) return "-target pal-dvd";
  if (s.Mpg.VideoFormat == mfNtscDvd) return "-target ntsc-dvd";
  return s.Mpg.MPEGVersion == 1 ? "-c:v mpeg2video" : "-c:v mpeg1video";
}

std::string GetVideoParamsStr(const BuilderInput& in) {
  return IsMpg(in.Settings) ? MpgVideoParams(in) : AviVideoParams(in);
}

std::optional<std::string> SelectedResolutionEntry(const BuilderInput& in) {
  const int entry = in.Settings.Advanced.Resolution - rsFirstListEntry;
  if (entry < 0 || entry >= static_cast<int>(in.Resolutions.size())) return std::nullopt;
  return in.Resolutions[entry];
}

int EffectiveResolution(const BuilderInput& in) {
  const int resolution = in.Settings.Advanced.Resolution;
  if (resolution == rsCustom) return rsCustom;
  if (resolution >= rsFirstListEntry && SelectedResolutionEntry(in)) return resolution;
  return rsAuto;
}

TFrameSize TargetSize(const BuilderInput& in) {
  const int resolution = EffectiveResolution(in);
  if (resolution == rsCustom) {
    return {in.Settings.Advanced.ResWidth, in.Settings.Advanced.ResHeight};
  }
  if (resolution >= rsFirstListEntry)
    return ParseResolutionText(*SelectedResolutionEntry(in), in.Info);
  const TVideoStreamInfo& video = in.Info.VideoStreams[0];
  return {RoundUpToEven(video.Width), RoundUpToEven(video.Height)};
}

}  // namespace zelmora
