// Names a shell or a careless parser would misread, taken through the whole
// program with the real tools: added to the list and analysed, converted,
// exported as a script that is then run, and saved and loaded as a list.
// Then names at the system's length limits.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_fixture.h"
#include "filelist/list_file.h"
#include "platform/run_program.h"
#include "platform/system_library.h"
#include "support/media_clips.h"
#include "support/nasty_names.h"

namespace zelmora {
namespace {

using test::TempDir;

using test::NastyNames;

bool AnyPwnedFile(const std::string& dir) {
  for (const std::string& name : ListFiles(dir))
    if (name.rfind("pwned", 0) == 0) return true;
  return false;
}

// The list with the real analyses and a conversion run reading that list.
struct ListAndRun {
  explicit ListAndRun(const std::string& ffmpeg) {
    context.AppParams.ffmpeg = ffmpeg;
    context.AppParams.MediaInfoDll = FindSystemLibrary("libmediainfo.so.0");
    context.AppParams.FileAnalysis = TFileAnalysis::faFull;
    SetDefaultParams(settings, 0, context.Strings);
    run.SetWait([](std::chrono::milliseconds) {});
    run.SetToolSearch({"/nonexistent/zelmora/bin", "", {}});
  }
  TConversionOutcome Convert() { return run.actConvert({settings, options, resolutions}); }
  std::vector<std::string> Statuses() const {
    std::vector<std::string> out;
    for (const TFileListRow& row : list.Rows()) out.push_back(row.Status);
    return out;
  }

  AppContext context;
  ConsoleRunner runner;
  MediaFileAnalyzer analyzer{context.AppParams, runner};
  test::RecordingListEvents events;
  FileListModel list{context.AppParams, context.Strings, analyzer, events};
  test::RecordingConversionView view;
  AbortController abort{context.ConversionState, runner};
  test::RecordingDesktopServices desktop;
  EncoderListCache encoders{runner};
  EncoderSettings settings;
  OutputOptions options;
  std::vector<std::string> resolutions;
  ConversionRun run{context, list, view, runner, abort, desktop, encoders};
};

TEST(NastyFileNames, AddAnalyseConvertExportAndListEndToEnd) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  TempDir dir;
  const std::string in = dir.mkdir("in");
  test::ClipOptions tiny;
  tiny.duration = 0.4;
  ListAndRun h(test::FfmpegPath());
  for (const std::string& name : NastyNames)
    ASSERT_TRUE(h.list.AddToList(test::MakeClip(in, name, tiny), true)) << name;
  h.list.Refresh();

  // Analysed: every row has its video size, whatever its name.
  ASSERT_EQ(h.list.RowCount(), static_cast<int>(NastyNames.size()));
  for (int row = 0; row < h.list.RowCount(); ++row) {
    EXPECT_EQ(h.list.Row(row).FileName, NastyNames[static_cast<size_t>(row)]);
    EXPECT_EQ(h.list.Row(row).VideoWidth, 160) << NastyNames[static_cast<size_t>(row)];
  }

  // Converted: one output beside each input.
  TConversionOutcome converted = h.Convert();
  EXPECT_EQ(converted.ErrorCount, 0) << h.view.errorLog.Text();
  EXPECT_EQ(h.Statuses(), std::vector<std::string>(NastyNames.size(), "Done"));
  for (const std::string& name : NastyNames)
    EXPECT_GT(GetFileSize(JoinPath(in, ChangeFileExt(name, ".avi"))), 0) << name;

  // Exported and run: the script makes the same outputs again.
  for (const std::string& name : NastyNames)
    (void)RemoveFile(JoinPath(in, ChangeFileExt(name, ".avi")));
  const std::string script = dir.file("convert all.sh");
  TConversionOutcome exported = h.run.actSaveBAT({h.settings, h.options, h.resolutions}, script);
  ASSERT_TRUE(exported.ReachedEnd);
  std::string scriptOutput;
  Result<int> status =
      RunProgramAndWait({"bash", "-c", "exec bash \"$0\" </dev/null 2>&1", script}, &scriptOutput);
  ASSERT_TRUE(status.ok());
  EXPECT_EQ(status.value(), 0) << scriptOutput;
  for (const std::string& name : NastyNames)
    EXPECT_GT(GetFileSize(JoinPath(in, ChangeFileExt(name, ".avi"))), 0) << name;
  EXPECT_FALSE(AnyPwnedFile(in));
  EXPECT_FALSE(AnyPwnedFile(dir.path()));

