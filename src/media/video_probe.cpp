#include "base/files.h"
#include "media/file_analysis.h"
#include "media/probe_parser.h"
#include "process/console_runner.h"

namespace zelmora {

std::vector<std::string> RunFfmpegProbe(ConsoleRunner& runner, const std::string& ffmpegPath,
                                        const std::string& fileName) {
  std::vector<std::string> lines;
  if (!FileExists(fileName)) return lines;
  // The exit code says nothing here: ffmpeg describes its input and then
  // stops for want of an output file.
  runner.RunConsoleProgram(ffmpegPath, ProbeParameters(fileName), &lines, "", nullptr);
  return lines;
}

}  // namespace zelmora
