#include "tools/tools_report.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/files.h"
#include "base/text.h"
#include "pe_builder.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

std::vector<std::string> ReportLines(const std::string& path, int labelWidth = 18) {
  Result<std::string> report = ToolFileReport(path, labelWidth);
  EXPECT_TRUE(report) << path;
  if (!report) return {};
  EXPECT_EQ(ReplaceAll(report.value(), "\r\n", "").find('\n'), std::string::npos)
      << "lines end with CR LF only";
  return SplitLines(report.value());
}

TEST(ToolFileReport, SizeAndChecksumLinesOfPlainFiles) {
  test::TempDir dir;
  const std::string big = dir.write("big.bin", std::string(1234567, 'x'));
  std::vector<std::string> lines = ReportLines(big);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "        File name: " + big);
  EXPECT_EQ(lines[1], "        File size: 1 234 567 bytes (1.18 MB)");
  EXPECT_EQ(lines[2].substr(0, 20), "       File CRC32: $");
  EXPECT_EQ(lines[2].size(), 28u);

  const std::string empty = dir.write("empty.bin", "");
  lines = ReportLines(empty);
  ASSERT_EQ(lines.size(), 3u) << "no binary type for an empty file";
  EXPECT_EQ(lines[1], "        File size: 0 bytes ( 0 bytes)");
  EXPECT_EQ(lines[2], "       File CRC32: $00000000");

  EXPECT_EQ(ReportLines(dir.write("check.txt", "123456789"))[2], "       File CRC32: $CBF43926");
}

TEST(ToolFileReport, ALabelLongerThanTheWidthIsPrintedWhole) {
  test::TempDir dir;
  const std::string path = dir.write("a.bin", "abc");
  std::vector<std::string> lines = ReportLines(path, 5);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "File name: " + path);
  EXPECT_EQ(lines[1], "File size: 3 bytes ( 3 bytes)");
  EXPECT_EQ(ReportLines(path, 0)[2].substr(0, 13), "File CRC32: $");
}

TEST(ToolFileReport, APeLibraryWithAVersionResourceGetsAllSevenLines) {
  test::TempDir dir;
  test::VersionSpec version{"18.05", "18.5.0.0", "MediaInfo library", 0x0409, 0x04B0, ""};
  const std::string path =
      dir.write("MediaInfo.dll", test::BuildPe({0x8664, 0x20B, 0x2000, version}));
  std::vector<std::string> lines = ReportLines(path);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3], "      Binary type: 64-bit Library / Win PE32+ / AMD64");
  EXPECT_EQ(lines[4], "  Product version: 18.05");
  EXPECT_EQ(lines[5], "     File version: 18.5.0.0");
  EXPECT_EQ(lines[6], " File description: MediaInfo library");
}

TEST(ToolFileReport, APeFileWithoutVersionResourceHasNoVersionLines) {
  test::TempDir dir;
  const std::string path = dir.write("ffmpeg.exe", test::BuildPe({0xAA64, 0x20B, 0x0002, {}}));
  std::vector<std::string> lines = ReportLines(path);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "      Binary type: 64-bit Executable / Win PE32+ / UNKNOWN (43620)");
}

TEST(ToolFileReport, TheRealFfmpegIsDescribedAsAnElfExecutable) {
  if (!FileExists("/usr/bin/ffmpeg")) GTEST_SKIP() << "ffmpeg is not installed";
  std::vector<std::string> lines = ReportLines("/usr/bin/ffmpeg");
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(StartsWith(lines[3], "      Binary type: ")) << lines[3];
  EXPECT_NE(lines[3].find("-bit Executable / Linux ELF"), std::string::npos) << lines[3];
}

TEST(ToolFileReport, AMissingFileGivesAnEmptyBlockAndAnUnreadableOneAnError) {
  test::TempDir dir;
  Result<std::string> missing = ToolFileReport(dir.file("nothing"), 18);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing.value(), "");
  EXPECT_EQ(ToolFileReport("", 18).value(), "");
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const std::string locked = dir.write("locked", "data");
  chmod(locked.c_str(), 0);
  Result<std::string> report = ToolFileReport(locked, 18);
  ASSERT_FALSE(report);
  EXPECT_NE(report.error().message.find("locked"), std::string::npos);
}

TEST(ToolsReport, TitlesBlocksAndSeparators) {
  test::TempDir dir;
  const std::string tool = dir.write("libmediainfo.so.0", "123456789");
  const std::string hyphens(83, '-');
  Result<std::string> report = ToolsReport("", tool, 18);
  ASSERT_TRUE(report);
  EXPECT_EQ(report.value(), "FFmpeg\r\n\r\n" + hyphens + "\r\nMediaInfo\r\n" +
                                ToolFileReport(tool, 18).value() + "\r\n" + hyphens);
  EXPECT_EQ(ToolsReport(tool, dir.file("missing"), 18).value(),
            "FFmpeg\r\n" + ToolFileReport(tool, 18).value() + "\r\n" + hyphens +
                "\r\nMediaInfo\r\n\r\n" + hyphens);
}

}  // namespace
}  // namespace zelmora
