#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "core/batch_script.h"
#include "core/conversion_run.h"
#include "core/test_conversion_support.h"
#include "platform/run_program.h"
#include "support/media_clips.h"
#include "support/nasty_names.h"

namespace zelmora {
namespace {

using test::ConversionHarness;
using test::FakeFfmpeg;
using test::RecordedCall;
using test::TempDir;

using test::NastyNames;

struct ContractCase {
  const char* name;
  std::function<void(EncoderSettings&)> configure;
  bool twoPass;
  std::string behaviour;  // of the stand-in ffmpeg
};

bool AnyPwnedFile(const std::string& dir) {
  for (const std::string& name : ListFiles(dir))
    if (name.rfind("pwned", 0) == 0) return true;
  return false;
}

void RemoveOutputs(const std::string& dir) {
  for (const std::string& name : ListFiles(dir))
    if (EndsWith(name, ".avi")) (void)RemoveFile(JoinPath(dir, name));
}

// Exports the script, runs it, then converts the same rows, and compares
// what the stand-in ffmpeg saw both times.
void CheckContract(const ContractCase& c) {
  SCOPED_TRACE(c.name);
  TempDir dir;
  FakeFfmpeg ffmpeg(dir, c.behaviour);
  const std::string inputs = dir.mkdir("in");
  ConversionHarness exporter(ffmpeg.path);
  c.configure(exporter.settings);
  for (const std::string& name : NastyNames) exporter.rows.Add(dir.write("in/" + name, "x"));
  const std::string script = dir.file("convert.sh");
  TConversionOutcome exported = exporter.SaveBAT(script);
  ASSERT_TRUE(exported.ReachedEnd);
  ASSERT_TRUE(FileExists(script));
  EXPECT_FALSE(exporter.context.ConversionState.BatchFileMode);

  ffmpeg.ClearLog();
  std::string scriptOutput;
  Result<int> status =
      RunProgramAndWait({"bash", "-c", "exec bash \"$0\" </dev/null 2>&1", script}, &scriptOutput);
  ASSERT_TRUE(status.ok());
  EXPECT_EQ(status.value(), 0) << scriptOutput;
  std::vector<RecordedCall> fromScript = ffmpeg.Calls();
  RemoveOutputs(inputs);
  ffmpeg.ClearLog();
  ConversionHarness converter(ffmpeg.path);
  c.configure(converter.settings);
  converter.rows = exporter.rows;
  converter.Convert();
  std::vector<RecordedCall> fromRun = ffmpeg.EncodeCalls();

  const size_t perFile = c.twoPass ? 2 : 1;
  ASSERT_EQ(fromRun.size(), NastyNames.size() * perFile);
  ASSERT_EQ(fromScript.size(), fromRun.size()) << "the script ran nothing else";
  const std::string programDir = ConsoleRunner::ResolveWorkingDir("");
  std::set<std::string> scriptFolders;
  for (size_t i = 0; i < fromRun.size(); ++i) {
    EXPECT_EQ(fromScript[i].args, fromRun[i].args) << "call " << i;
    if (!c.twoPass) {
      EXPECT_EQ(fromScript[i].cwd, programDir);
      EXPECT_EQ(fromRun[i].cwd, programDir);
      continue;
    }
    EXPECT_EQ(fromRun[i].cwd, converter.context.AppParams.LogDir);
    if (i % 2 == 1) {
      EXPECT_EQ(fromScript[i].cwd, fromScript[i - 1].cwd) << "both passes share a folder";
      EXPECT_NE(fromScript[i].cwd, programDir);
      EXPECT_FALSE(DirectoryExists(fromScript[i].cwd)) << "the script removes its folder";
      scriptFolders.insert(fromScript[i].cwd);
    }
  }
  if (c.twoPass) {
    EXPECT_EQ(scriptFolders.size(), NastyNames.size()) << "one folder per file";
  }
  EXPECT_FALSE(AnyPwnedFile(inputs));
  EXPECT_FALSE(AnyPwnedFile(dir.path()));
  EXPECT_FALSE(AnyPwnedFile(programDir));
}

TEST(BatchScript, RunningTheScriptMakesTheSameCallsAsTheRun) {
  const ContractCase cases[] = {
      {"one pass with the default settings", [](EncoderSettings&) {}, false, ""},
      {"two passes of Xvid", [](EncoderSettings& s) { s.Avi.Video2Pass = true; }, true, ""},
      {"two passes of H.264 with its preset",
       [](EncoderSettings& s) {
         s.Avi.VideoCodec = vcH264;
         s.Avi.Video2Pass = true;
       },
       true, ""},
      {"additional parameters with quotes and blanks",
       [](EncoderSettings& s) {
         s.Advanced.AdditionalParams = "-metadata \"title=a b $(touch pwned4)\"\n-metadata 'x=y'";
       },
       false, ""},
      // The quote swallows the output name, so the stand-in must not write it.
      {"an unbalanced quote in the additional parameters",
       [](EncoderSettings& s) { s.Advanced.AdditionalParams = "-metadata \"title=half"; }, false,
       "exit 0"},
  };
  for (const ContractCase& c : cases) CheckContract(c);
}

TEST(BatchScript, TheScriptKeepsTheBatchFilesStructure) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  ConversionHarness h(ffmpeg.path);
  h.options.OutputExists = oeSkip;
  for (const char* name : {"a.webm", "b.webm", "c.webm"}) h.rows.Add(dir.write(name, "x"));
  dir.write("b.avi", "exists");
  const std::string script = dir.file("out.sh");
  ASSERT_TRUE(h.SaveBAT(script).ReachedEnd);
  std::vector<std::string> lines = Split(ReadWholeFile(script).value(), '\n');
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[0], "#!/bin/bash");
  EXPECT_EQ(lines[2], "ffmpeg='" + ffmpeg.path + "'");
  EXPECT_EQ(lines[3], "programDir='" + ConsoleRunner::ResolveWorkingDir("") + "'");
  // Per file: four arrays, an empty line, the numbered comment, two arrays, the call.
  auto file1 = std::find(lines.begin(), lines.end(),
                         "# ///////////////////////////////// file 1 "
                         "/////////////////////////////////");
  ASSERT_NE(file1, lines.end());
  EXPECT_EQ((file1 - 5)->rfind("VCodec=(", 0), 0u);
  EXPECT_EQ((file1 - 4)->rfind("ACodec=(", 0), 0u);
  EXPECT_EQ((file1 - 3)->rfind("AdvParams=(", 0), 0u);
  EXPECT_EQ((file1 - 2)->rfind("AddParams=(", 0), 0u);
  EXPECT_EQ(*(file1 - 1), "");
  EXPECT_EQ((file1 + 1)->rfind("VParams=(", 0), 0u);
  EXPECT_EQ((file1 + 2)->rfind("AParams=(", 0), 0u);
  EXPECT_NE((file1 + 3)->find("\"$ffmpeg\" '-y' '-i' '" + dir.file("a.webm") +
                              "' \"${VCodec[@]}\" \"${VParams[@]}\" \"${ACodec[@]}\" "
                              "\"${AParams[@]}\" \"${AdvParams[@]}\" \"${AddParams[@]}\" '" +
                              dir.file("a.avi") + "'"),
            std::string::npos)
      << *(file1 + 3);
  const std::string text = ReadWholeFile(script).value();
  EXPECT_EQ(text.find(" file 2 "), std::string::npos) << "the skipped file is left out";
  EXPECT_NE(text.find(" file 3 "), std::string::npos) << "but still counted";
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_TRUE(
      EndsWith(text, "\n\nif [ -t 0 ]; then read -r -p 'Press Enter to continue . . . ' _; fi\n"));
  EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Ready", "Ready", "Ready"}));
  EXPECT_TRUE(h.desktop.calls().empty());
  EXPECT_TRUE(ffmpeg.EncodeCalls().empty());
  struct stat info {};
  ASSERT_EQ(stat(script.c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IXUSR, 0u);
}

TEST(BatchScript, ARefusedPieceEndsTheExportAndLeavesTheOldFile) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  ConversionHarness h(ffmpeg.path);
  h.settings.Avi.VideoBitrate = "fast";
  h.rows.Add(dir.write("a.webm", "x"));
  const std::string script = dir.write("out.sh", "old script");
  TConversionOutcome outcome = h.SaveBAT(script);
  EXPECT_FALSE(outcome.ReachedEnd);
  EXPECT_EQ(h.view.warnings.size(), 1u);
  EXPECT_EQ(ReadWholeFile(script).value(), "old script");
  EXPECT_FALSE(h.context.ConversionState.BatchFileMode);
}

TEST(BatchScript, AScriptThatCannotBeWrittenIsReported) {
  TempDir dir;
  FakeFfmpeg ffmpeg(dir);
  ConversionHarness h(ffmpeg.path);
  h.options.AfterConversion = acCloseWindows;
  h.rows.Add(dir.write("a.webm", "x"));
  TConversionOutcome outcome = h.SaveBAT(dir.file("no/such/folder/out.sh"));
  EXPECT_TRUE(outcome.BatchWriteError.has_value());
  EXPECT_EQ(h.view.warnings.size(), 1u);
  EXPECT_TRUE(h.desktop.calls().empty()) << "an export never powers off";
}

TEST(ShellQuote, QuotesEveryByteLiterally) {
  EXPECT_EQ(ShellQuote(""), "''");
  EXPECT_EQ(ShellQuote("a b"), "'a b'");
  EXPECT_EQ(ShellQuote("it's"), "'it'\\''s'");
  EXPECT_EQ(ShellArrayLine("VCodec", {}), "VCodec=()");
  EXPECT_EQ(ShellArrayLine("VCodec", {"-vcodec", "libxvid"}), "VCodec=('-vcodec' 'libxvid')");
}

}  // namespace
}  // namespace zelmora