  // Saved and loaded: every name but the one no line can hold comes back.
  const std::string listFile = dir.file("my list.lst");
  Result<int> leftOut = SaveFileList(h.list, listFile);
  ASSERT_TRUE(leftOut.ok());
  EXPECT_EQ(leftOut.value(), 1);
  ListAndRun loaded(test::FfmpegPath());
  loaded.context.AppParams.FileAnalysis = TFileAnalysis::faNone;
  ASSERT_TRUE(LoadFileList(loaded.list, listFile).ok());
  std::vector<std::string> names;
  for (const TFileListRow& row : loaded.list.Rows()) names.push_back(row.FileName);
  std::vector<std::string> expected;
  for (const std::string& name : NastyNames)
    if (name.find('\n') == std::string::npos) expected.push_back(name);
  EXPECT_EQ(names, expected);
}

// A 255-byte name is the longest a folder entry may have, so the numbered
// name of the rename policy ("_001") cannot exist: the file fails with a
// record saying why, and the input stays.
TEST(LongFileNames, ANameWithNoRoomForItsNumberFailsWithARecord) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  TempDir dir;
  const std::string longest = std::string(251, 'n') + ".avi";
  ASSERT_EQ(longest.size(), 255u);
  test::ClipOptions tiny;
  tiny.duration = 0.4;
  const std::string input = dir.file(longest);
  ASSERT_EQ(rename(test::MakeClip(dir.path(), "short.avi", tiny).c_str(), input.c_str()), 0);
  const std::string bytes = ReadWholeFile(input).value();
  const std::string fits = dir.file(std::string(250, 'f') + ".webm");
  ASSERT_EQ(rename(test::MakeClip(dir.path(), "short.webm", tiny).c_str(), fits.c_str()), 0);
  test::FakeFfmpeg ffmpeg(dir, "", test::FfmpegPath());
  test::ConversionHarness h(ffmpeg.path);
  h.rows.Add(input);
  h.rows.Add(fits);

  TConversionOutcome outcome = h.Convert();

  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(h.rows.Statuses()[0].rfind("Error (", 0), 0u) << h.rows.Statuses()[0];
  EXPECT_EQ(h.rows.Statuses()[1], "Done");
  EXPECT_NE(h.view.errorLog.Text().find("File name too long"), std::string::npos)
      << h.view.errorLog.Text();
  EXPECT_EQ(ReadWholeFile(input).value(), bytes);
}

// A path longer than the system allows (PATH_MAX, 4096 bytes): it cannot be
// added, a list file naming it adds nothing for it, and the run that meets
// it fails it with a record.
TEST(LongFileNames, APathLongerThanTheSystemAllowsIsRefusedEverywhere) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  TempDir dir;
  std::string tooLong = dir.path();
  while (tooLong.size() <= 4200) tooLong += "/" + std::string(200, 'd');
  tooLong += "/clip.webm";
  TAppParams params;
  TAppStrings strings;
  NullFileAnalyzer analyzer;
  test::RecordingListEvents events;
  FileListModel list{params, strings, analyzer, events};
  EXPECT_FALSE(list.AddToList(tooLong, true));
  const std::string listFile = dir.write("long.lst", tooLong + "\r\n" + dir.write("ok.webm", "x"));
  EXPECT_TRUE(LoadFileList(list, listFile).ok());
  ASSERT_EQ(list.RowCount(), 1);
  EXPECT_EQ(list.Row(0).FileName, "ok.webm");

  test::ClipOptions tiny;
  tiny.duration = 0.4;
  const std::string clip = test::MakeClip(dir.path(), "clip.webm", tiny);
  test::FakeFfmpeg ffmpeg(dir, "", test::FfmpegPath());
  test::ConversionHarness h(ffmpeg.path);
  h.rows.Add(tooLong);
  h.rows.Add(clip);
  TConversionOutcome outcome = h.Convert();
  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(h.rows.Statuses()[0].rfind("Error (", 0), 0u) << h.rows.Statuses()[0];
  EXPECT_EQ(h.rows.Statuses()[1], "Done");
  EXPECT_NE(h.view.errorLog.Text().find(tooLong), std::string::npos);
}

}  // namespace
}  // namespace zelmora
