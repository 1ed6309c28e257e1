// ffmpeg or the MediaInfo library missing, or not what its name says: the
// analysis gives what is left, the conversion says what is wrong, and
// nothing crashes. The command line runs in a process of its own, so a
// library that could bring the loader down is tried there.
#include <gtest/gtest.h>

#include "base/files.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "platform/run_program.h"
#include "platform/system_library.h"
#include "support/media_clips.h"

namespace zelmora {
namespace {

using test::ConversionHarness;
using test::TempDir;

const std::string Cli = ZELMORA_BINARY_DIR "/bin/zelmora-cli";

class MissingTools : public ::testing::Test {
protected:
  void SetUp() override {
    if (!FileExists(Cli)) GTEST_SKIP() << Cli << " is not built";
    ZELMORA_SKIP_WITHOUT_FFMPEG();
    clip = test::MakeClip(dir.path(), "clip.webm");
  }
  // zelmora-cli with the arguments, stderr with stdout; PATH as given.
  int Run(const std::vector<std::string>& args, const std::string& path = "") {
    std::string script = "exec \"$0\" \"$@\" 2>&1";
    if (!path.empty()) script = "PATH='" + path + "' " + script;
    std::vector<std::string> argv = {"/bin/sh", "-c", script, Cli};
    argv.insert(argv.end(), args.begin(), args.end());
    output.clear();
    Result<int> rc = RunProgramAndWait(argv, &output);
    return rc.ok() ? rc.value() : -1;
  }

  TempDir dir;
  std::string clip;
  std::string output;
};

// Files at the MediaInfo path that are no library: text, and the real
// library cut short (which the loader would map past its end).
std::vector<std::string> BrokenLibraries(const TempDir& dir) {
  std::vector<std::string> files{dir.write("text/libmediainfo.so.0", "not a library\n")};
  const std::string real = FindSystemLibrary("libmediainfo.so.0");
  Result<std::string> bytes = ReadWholeFile(real);
  if (!real.empty() && bytes) {
    for (size_t size : {size_t{64}, size_t{5000}, bytes.value().size() / 2})
      files.push_back(dir.write("cut" + std::to_string(size) + "/libmediainfo.so.0",
                                bytes.value().substr(0, size)));
  }
  return files;
}

TEST_F(MissingTools, AnUnloadableLibraryLeavesTheProbeAsTheOnlySource) {
  for (const std::string& library : BrokenLibraries(dir)) {
    SCOPED_TRACE(library);
    EXPECT_EQ(Run({"--mediainfo", library, "analyze", clip}), 0) << output;
    EXPECT_NE(output.find("Resolution: 160 x 120"), std::string::npos) << output;
    EXPECT_EQ(output.find("Format: WebM"), std::string::npos) << "no MediaInfo data";

    EXPECT_EQ(Run({"--mediainfo", library, "analyze", "--depth", "quick", clip}), 0) << output;
    EXPECT_NE(output.find("File: " + clip), std::string::npos) << output;
    EXPECT_NE(output.find("Number of video streams: 0"), std::string::npos) << output;
  }
}

TEST_F(MissingTools, WithoutFfmpegAndLibraryTheAnalysisGivesNameAndSize) {
  EXPECT_EQ(Run({"--ffmpeg", dir.file("no-ffmpeg"), "--mediainfo", dir.file("no-library"),
                 "analyze", clip}),
            0)
      << output;
  EXPECT_NE(output.find("File size: " + std::to_string(GetFileSize(clip) / 1000)),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Number of video streams: 0"), std::string::npos) << output;
}

TEST_F(MissingTools, ConvertingWithoutFfmpegSaysSoAndWritesNothing) {
  const std::string emptyPath = dir.mkdir("empty-bin");
  EXPECT_EQ(Run({"convert", "--no-wait", clip}, emptyPath), 1) << output;
  EXPECT_NE(output.find("Could not find FFmpeg encoder!"), std::string::npos) << output;
  EXPECT_FALSE(FileExists(dir.file("clip.avi")));
}

// A file at the ffmpeg path that cannot be run: each row fails with the
// reason in its record, and the run goes on to the next.
TEST(MissingEncoder, AnEncoderThatCannotBeStartedFailsEveryRowWithTheReason) {
  TempDir dir;
  const std::string notRunnable = dir.write("plain/ffmpeg", "just text\n");
  const std::string garbage = test::WriteScript(dir, "garbage/ffmpeg", "");
  ASSERT_TRUE(WriteFileAtomic(garbage, std::string("\x7f"
                                                   "ELF\x02\x01\x01 garbage",
                                                   16))
                  .ok());
  chmod(garbage.c_str(), 0755);
  for (const std::string& ffmpeg : {notRunnable, garbage}) {
    SCOPED_TRACE(ffmpeg);
    ConversionHarness h(ffmpeg);
    h.rows.Add(dir.write("a.webm", "x"));
    h.rows.Add(dir.write("b.webm", "x"));

    TConversionOutcome outcome = h.Convert();

    EXPECT_TRUE(outcome.ReachedEnd);
    EXPECT_EQ(h.rows.Statuses(), (std::vector<std::string>{"Error (127)", "Error (127)"}));
    EXPECT_EQ(h.view.records, 2);
    EXPECT_NE(h.view.errorLog.Text().find(ffmpeg), std::string::npos) << h.view.errorLog.Text();
    EXPECT_FALSE(FileExists(dir.file("a.avi")));
  }
}

}  // namespace
}  // namespace zelmora
