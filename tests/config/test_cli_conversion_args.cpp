#include <gtest/gtest.h>

#include "config/cli_conversion_args.h"
#include "config/cli_convert_view.h"
#include "core/output_options.h"

namespace zelmora {
namespace {

TEST(ParseCliConversionArgs, TakesValuesInBothFormsAndFilesInOrder) {
  TCliConversionArgs a = ParseCliConversionArgs(
      TCliSubcommand::scConvert,
      {"--format=mpg", "--if-exists", "skip", "a.webm", "--list", "x.lst", "--audio-track", "2",
       "--keep-dates", "--out-dir=/out", "--", "-b.webm", "--help"});
  ASSERT_EQ(a.Error, "");
  EXPECT_FALSE(a.Help) << "after -- everything is a file";
  EXPECT_EQ(a.Format, TOutputFormat::ofMPG);
  EXPECT_EQ(a.IfExists, oeSkip);
  EXPECT_EQ(a.AudioTrack, 2);
  EXPECT_TRUE(a.KeepDates);
  EXPECT_EQ(a.OutDir, "/out");
  ASSERT_EQ(a.Inputs.size(), 4u);
  EXPECT_EQ(a.Inputs[0].Path, "a.webm");
  EXPECT_TRUE(a.Inputs[1].IsListFile);
  EXPECT_EQ(a.Inputs[2].Path, "-b.webm");
  EXPECT_EQ(a.Inputs[3].Path, "--help");
}

struct RefusedCase {
  const char* name;
  TCliSubcommand subcommand;
  std::vector<std::string> args;
};

TEST(ParseCliConversionArgs, RefusesWhatASubcommandDoesNotTake) {
  const RefusedCase cases[] = {
      {"convert's options on command", TCliSubcommand::scCommand, {"--keep-dates", "a"}},
      {"a list for script", TCliSubcommand::scScript, {"-o", "s.sh", "--list", "l.lst"}},
      {"an output for convert", TCliSubcommand::scConvert, {"-o", "s.sh", "a"}},
      {"a track with a sign", TCliSubcommand::scConvert, {"--audio-track", "+1", "a"}},
      {"an empty folder", TCliSubcommand::scConvert, {"--out-dir=", "a"}},
      {"no files", TCliSubcommand::scScript, {"-o", "s.sh"}},
  };
  for (const RefusedCase& c : cases)
    EXPECT_NE(ParseCliConversionArgs(c.subcommand, c.args).Error, "") << c.name;
  EXPECT_TRUE(ParseCliConversionArgs(TCliSubcommand::scCommand, {"-h"}).Help);
}

TEST(CliProgressLine, ShowsCounterPercentRatesAndTimes) {
  EXPECT_EQ(CliProgressLine(2, 5, 25, "250", "10.1x", std::chrono::seconds(30)),
            "[2/5] 25%  fps 250  speed 10.1x  elapsed 0:30  left 1:30");
  EXPECT_EQ(CliProgressLine(1, 1, 0, "", "", std::chrono::seconds(3)), "[1/1] 0%  elapsed 0:03");
  EXPECT_EQ(FormatClock(std::chrono::seconds(3723)), "1:02:03");
}

}  // namespace
}  // namespace zelmora
