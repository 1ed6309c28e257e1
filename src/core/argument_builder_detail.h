#pragma once

// Small helpers shared by the argument builder's pieces.

#include <optional>
#include <string>
#include <string_view>

#include "core/argument_builder.h"

namespace zelmora::builder_detail {

// Shows a rejected typed value: the message expanded with the text exactly
// as the user typed it.
void ShowRejected(const BuilderInput& in, const std::string& message, std::string_view typed);

// Typed double quotes would regroup the arguments after the runner's split.
std::string RemoveDoubleQuotes(std::string_view piece);

// The value of a typed frame rate ("." and "," both taken as decimal mark);
// none (message shown) when the text is no decimal number.
std::optional<double> ParseTypedFps(const BuilderInput& in, const std::string& typed);

// A typed frame rate as ffmpeg reads it: trimmed, with "." as decimal mark.
std::string FfmpegRateText(const std::string& typed);

}  // namespace zelmora::builder_detail
