// An input that changes while ffmpeg reads it: the run never hangs, and the
// row's status is what ffmpeg's exit code says, nothing else.
#include <gtest/gtest.h>
#include <unistd.h>

#include "base/files.h"
#include "base/text.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "support/media_clips.h"

namespace zelmora {
namespace {

using namespace std::chrono_literals;
using test::TempDir;

TEST(InputFaults, AnInputCutShortWhileItIsReadEndsAsFfmpegSays) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::ClipOptions options;
  options.duration = 2.0;
  for (off_t keep : {off_t{-2}, off_t{0}}) {  // -2: half of the file
    SCOPED_TRACE(keep == 0 ? "cut to nothing" : "cut in half");
    TempDir dir;
    const std::string clip = test::MakeClip(dir.path(), "clip.webm", options);
    // ffmpeg reads at the clip's own pace (-re), so it is still reading when
    // the file is cut; the wrapper notes each exit code it passes on.
    const std::string codes = dir.file("exit-codes");
    const std::string slow = test::WriteScript(
        dir, "slow-ffmpeg",
        "'" + test::FfmpegPath() + "' -re \"$@\"; rc=$?; echo $rc >> '" + codes + "'; exit $rc");
    test::ConversionHarness h(slow);
    h.rows.Add(clip);
    bool cut = false;
    h.view.onEvents = [&] {
      if (!cut && h.runner.IsRunning() && h.context.ConversionState.Pass == 1 &&
          !h.view.progress.empty() && h.view.outputText.find("frame=") != std::string::npos) {
        cut = truncate(clip.c_str(), keep < 0 ? GetFileSize(clip) / 2 : keep) == 0;
      }
    };

    auto start = test::FaultClock::now();
    TConversionOutcome outcome = h.Convert();

    EXPECT_LT(test::FaultClock::now() - start, 15s);
    EXPECT_TRUE(cut) << "ffmpeg had finished before the file was cut";
    EXPECT_TRUE(outcome.ReachedEnd);
    std::vector<std::string> exitCodes = Split(Trim(ReadWholeFile(codes).value()), '\n');
    ASSERT_FALSE(exitCodes.empty());
    const std::string& last = exitCodes.back();  // the encoding came after the probes
    EXPECT_EQ(h.rows.rows[0].status, last == "0" ? "Done" : "Error (" + last + ")");
    EXPECT_EQ(h.view.records, last == "0" ? 0 : 1);
  }
}

}  // namespace
}  // namespace zelmora
