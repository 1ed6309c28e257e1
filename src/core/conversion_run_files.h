#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/app_params.h"

namespace zelmora {

enum class TOutputAction { oaWrite, oaSkip, oaNoFreeName };

// What the if-exists policy makes of an output path.
struct TOutputDecision {
  std::string Output;  // the name to write (renamed when needed)
  TOutputAction Action = TOutputAction::oaWrite;
  bool Renamed = false;
  bool Overwritten = false;
};

// The files the conversion run works with and the texts it shows for them.

// The input path of a row: every run of "/" becomes one "/". An absolute
// path keeps its leading "/".
std::string NormalizeInputPath(const std::string& path);

// Anything at all under that name, a dangling symbolic link included: an
// output must never be written over it unasked.
bool PathExists(const std::string& path);

// fileName itself when nothing has that name; else the first free
// Base + separator + n + Ext for n = 1 .. 100000, n with at least `digits`
// digits (clip_001.avi ... clip_999.avi, clip_1000.avi); "" when all are taken.
std::string UniqueFileName(const std::string& fileName, const std::string& separator = "_",
                           int digits = 3);

// Whether two paths name one file, as the file system sees it: the same
// inode when both exist, else the same canonical path. Letter case counts.
bool IsSameFile(const std::string& a, const std::string& b);

// The files ffmpeg and its encoders leave in the working folder of a
// two-pass encoding.
inline constexpr std::array<const char*, 7> TwoPassLogFiles = {
    "ffmpeg2pass-0.log",     "ffmpeg2pass-0.log.mbtree",   "x264_2pass.log", "x264_2pass.log.temp",
    "x264_2pass.log.mbtree", "x264_2pass.log.mbtree.temp", "xvidff.iG2Kb7"};

// Deletes the two-pass log files from logDir (a write-protected one is made
// writable first), then the folder when it is empty. Errors are ignored.
void ClearLogs(const std::string& logDir);

// The output path of an input before the if-exists policy: beside the input
// or in outDir, with the output format's extension (ext with its dot).
std::string OutputPathFor(bool outIn, const std::string& outDir, const std::string& input,
                          const std::string& ext);

// The if-exists policy (an index outside the list reads as Rename). An
// output that is the input itself is always renamed, whatever the policy.
TOutputDecision DecideOutput(const std::string& output, const std::string& input, int outputExists);

// The progress window's output-file label: the folder (with its trailing
// "/") on a dark badge and the name in bold while converting; a light badge
// for a skipped file.
std::string ConvertingOutputLabel(const std::string& outputFile);
std::string SkippedOutputLabel(const std::string& outputFile);

// The status label at the end of a file: the status in bold.
std::string FileStatusLabel(const std::string& status);

}  // namespace zelmora
