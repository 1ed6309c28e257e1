// The arithmetic behind the automatic bitrates and sizes.
#include <array>
#include <limits>

#include "base/numbers.h"
#include "base/text.h"
#include "core/argument_builder.h"
#include "core/audio_bitrates.h"

namespace zelmora {

int HalfProcessorCount(int processorCount) {
  int count = processorCount;
  if (count <= 0) count = 2;
  if (count > 32) count = 4;
  return count / 2;
}

uint16_t ComputeVideoBitrate(int width, int height, uint16_t sourceBitrate, double bitsPerPixel,
                             double fps, double factor) {
  const double b = bitsPerPixel > factor ? factor : bitsPerPixel;
  if (b <= 0 || width <= 0 || height <= 0 || fps <= 0) return sourceBitrate;
  const int64_t bitrate = RoundHalfEven(width * b * height * fps / 1000.0);
  // Sizes far beyond any real video would wrap around in 16 bits; the
  // largest value is the nearest sensible answer.
  if (bitrate > std::numeric_limits<uint16_t>::max()) return std::numeric_limits<uint16_t>::max();
  return static_cast<uint16_t>(bitrate);
}

int32_t CapSourceVideoBitrate(const TVideoFileInfo& info, double factor) {
  const TVideoStreamInfo& video = info.VideoStreams[0];
  int64_t bitrate = video.Bitrate;
  if (bitrate > 0 && video.Width > 0 && video.Height > 0 && video.FPS > 0 &&
      video.BitsPerPixel > factor) {
    bitrate = RoundHalfEven(video.Width * factor * video.Height * video.FPS / 1000.0);
  }
  if (bitrate == 0) return FallbackVideoBitrate;
  return static_cast<int32_t>(bitrate);
}

int RoundToMultiple(int value, int multiple) {
  if (value % multiple == 0) return value;
  return multiple * static_cast<int>(RoundHalfEven(static_cast<double>(value) / multiple));
}

int RoundUpToEven(int value) {
  return value % 2 != 0 ? value + 1 : value;
}

TFrameSize ParseResolutionText(std::string_view text, const TVideoFileInfo& info) {
  TFrameSize size{2, 2};
  std::string t;
  for (char c : text) {
    if (c != ' ' && c != '\t') t += c;
  }
  t = LowerCase(t);
  if (const size_t dash = t.find('-'); dash != std::string::npos) t.resize(dash);
  t = Trim(t);
  if (const size_t x = t.find('x'); x != std::string::npos) {
    if (auto width = ParseWholeNumber(t.substr(0, x))) size.Width = *width;
    t = t.substr(x + 1);
    if (auto height = ParseWholeNumber(t)) size.Height = *height;
  }
  if (const size_t percent = t.find('%'); percent != std::string::npos) {
    if (auto p = ParseWholeNumber(t.substr(0, percent))) {
      const TVideoStreamInfo& video = info.VideoStreams[0];
      size.Width = RoundUpToEven(static_cast<int>(RoundHalfEven(*p * video.Width / 100.0)));
      size.Height = RoundUpToEven(static_cast<int>(RoundHalfEven(*p * video.Height / 100.0)));
    }
  }
  size.Width = RoundToMultiple(size.Width, 8);
  size.Height = RoundToMultiple(size.Height, 8);
  return size;
}

uint16_t ChooseAudioBitrate(uint16_t source, uint16_t defaultBitrate, uint16_t minimum,
                            uint16_t maximum) {
  static constexpr std::array<uint16_t, 19> steps = {
      32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 448, 512, 576, 640};
  uint16_t result = defaultBitrate;
  for (uint16_t step : steps) {
    if (step >= source) {
      result = step;
      break;
    }
  }
  if (source < minimum) result = minimum;
  if (maximum < source) result = maximum;
  return result;
}

uint16_t LookupMaxAudioBitrate(std::string_view encoder, int samplingRate, uint16_t defaultResult) {
  const auto limit = FindAudioBitrateLimit(encoder, samplingRate);
  return limit ? static_cast<uint16_t>(limit->Highest) : defaultResult;
}

std::string VolumeFactorText(int percent) {
  return FormatFixed(percent / 100.0, 2);
}

}  // namespace zelmora
