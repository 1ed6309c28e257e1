#include "base/command_line.h"

namespace zelmora {
namespace {

bool IsSeparator(char c) {
  return c == ' ' || c == '\t';
}

bool NeedsQuotes(std::string_view arg) {
  return arg.empty() || arg.find_first_of(" \t\"") != std::string_view::npos;
}

// Reads one argument starting at a non-separator position and advances pos
// past it.
std::string ReadArgument(std::string_view line, size_t& pos) {
  std::string arg;
  bool quoted = false;
  while (pos < line.size()) {
    const char c = line[pos];
    if (IsSeparator(c) && !quoted) break;
    if (c == '\\') {
      size_t count = 0;
      while (pos < line.size() && line[pos] == '\\') ++pos, ++count;
      if (pos < line.size() && line[pos] == '"') {
        arg.append(count / 2, '\\');
        if (count % 2 == 1) {
          arg += '"';
          ++pos;
        }
      } else {
        arg.append(count, '\\');
      }
      continue;
    }
    if (c == '"') {
      if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
        arg += '"';  // "" inside quotes is a literal quote; quoting goes on
        pos += 2;
      } else {
        quoted = !quoted;
        ++pos;
      }
      continue;
    }
    arg += c;
    ++pos;
  }
  return arg;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> args;
  size_t pos = 0;
  while (true) {
    while (pos < line.size() && IsSeparator(line[pos])) ++pos;
    if (pos >= line.size()) break;
    args.push_back(ReadArgument(line, pos));
  }
  return args;
}

std::string QuoteArgumentAlways(std::string_view arg) {
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped; elsewhere
    // they are literal and stay as they are.
    if (c == '"') {
      out.append(backslashes * 2 + 1, '\\');
    } else {
      out.append(backslashes, '\\');
    }
    backslashes = 0;
    out += c;
  }
  // Trailing backslashes come before the closing quote, so they are doubled.
  out.append(backslashes * 2, '\\');
  out += '"';
  return out;
}

std::string QuoteArgument(std::string_view arg) {
  return NeedsQuotes(arg) ? QuoteArgumentAlways(arg) : std::string(arg);
}

std::string JoinCommandLine(const std::vector<std::string>& args) {
  std::string out;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) out += ' ';
    out += QuoteArgument(args[i]);
  }
  return out;
}

}  // namespace zelmora
