#include "core/audio_bitrates.h"

#include "base/files.h"
#include "base/text.h"

namespace zelmora {

namespace {

struct LimitRow {
  int rate;
  std::array<std::array<int, 2>, 6> limits;  // per encoder: lowest, highest
};

constexpr std::array<LimitRow, 6> LimitRows = {{
    {16000, {{{8, 160}, {8, 160}, {16, 320}, {8, 96}, {24, 640}, {24, 640}}}},
    {22050, {{{8, 160}, {8, 160}, {16, 320}, {8, 128}, {24, 640}, {24, 640}}}},
    {24000, {{{8, 160}, {8, 160}, {16, 320}, {8, 128}, {24, 640}, {24, 640}}}},
    {32000, {{{32, 320}, {32, 384}, {32, 640}, {8, 192}, {24, 640}, {24, 640}}}},
    {44100, {{{32, 320}, {32, 384}, {32, 640}, {8, 256}, {24, 640}, {24, 640}}}},
    {48000, {{{32, 320}, {32, 384}, {32, 640}, {8, 256}, {24, 640}, {24, 640}}}},
}};

constexpr std::array<const char*, 6> ReportLabels = {
    " MP3: ", " MP2: ", " AC3: ", " AAC: ", "WMA1: ", "WMA2: "};

std::array<TAudioBitrateLimit, 36> BuildLimits() {
  std::array<TAudioBitrateLimit, 36> table{};
  size_t n = 0;
  for (const LimitRow& row : LimitRows) {
    for (size_t e = 0; e < AudioLimitEncoders.size(); ++e) {
      table[n++] = {row.rate, AudioLimitEncoders[e], row.limits[e][0], row.limits[e][1]};
    }
  }
  return table;
}

std::string RightAligned(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace

const std::array<TAudioBitrateLimit, 36>& AudioBitrateLimits() {
  static const std::array<TAudioBitrateLimit, 36> table = BuildLimits();
  return table;
}

std::optional<TAudioBitrateLimit> FindAudioBitrateLimit(std::string_view encoder,
                                                        int samplingRate) {
  std::string name = LowerCase(encoder);
  if (name == "aac") name = "libfdk_aac";
  for (const TAudioBitrateLimit& limit : AudioBitrateLimits()) {
    if (limit.SamplingRate == samplingRate && name == limit.Encoder) return limit;
  }
  return std::nullopt;
}

std::string AudioBitrateReportText() {
  std::string text;
  const auto& table = AudioBitrateLimits();
  for (size_t r = 0; r < AudioLimitSamplingRates.size(); ++r) {
    if (r > 0) text += "\r\n";
    text += "Sampling rate: " + std::to_string(AudioLimitSamplingRates[r]) + "\r\n";
    for (size_t e = 0; e < AudioLimitEncoders.size(); ++e) {
      const TAudioBitrateLimit& limit = table[r * AudioLimitEncoders.size() + e];
      text += ReportLabels[e];
      for (int step : AudioBitrateSteps) {
        text += RightAligned(limit.Accepts(step) ? std::to_string(step) : "-", 4);
      }
      text += "\r\n";
    }
  }
  return text;
}

Status WriteAudioBitrateReport(const std::string& audioBitratesTxt) {
  return WriteFileAtomic(audioBitratesTxt, AudioBitrateReportText());
}

}  // namespace zelmora
