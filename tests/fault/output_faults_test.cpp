// Where the output cannot go: a read-only folder, a folder that vanishes
// during the run, a full disk. Every file gets a clear record, the run goes
// on, and the inputs stay as they were.
#include <gtest/gtest.h>

#include "base/files.h"
#include "config/settings_file.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "filelist/file_list_fixture.h"
#include "filelist/list_file.h"
#include "support/media_clips.h"

namespace zelmora {
namespace {

using test::ConversionHarness;
using test::FakeFfmpeg;
using test::TempDir;

class OutputFaults : public ::testing::Test {
protected:
  void SetUp() override {
    ZELMORA_SKIP_WITHOUT_FFMPEG();
    for (const char* name : {"one.webm", "two.webm"}) {
      inputs.push_back(test::MakeClip(dir.path(), name));
      originals.push_back(ReadWholeFile(inputs.back()).value());
    }
  }
  void ExpectInputsUntouched() {
    for (size_t i = 0; i < inputs.size(); ++i)
      EXPECT_EQ(ReadWholeFile(inputs[i]).value(), originals[i]) << inputs[i];
  }
  // The real ffmpeg, through `wrapper` when given (a script that execs it).
  ConversionHarness& Harness(const std::string& outDir, const std::string& wrapper = "") {
    ffmpeg = std::make_unique<FakeFfmpeg>(dir, "", wrapper.empty() ? test::FfmpegPath() : wrapper);
    h = std::make_unique<ConversionHarness>(ffmpeg->path);
    h->options.OutIn = false;
    h->options.OutDir = outDir;
    for (const std::string& input : inputs) h->rows.Add(input);
    return *h;
  }

  TempDir dir;
  std::vector<std::string> inputs, originals;
  std::unique_ptr<FakeFfmpeg> ffmpeg;
  std::unique_ptr<ConversionHarness> h;
};

TEST_F(OutputFaults, AReadOnlyOutputFolderGivesOneRecordPerFile) {
  test::ReadOnlyFolder folder(dir);
  if (folder.path().empty()) GTEST_SKIP() << "no read-only folder possible (root, no mount)";
  ConversionHarness& run = Harness(folder.path());

  TConversionOutcome outcome = run.Convert();

  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 2);
  EXPECT_EQ(run.rows.Statuses(), (std::vector<std::string>{"Error (1)", "Error (1)"}));
  const std::string& log = run.view.errorLog.Text();
  EXPECT_TRUE(log.find("Read-only file system") != std::string::npos ||
              log.find("Permission denied") != std::string::npos)
      << log;
  EXPECT_NE(log.find(folder.path() + "/two.avi"), std::string::npos) << log;
  ExpectInputsUntouched();
}

TEST_F(OutputFaults, AnOutputFolderThatVanishesIsMadeAgainForTheNextFile) {
  const std::string out = dir.file("out");
  ConversionHarness& run = Harness(out);
  // The folder goes while the first file is being analysed, after its
  // output name was decided.
  bool removed = false;
  run.view.onEvents = [&] {
    if (!removed && run.context.ConversionState.FileNo == 1 && !run.runner.IsRunning()) {
      removed = RemoveTree(out).ok();
    }
  };

  TConversionOutcome outcome = run.Convert();

  ASSERT_TRUE(removed);
  EXPECT_EQ(outcome.ErrorCount, 1);
  EXPECT_EQ(run.rows.Statuses(), (std::vector<std::string>{"Error (1)", "Done"}));
  EXPECT_NE(run.view.errorLog.Text().find("No such file or directory"), std::string::npos)
      << run.view.errorLog.Text();
  EXPECT_GT(GetFileSize(out + "/two.avi"), 0);
  ExpectInputsUntouched();
}

// A disk that fills up: a tiny tmpfs when mounting works, else a file-size
// limit on the encoder (set by a wrapper script in the child only).
TEST_F(OutputFaults, AFullDiskIsAnErrorNotASuccess) {
  test::TmpfsMount disk(dir, "size=8k");
  std::string wrapper;
  std::string out = disk.path();
  if (!disk.ok()) {
    wrapper = test::WriteScript(dir, "limited-ffmpeg",
                                "ulimit -f 8\nexec '" + test::FfmpegPath() + "' \"$@\"");
    out = dir.mkdir("out");
  }
  ConversionHarness& run = Harness(out, wrapper);

  TConversionOutcome outcome = run.Convert();

  EXPECT_TRUE(outcome.ReachedEnd);
  EXPECT_EQ(outcome.ErrorCount, 2) << run.view.errorLog.Text();
  for (const std::string& status : run.rows.Statuses())
    EXPECT_EQ(status.rfind("Error (", 0), 0u) << status;
  EXPECT_EQ(run.view.records, 2);
  if (disk.ok()) {
    EXPECT_NE(run.view.errorLog.Text().find("No space left on device"), std::string::npos)
        << run.view.errorLog.Text();
  }
  ExpectInputsUntouched();
}

}  // namespace
}  // namespace zelmora

namespace zelmora {
namespace {

// The program's own files on a disk that is full: the settings, a list and
// an exported script each fail (the last two with a message), and every
// file written before survives whole, with no temporary file left over.
TEST(FullDisk, SavingTheProgramsFilesKeepsThePreviousOnes) {
  TempDir dir;
  test::TmpfsMount disk(dir, "size=16k");
  if (!disk.ok()) GTEST_SKIP() << "cannot mount a small file system here";
  const std::string ini = disk.path() + "/Zelmora.ini";
  const std::string listFile = disk.path() + "/list.lst";
  const std::string script = disk.path() + "/convert.sh";
  for (const std::string& file : {ini, listFile, script})
    ASSERT_TRUE(WriteFileAtomic(file, "previous\n").ok());
  // Fill what is left of the disk.
  std::string filler(4096, 'f');
  for (int i = 0; WriteFileAtomic(disk.path() + "/filler" + std::to_string(i), filler).ok(); ++i) {
  }
  (void)WriteFileAtomic(disk.path() + "/filler-last", std::string(1024, 'f'));

  AppContext context;
  InitAppParams(context.AppParams, disk.path(), disk.path());
  SaveSettingsToIni(ini, context, TSettingsRecord{});
  TAppParams params;
  TAppStrings strings;
  NullFileAnalyzer analyzer;
  test::RecordingListEvents events;
  FileListModel list{params, strings, analyzer, events};
  for (int i = 0; i < 300; ++i)
    ASSERT_TRUE(
        list.AddToList(dir.write("in/clip number " + std::to_string(i) + ".webm", "x"), true));
  Result<int> listSaved = SaveFileList(list, listFile);
  FakeFfmpeg ffmpeg(dir);
  ConversionHarness h(ffmpeg.path);
  for (int i = 0; i < 100; ++i)
    h.rows.Add(dir.file("in/clip number " + std::to_string(i) + ".webm"));
  TConversionOutcome exported = h.SaveBAT(script);

  EXPECT_FALSE(listSaved.ok());
  EXPECT_TRUE(exported.BatchWriteError.has_value());
  EXPECT_EQ(h.view.warnings.size(), 1u);
  for (const std::string& file : {ini, listFile, script})
    EXPECT_EQ(ReadWholeFile(file).value(), "previous\n") << file;
  for (const std::string& name : ListFiles(disk.path()))
    EXPECT_TRUE(name.rfind("filler", 0) == 0 || name == "Zelmora.ini" || name == "list.lst" ||
                name == "convert.sh")
        << "left over: " << name;
}

}  // namespace
}  // namespace zelmora
