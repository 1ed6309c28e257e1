// zelmora-cli's converting subcommands, run as the built program on clips
// generated with the real ffmpeg.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/command_line.h"
#include "base/files.h"
#include "base/text.h"
#include "core/test_conversion_support.h"
#include "platform/run_program.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using test::TempDir;

class CliConvert : public ::testing::Test {
protected:
  void SetUp() override {
    if (!FileExists(program)) GTEST_SKIP() << program << " is not built";
    ZELMORA_SKIP_WITHOUT_FFMPEG();
    clip = test::MakeClip(dir.path(), "clip one.webm", {});
  }

  // Runs the program with stdout in out and stderr in err; PATH may put a
  // stand-in ffmpeg first.
  int Run(const std::vector<std::string>& args, const std::string& pathPrefix = "") {
    const std::string errFile = dir.file("stderr.txt");
    std::string script = "exec \"$0\" \"$@\" 2>'" + errFile + "'";
    if (!pathPrefix.empty()) script = "PATH='" + pathPrefix + "':\"$PATH\" " + script;
    std::vector<std::string> argv = {"/bin/sh", "-c", script, program};
    argv.insert(argv.end(), args.begin(), args.end());
    out.clear();
    Result<int> rc = RunProgramAndWait(argv, &out);
    Result<std::string> errText = ReadWholeFile(errFile);
    err = errText ? errText.value() : "";
    EXPECT_TRUE(rc.ok());
    return rc.ok() ? rc.value() : -1;
  }

  // What ffmpeg says about a file's streams.
  std::string Describe(const std::string& file) {
    std::string text;
    (void)RunProgramAndWait(
        {"/bin/sh", "-c", "exec \"$0\" -hide_banner -i \"$1\" 2>&1", test::FfmpegPath(), file},
        &text);
    return text;
  }

  const std::string program = ZELMORA_BINARY_DIR "/bin/zelmora-cli";
  TempDir dir;
  std::string clip;
  std::string out, err;
};

struct FormatCase {
  const char* name;
  std::vector<std::string> options;
  const char* output;
  std::vector<const char*> streams;  // texts ffmpeg shows for the output
};

TEST_F(CliConvert, ConvertsToAviAndMpgWithTheChosenCodecs) {
  const std::string profile = dir.write("mpeg4-ac3.ini",
                                        "[MAIN]\nOutputFormat=AVI\n[AVI]\nVideoCodec=FFMPEG4\n"
                                        "[AUDIO]\nAudioCodec=AC3\nAudioBitrate=128\n");
  const FormatCase cases[] = {
      {"AVI with the defaults", {}, "clip one.avi", {"Video: mpeg4", "XVID", "Audio: mp3"}},
      {"MPG with the defaults",
       {"--format", "mpg"},
       "clip one.mpg",
       {"Video: mpeg1video", "Audio: mp2"}},
      {"AVI from a profile",
       {"--profile", profile},
       "clip one_001.avi",
       {"Video: mpeg4", "FMP4", "Audio: ac3", "128 kb/s"}},
  };
  for (const FormatCase& c : cases) {
    std::vector<std::string> args = {"convert", "--no-wait"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(clip);
    ASSERT_EQ(Run(args), 0) << c.name << "\n" << out << err;
    const std::string output = dir.file(c.output);
    ASSERT_TRUE(FileExists(output)) << c.name << "\n" << out;
    EXPECT_NE(out.find(": " + clip + " -> " + output + "\n"), std::string::npos) << out;
    const std::string description = Describe(output);
    for (const char* stream : c.streams)
      EXPECT_TRUE(ContainsText(description, stream)) << c.name << ": " << stream << "\n"
                                                     << description;
  }
}

TEST_F(CliConvert, CommandPrintsWhatTheRunPassesToFfmpeg) {
  TempDir bin;
  test::FakeFfmpeg recorder(bin, "", test::FfmpegPath());
  const std::string fakeDir = bin.file("fake-bin");
  ASSERT_EQ(Run({"command", "--out-dir", dir.file("out"), clip}, fakeDir), 0) << err;
  std::vector<std::string> lines = Split(out, '\n');
  ASSERT_EQ(lines.size(), 2u) << out;
  EXPECT_EQ(lines[0].rfind("-y -i \"" + clip + "\" ", 0), 0u) << lines[0];
  EXPECT_TRUE(EndsWith(lines[0], " \"" + dir.file("out/clip one.avi") + "\"")) << lines[0];
  recorder.ClearLog();
  ASSERT_EQ(Run({"convert", "--no-wait", "--out-dir", dir.file("out"), clip}, fakeDir), 0) << err;
  std::vector<test::RecordedCall> calls = recorder.EncodeCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].args, SplitCommandLine(lines[0]));
}

