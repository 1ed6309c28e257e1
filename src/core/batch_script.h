#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "core/argument_builder.h"

namespace zelmora {

// A bash script that makes the same ffmpeg calls, with the same arguments,
// as a conversion run would. Per file it keeps the pieces in arrays named
// like the pieces (VCodec, ACodec, AdvParams, AddParams, VParams, AParams)
// so that one file's settings can still be edited by hand; every argument
// is single-quoted, so no file name can make the shell run anything.
class BatchScript {
public:
  // programDir: the working folder of one-pass calls (the run's too).
  BatchScript(const std::string& ffmpegPath, const std::string& programDir);

  // The set lines of the four pieces known before the file's parameters.
  void AddPieceLines(const TCommandPieces& pieces);
  // The comment with the file's number, the two parameter arrays and the
  // call(s). The parameters are the runner's (one per pass); a two-pass
  // file runs in a fresh folder of its own that the script removes after.
  void AddFileCalls(int fileNo, const TCommandPieces& pieces,
                    const std::vector<std::string>& passParameters);
  // The closing pause.
  void Finish();

  const std::vector<std::string>& Lines() const { return m_lines; }
  std::string Text() const;  // LF line ends

private:
  std::string CallLine(const TCommandPieces& pieces, const std::string& parameters) const;

  std::vector<std::string> m_lines;
};

// One argument for bash: in single quotes, an inner quote as '\''.
std::string ShellQuote(const std::string& arg);
// "name=('a' 'b')"
std::string ShellArrayLine(const std::string& name, const std::vector<std::string>& args);

// Writes the script through a temporary file and makes it executable.
Status SaveBatchScript(const std::string& fileName, const BatchScript& script);

}  // namespace zelmora
