#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/files.h"
#include "core/cli_options.h"
#include "core/program_title.h"
#include "platform/run_program.h"

namespace zelmora {
namespace {

struct ParseCase {
  const char* name;
  std::vector<std::string> args;
  TCliCommand expected;
};

TEST(ParseCliArguments, RecognisesEachCommandAndRefusesEverythingElse) {
  const ParseCase cases[] = {
      {"help", {"--help"}, TCliCommand::cliHelp},
      {"short help", {"-h"}, TCliCommand::cliHelp},
      {"version", {"--version"}, TCliCommand::cliVersion},
      {"paths", {"paths"}, TCliCommand::cliPaths},
      {"strings", {"strings"}, TCliCommand::cliStrings},
      {"nothing", {}, TCliCommand::cliUsageError},
      {"unknown command", {"convert-all"}, TCliCommand::cliUsageError},
      {"commands are case-sensitive", {"PATHS"}, TCliCommand::cliUsageError},
      {"an argument too many", {"--version", "x"}, TCliCommand::cliUsageError},
      {"an empty argument", {""}, TCliCommand::cliUsageError},
  };
  for (const ParseCase& c : cases) {
    TCliOptions options = ParseCliArguments(c.args);
    EXPECT_EQ(options.Command, c.expected) << c.name;
    EXPECT_EQ(options.Error.empty(), c.expected != TCliCommand::cliUsageError) << c.name;
  }
}

TEST(CliHelpText, ListsEveryCommand) {
  std::string help = CliHelpText();
  for (const char* command : {"--help", "--version", "paths", "strings"})
    EXPECT_NE(help.find(std::string("  ") + command + " "), std::string::npos) << command;
}

TEST(AppPathsReport, MarksMissingToolsAsNotFound) {
  TAppParams params;
  InitAppParams(params, "/opt/z");
  params.ffmpeg = "/usr/bin/ffmpeg";
  params.MediaInfoDll = "";
  std::string report = AppPathsReport("/opt/z", params);
  EXPECT_NE(report.find("AppDir:           /opt/z\n"), std::string::npos) << report;
  EXPECT_NE(report.find("ffmpeg:           /usr/bin/ffmpeg\n"), std::string::npos) << report;
  EXPECT_NE(report.find("MediaInfoDll:     (not found)\n"), std::string::npos) << report;
}

// The built program, run with its output captured (stderr joined to stdout).
class CliProgram : public ::testing::Test {
protected:
  void SetUp() override {
    if (!FileExists(program)) GTEST_SKIP() << program << " is not built";
  }
  int Run(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"/bin/sh", "-c", "exec \"$0\" \"$@\" 2>&1", program};
    argv.insert(argv.end(), args.begin(), args.end());
    Result<int> rc = RunProgramAndWait(argv, &output);
    EXPECT_TRUE(rc.ok());
    return rc.ok() ? rc.value() : -1;
  }

  const std::string program = ZELMORA_BINARY_DIR "/bin/zelmora-cli";
  std::string output;
};

TEST_F(CliProgram, VersionPrintsTheTitle) {
  EXPECT_EQ(Run({"--version"}), 0);
  EXPECT_EQ(output, ProgramTitle() + "\n");
}

TEST_F(CliProgram, HelpPrintsTheCommandList) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_EQ(output, CliHelpText());
}

TEST_F(CliProgram, UnknownArgumentsGiveUsageAndStatusTwo) {
  EXPECT_EQ(Run({"--bogus"}), 2);
  EXPECT_NE(output.find("unknown command '--bogus'"), std::string::npos) << output;
  EXPECT_NE(output.find("Usage: zelmora-cli"), std::string::npos) << output;
  EXPECT_EQ(Run({}), 2);
}

TEST_F(CliProgram, PathsNamesTheProgramFolder) {
  EXPECT_EQ(Run({"paths"}), 0);
  EXPECT_NE(output.find("AppDir:           " ZELMORA_BINARY_DIR "/bin\n"), std::string::npos)
      << output;
}

}  // namespace
}  // namespace zelmora