TEST_F(CliConvert, CommandPrintsTwoLinesForTwoPasses) {
  const std::string profile = dir.write("2pass.ini", "[AVI]\nVideo2Pass=1\n");
  ASSERT_EQ(Run({"command", "--profile", profile, clip}), 0) << err;
  std::vector<std::string> lines = Split(out, '\n');
  ASSERT_EQ(lines.size(), 3u) << out;
  EXPECT_NE(lines[0].find(" -pass 1 "), std::string::npos);
  EXPECT_NE(lines[1].find(" -pass 2 "), std::string::npos);
}

TEST_F(CliConvert, CommandWithSkipAndAnExistingOutputPrintsNothing) {
  dir.write("clip one.avi", "existing");
  EXPECT_EQ(Run({"command", "--if-exists", "skip", clip}), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(Run({"command", "--if-exists=rename", clip}), 0);
  EXPECT_NE(out.find("clip one_001.avi"), std::string::npos) << out;
}

TEST_F(CliConvert, ARefusedPieceGoesToStderrWithStatusOne) {
  const std::string profile = dir.write("bad.ini", "[AVI]\nVideoFPS=fast\n");
  EXPECT_EQ(Run({"command", "--profile", profile, clip}), 1);
  EXPECT_EQ(out, "");
  EXPECT_NE(err.find("fast"), std::string::npos) << err;
}

TEST_F(CliConvert, AFailedFileGivesStatusOneAndARecordInTheErrorLog) {
  const std::string broken = dir.write("broken.webm", "not a video at all");
  const std::string log = dir.file("errors.log");
  EXPECT_EQ(Run({"convert", "--no-wait", "--error-log", log, broken, clip}), 1);
  EXPECT_NE(out.find("[1/2] Error ("), std::string::npos) << out;
  EXPECT_NE(out.find("[2/2] Done: "), std::string::npos) << out;
  std::string records = ReadWholeFile(log).value();
  EXPECT_EQ(records.rfind("Error # 1\n----------\n", 0), 0u) << records;
  EXPECT_NE(records.find("Input file: " + broken + "\n"), std::string::npos) << records;
  EXPECT_EQ(err.find("Error # 1"), std::string::npos) << "records went to the file";
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
};

TEST_F(CliConvert, WrongArgumentsGiveStatusTwoAndTouchNothing) {
  const UsageCase cases[] = {
      {"no file", {"convert"}},
      {"a missing file", {"convert", dir.file("missing.webm")}},
      {"an unknown option", {"convert", "--fast", clip}},
      {"a bad format", {"convert", "--format", "mkv", clip}},
      {"a bad policy", {"convert", "--if-exists", "never", clip}},
      {"a bad track", {"convert", "--audio-track", "-1", clip}},
      {"an option without its value", {"convert", clip, "--out-dir"}},
      {"an unreadable list", {"convert", "--list", dir.file("none.lst")}},
      {"an unreadable profile", {"command", "--profile", dir.file("none.ini"), clip}},
      {"two files for command", {"command", clip, clip}},
      {"a script without -o", {"script", clip}},
      {"bitrates with an argument", {"bitrates", "x"}},
  };
  for (const UsageCase& c : cases) {
    EXPECT_EQ(Run(c.args), 2) << c.name << "\n" << err;
    EXPECT_FALSE(err.empty()) << c.name;
  }
  EXPECT_FALSE(FileExists(dir.file("clip one.avi")));
}

TEST_F(CliConvert, EverySubcommandHasHelp) {
  for (const char* subcommand : {"command", "convert", "script", "bitrates"}) {
    EXPECT_EQ(Run({subcommand, "--help"}), 0) << subcommand;
    EXPECT_EQ(out.rfind(std::string("Usage: zelmora-cli ") + subcommand, 0), 0u) << out;
  }
}

TEST_F(CliConvert, ListFilesAndAFileStartingWithADash) {
  const std::string dashed = dir.file("-dash.webm");
  ASSERT_EQ(RunProgramAndWait({"cp", clip, dashed}).value(), 0);
  const std::string list = dir.write("files.lst", clip + "\n");
  ASSERT_EQ(Run({"convert", "--no-wait", "--format", "mpg", "--list", list, "--", dashed}), 0)
      << out << err;
  EXPECT_TRUE(FileExists(dir.file("clip one.mpg")));
  EXPECT_TRUE(FileExists(dir.file("-dash.mpg")));
}

TEST_F(CliConvert, ScriptWritesAnExecutableScriptAndBitratesPrintsTheTable) {
  const std::string script = dir.file("convert.sh");
  ASSERT_EQ(Run({"script", "-o", script, clip}), 0) << err;
  std::string text = ReadWholeFile(script).value();
  EXPECT_EQ(text.rfind("#!/bin/bash\n", 0), 0u);
  EXPECT_NE(text.find("'" + clip + "'"), std::string::npos);
  EXPECT_FALSE(FileExists(dir.file("clip one.avi"))) << "nothing is converted";
  ASSERT_EQ(Run({"bitrates"}), 0);
  EXPECT_EQ(out.rfind("Sampling rate: 16000\n", 0), 0u) << out;
  EXPECT_EQ(out.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace zelmora
