#include <gtest/gtest.h>

#include "base/files.h"
#include "core/test_conversion_support.h"
#include "platform/run_program.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

// A termination signal (what Ctrl+C sends the terminal's foreground job)
// stops zelmora-cli convert the way the Abort button stops the window's run.
TEST(CliConvertAbort, ASignalAbortsTheRunLikeTheAbortButton) {
  const std::string program = ZELMORA_BINARY_DIR "/bin/zelmora-cli";
  if (!FileExists(program)) GTEST_SKIP() << program << " is not built";
  test::TempDir dir;
  test::FakeFfmpeg ffmpeg(dir, "exec '" ZELMORA_FAKE_ENCODER "' sleep=20000");
  const std::string first = dir.write("a.webm", "x");
  const std::string second = dir.write("b.webm", "x");
  // The background job of a script ignores SIGINT, so SIGTERM stands in for it;
  // both reach the same handler.
  const std::string script =
      "PATH='" + dir.file("fake-bin") +
      "':\"$PATH\" \"$0\" convert --no-wait \"$1\" \"$2\" "
      "2>&1 & pid=$!; sleep 1; kill -TERM $pid; wait $pid; echo \"status=$?\"";
  std::string output;
  ASSERT_TRUE(RunProgramAndWait({"/bin/sh", "-c", script, program, first, second}, &output).ok());
  EXPECT_NE(output.find("[1/2] Aborted: " + first), std::string::npos) << output;
  EXPECT_EQ(output.find("[2/2]"), std::string::npos) << output;
  EXPECT_NE(output.find("status=1\n"), std::string::npos) << output;
  EXPECT_EQ(ffmpeg.EncodeCalls().size(), 1u);
}

}  // namespace
}  // namespace zelmora
