#include <gtest/gtest.h>

#include "core/error_log.h"
#include "i18n/app_strings.h"
#include "process/conversion_state.h"

namespace zelmora {
namespace {

const LocalDateTime Noon{2026, 3, 7, 12, 5, 9, 250};

TEST(ErrorRecordLines, ANumberedRecordHasItsHeadingAndRules) {
  std::vector<std::string> lines = ErrorRecordLines("ExitCode: 1\nUnknown encoder 'x'\n",
                                                    "/in/a b.webm", "/out/a b.avi", 12, Noon);
  const std::vector<std::string> expected = {
      "Error # 12",
      "----------",
      "Date & Time: 2026-03-07 / 12:05:09",
      "Input file: /in/a b.webm",
      "Output file: /out/a b.avi",
      "ExitCode: 1",
      "Unknown encoder 'x'",
      "",
      std::string(69, '-'),
  };
  EXPECT_EQ(lines, expected);
}

TEST(ErrorRecordLines, NumberZeroLeavesOutTheHeading) {
  std::vector<std::string> lines = ErrorRecordLines("ExitCode: 2", "/a", "/b", 0, Noon);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].rfind("Date & Time: ", 0), 0u);
  EXPECT_EQ(lines[3], "ExitCode: 2");
  EXPECT_EQ(lines[4], std::string(69, '-'));
}

TEST(ErrorRecordLines, WindowsLineEndsInTheDetailsBecomeLines) {
  std::vector<std::string> lines = ErrorRecordLines("ExitCode: 1\r\nx\r\n", "/a", "/b", 1, Noon);
  EXPECT_EQ(lines[5], "ExitCode: 1");
  EXPECT_EQ(lines[6], "x");
}

TEST(ErrorDetails, HoldsTheExitCodeAsAnUnsignedNumberAndEveryLine) {
  EXPECT_EQ(ErrorDetails(4294967295u, {"a", "b"}), "ExitCode: 4294967295\na\nb\n");
  EXPECT_EQ(ErrorDetails(137, {}), "ExitCode: 137\n");
}

TEST(ErrorLog, RecordsFollowEachOtherAndClearingKeepsTheCount) {
  TConversionState state;
  ErrorLog log;
  state.ErrorCount = 1;
  log.AddErrorRecord("ExitCode: 1\n", "/a", "/b", state.ErrorCount);
  state.ErrorCount = 2;
  log.AddErrorRecord("ExitCode: 1\n", "/c", "/d", state.ErrorCount);
  EXPECT_NE(log.Text().find(std::string(69, '-') + "\nError # 2\n"), std::string::npos);
  log.Clear();  // the window's "Clear log"
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(state.ErrorCount, 2);
  ClearErrorLog(state, log);  // the start of the next run
  EXPECT_EQ(state.ErrorCount, 0);
}

TEST(ErrorLogCaption, CountsTheFailures) {
  TAppStrings strings;
  EXPECT_EQ(ErrorLogCaption(strings, 2), "Errors (2)");
}

}  // namespace
}  // namespace zelmora
