#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zelmora {

// How deeply `zelmora-cli analyze` looks at each file: the full analysis,
// the add-to-list rule of the full depth, MediaInfo alone, or name and size.
enum class TAnalyzeDepth { adFull, adAdd, adQuick, adNone };

struct TAnalyzeOptions {
  TAnalyzeDepth Depth = TAnalyzeDepth::adFull;
  bool Json = false;
  bool Help = false;
  bool FfmpegGiven = false;  // --ffmpeg: exactly that file, no search
  std::string Ffmpeg;
  bool MediaInfoGiven = false;  // --mediainfo: exactly that file, no search
  std::string MediaInfo;
  std::vector<std::string> Files;
  std::string Error;  // non-empty when the arguments were refused
};

// Whether the arguments (everything after the program name) call the
// analyze subcommand; the global options may stand before its name.
bool IsAnalyzeCommand(const std::vector<std::string>& args);

// Reads the arguments after the program name: the global options --ffmpeg
// PATH and --mediainfo PATH (before or after "analyze"), --depth
// full|add|quick|none, --json and the files; "--" ends the options, so
// names beginning with "-" can follow it.
TAnalyzeOptions ParseAnalyzeArguments(const std::vector<std::string>& args);

std::string AnalyzeUsageText();

// `zelmora-cli analyze`: analyses every file and prints its file
// information report, or with --json one array of records. Returns 0, 1 when a file could not
// be read (its record is still printed), 2 for arguments it does not take.
int RunAnalyzeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zelmora
