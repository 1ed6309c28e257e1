#pragma once

// Small helpers shared by the argument builder's pieces.

#include <string>
#include <string_view>

#include "core/argument_builder.h"

namespace zelmora::builder_detail {

// Shows a rejected typed value: the message expanded with the text exactly
// as the user typed it.
void ShowRejected(const BuilderInput& in, const std::string& message, std::string_view typed);

// Typed double quotes would regroup the arguments after the runner's split.
std::string RemoveDoubleQuotes(std::string_view piece);

// Appends " -r <rate>" for a typed frame rate; false (message shown) when the
// text is no decimal number.
bool AppendTypedFps(const BuilderInput& in, const std::string& typed, std::string& piece);

}  // namespace zelmora::builder_detail
