#include "core/batch_script.h"

#include <sys/stat.h>

#include "base/command_line.h"
#include "base/files.h"
#include "core/program_title.h"

namespace zelmora {

namespace {

// The argument lists of the pieces, in command-line order.
struct PieceArgs {
  std::vector<std::string> VC, VP, AC, AP, ADV, ADD;
};

PieceArgs SplitPieces(const TCommandPieces& p) {
  return {SplitCommandLine(p.VC), SplitCommandLine(p.VP),  SplitCommandLine(p.AC),
          SplitCommandLine(p.AP), SplitCommandLine(p.ADV), SplitCommandLine(p.ADD)};
}

bool MatchesAt(const std::vector<std::string>& argv, size_t pos,
               const std::vector<std::string>& part) {
  if (pos + part.size() > argv.size()) return false;
  for (size_t i = 0; i < part.size(); ++i)
    if (argv[pos + i] != part[i]) return false;
  return true;
}

std::string QuotedWords(const std::vector<std::string>& args, size_t from, size_t to) {
  std::string text;
  for (size_t i = from; i < to; ++i) text += " " + ShellQuote(args[i]);
  return text;
}

}  // namespace

std::string ShellQuote(const std::string& arg) {
  std::string quoted = "'";
  for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string ShellArrayLine(const std::string& name, const std::vector<std::string>& args) {
  std::string line = name + "=(";
  for (size_t i = 0; i < args.size(); ++i) line += (i > 0 ? " " : "") + ShellQuote(args[i]);
  return line + ")";
}

BatchScript::BatchScript(const std::string& ffmpegPath, const std::string& programDir) {
  m_lines = {"#!/bin/bash", "# Conversions exported by " + ProgramTitle() + ". Run it with bash.",
             "ffmpeg=" + ShellQuote(ffmpegPath), "programDir=" + ShellQuote(programDir)};
}

void BatchScript::AddPieceLines(const TCommandPieces& pieces) {
  PieceArgs args = SplitPieces(pieces);
  m_lines.push_back(ShellArrayLine("VCodec", args.VC));
  m_lines.push_back(ShellArrayLine("ACodec", args.AC));
  m_lines.push_back(ShellArrayLine("AdvParams", args.ADV));
  m_lines.push_back(ShellArrayLine("AddParams", args.ADD));
}

// The call through the arrays when the pieces, split one by one, give the
// very arguments the whole line gives; else (a piece with an unbalanced
// quote) the call's whole argument list, written out literally.
std::string BatchScript::CallLine(const TCommandPieces& pieces,
                                  const std::string& parameters) const {
  std::vector<std::string> argv = SplitCommandLine(parameters);
  PieceArgs a = SplitPieces(pieces);
  std::string call = "\"$ffmpeg\"";
  size_t pos = 3;
  bool same = argv.size() >= 4 && argv[0] == "-y" && argv[1] == "-i";
  const std::pair<const std::vector<std::string>*, const char*> before[] = {{&a.VC, "VCodec"},
                                                                            {&a.VP, "VParams"},
                                                                            {&a.AC, "ACodec"},
                                                                            {&a.AP, "AParams"},
                                                                            {&a.ADV, "AdvParams"}};
  std::string arrays;
  for (const auto& [part, name] : before) {
    same = same && MatchesAt(argv, pos, *part);
    pos += part->size();
    arrays += std::string(" \"${") + name + "[@]}\"";
  }
  const size_t tail = a.ADD.size() + 1;
  same = same && pos + tail <= argv.size() && MatchesAt(argv, argv.size() - tail, a.ADD);
  if (!same) return call + QuotedWords(argv, 0, argv.size());
  return call + " '-y' '-i' " + ShellQuote(argv[2]) + arrays +
         QuotedWords(argv, pos, argv.size() - tail) + " \"${AddParams[@]}\" " +
         ShellQuote(argv.back());
}

void BatchScript::AddFileCalls(int fileNo, const TCommandPieces& pieces,
                               const std::vector<std::string>& passParameters) {
  PieceArgs args = SplitPieces(pieces);
  m_lines.push_back("");
  m_lines.push_back("# ///////////////////////////////// file " + std::to_string(fileNo) +
                    " /////////////////////////////////");
  m_lines.push_back(ShellArrayLine("VParams", args.VP));
  m_lines.push_back(ShellArrayLine("AParams", args.AP));
  if (passParameters.size() == 1) {
    m_lines.push_back("(cd -- \"$programDir\" && " + CallLine(pieces, passParameters[0]) + ")");
    return;
  }
  // Both passes share a folder of their own for ffmpeg's log files.
  m_lines.push_back("workDir=$(mktemp -d) && (cd -- \"$workDir\" &&");
  for (size_t i = 0; i < passParameters.size(); ++i) {
    bool last = i + 1 == passParameters.size();
    m_lines.push_back("  " + CallLine(pieces, passParameters[i]) + (last ? ")" : " &&"));
  }
  m_lines.push_back("rm -rf -- \"$workDir\"");
}

void BatchScript::Finish() {
  m_lines.push_back("");
  // The pause only makes sense with someone at the keyboard.
  m_lines.push_back("if [ -t 0 ]; then read -r -p 'Press Enter to continue . . . ' _; fi");
}

std::string BatchScript::Text() const {
  std::string text;
  for (const std::string& line : m_lines) text += line + "\n";
  return text;
}

Status SaveBatchScript(const std::string& fileName, const BatchScript& script) {
  Status written = WriteFileAtomic(fileName, script.Text());
  if (!written) return written;
  struct stat info {};
  if (stat(fileName.c_str(), &info) == 0) {
    // Executable for whoever may read it.
    mode_t mode = info.st_mode & 07777;
    mode |= (mode & 0444) >> 2;
    chmod(fileName.c_str(), mode);
  }
  return Status::Ok();
}

}  // namespace zelmora
