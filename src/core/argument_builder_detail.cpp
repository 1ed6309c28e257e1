#include "core/argument_builder_detail.h"

#include "base/numbers.h"
#include "base/text.h"
#include "core/message_view.h"
#include "i18n/app_strings.h"

namespace zelmora::builder_detail {

void ShowRejected(const BuilderInput& in, const std::string& message, std::string_view typed) {
  in.Messages.ShowWarning(ExpandMessageText(message, typed));
}

std::string RemoveDoubleQuotes(std::string_view piece) {
  return ReplaceAll(piece, "\"", "");
}

std::optional<double> ParseTypedFps(const BuilderInput& in, const std::string& typed) {
  // Either mark is accepted as decimal separator, whatever the locale.
  std::string number = UpperCase(Trim(typed));
  for (char& c : number) {
    if (c == '.' || c == ',') c = DecimalSeparator();
  }
  const std::optional<double> rate = ParseDecimal(number);
  if (!rate) ShowRejected(in, in.Strings.Main.FPSMustBeFloat, typed);
  return rate;
}

// ffmpeg reads only "." as decimal mark, and surrounding blanks would split
// the value off its option.
std::string FfmpegRateText(const std::string& typed) {
  return ReplaceAll(Trim(typed), ",", ".");
}

}  // namespace zelmora::builder_detail
