#include "core/encoder_settings.h"

#include <charconv>

#include "base/text.h"
#include "i18n/app_strings.h"

namespace zelmora {

void SetDefaultParams(EncoderSettings& settings, int defaultVideoCodecIndex,
                      const TAppStrings& strings) {
  const std::string& autoText = strings.Main.Auto;
  settings = EncoderSettings{};
  settings.OutputFormat = TOutputFormat::ofAVI;

  settings.Avi.VideoCodec = defaultVideoCodecIndex;
  settings.Avi.VideoBitrate = autoText;
  settings.Avi.VideoFPS = autoText;
  settings.Avi.VideoAspect = autoText;
  settings.Avi.EncoderThreads = autoText;

  settings.Mpg.VideoBitrate = autoText;
  settings.Mpg.VideoFPS = autoText;

  settings.Audio.AudioBitrate = autoText;
  settings.Audio.AudioSampling = autoText;
}

bool IsAutoText(std::string_view text, const TAppStrings& strings) {
  return UpperCase(Trim(text)) == UpperCase(strings.Main.Auto);
}

int DefaultVideoCodecIndexFromName(std::string_view name) {
  return UpperCase(Trim(name)) == "H.264" ? vcH264 : vcXvid;
}

std::optional<int32_t> ParseWholeNumber(std::string_view text) {
  const std::string trimmed = Trim(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  // from_chars takes a leading minus but not a plus.
  std::string_view number = trimmed;
  if (number.front() == '+') number.remove_prefix(1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc{} || end != number.data() + number.size()) return std::nullopt;
  return value;
}

}  // namespace zelmora
