#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// Splits a command line into arguments by the Windows rules
// (CommandLineToArgvW): blanks and tabs separate; double quotes group; 2n
// backslashes before a quote give n backslashes and the quote toggles
// quoting; 2n+1 backslashes before a quote give n backslashes and a literal
// quote; backslashes not before a quote are literal; "" inside quotes gives
// a literal quote. Unlike CommandLineToArgvW the first argument follows the
// same rules as the others.
std::vector<std::string> SplitCommandLine(std::string_view line);

// Quotes one argument so that SplitCommandLine gives it back unchanged.
// Arguments without blanks, tabs or quotes (and not empty) stay as they are.
std::string QuoteArgument(std::string_view arg);
// Always surrounds with quotes (used for file names on command lines).
std::string QuoteArgumentAlways(std::string_view arg);
// QuoteArgument of each, joined with one blank.
std::string JoinCommandLine(const std::vector<std::string>& args);

}  // namespace zelmora
