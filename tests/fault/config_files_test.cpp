// Settings, profile and language files that are cut short, binary, UTF-16
// without a byte-order mark or 50 MB large: each is read without a crash,
// keeps whatever it still holds, and is never changed by being read. A
// settings folder that cannot be written leaves the previous files whole.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <thread>

#include "base/files.h"
#include "base/text.h"
#include "config/profile_file.h"
#include "config/settings_file.h"
#include "core/test_conversion_support.h"
#include "fault/fault_support.h"
#include "filelist/file_list_fixture.h"
#include "filelist/list_file.h"
#include "i18n/app_strings.h"
#include "i18n/language_file.h"
#include "platform/run_program.h"

namespace zelmora {
namespace {

using test::TempDir;
using namespace std::chrono_literals;

struct Damaged {
  std::string name;
  std::string bytes;
  bool keepsTheValue;  // the sample value is still there to be read
};

std::string Utf16WithoutMark(const std::string& utf8) {
  std::string out;
  for (char32_t c : Utf8ToUtf32(utf8)) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>((c >> 8) & 0xFF);
  }
  return out;
}

// The good file in the ways it can be damaged. The value worth keeping
// sits in the first half of the file.
std::vector<Damaged> DamagedCopies(const std::string& good) {
  std::mt19937 random(7);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  std::string huge = good;
  huge.reserve(good.size() + 50 * 1024 * 1024 + 64);
  huge += "[JUNK]\nlong=" + std::string(25 * 1024 * 1024, 'a') + "\n";
  while (huge.size() < 50 * 1024 * 1024) huge += "key" + std::to_string(huge.size()) + "=v\n";
  return {{"cut short", good.substr(0, good.size() / 2 + 3), true},
          {"binary", binary, false},
          {"UTF-16 without a mark", Utf16WithoutMark(good), false},
          {"50 MB large", huge, true}};
}

// Reads `file` with `read`, which must finish quickly; the file itself
// must be the same afterwards.
template <typename Read>
void ExpectReadLeavesTheFile(const std::string& file, const std::string& bytes, Read read) {
  auto start = test::FaultClock::now();
  read();
  EXPECT_LT(test::FaultClock::now() - start, 20s) << "reading took too long";
  Result<std::string> after = ReadWholeFile(file);
  ASSERT_TRUE(after.ok());
  EXPECT_TRUE(after.value() == bytes) << "the file was changed by reading it";
}

TEST(DamagedFiles, SettingsFile) {
  TempDir dir;
  AppContext context;
  InitAppParams(context.AppParams, dir.path());
  const std::string ini = context.AppParams.IniName;
  TSettingsRecord saved;
  saved.Width = 1000;
  saved.ListFontName = "Nöto Sans";
  SaveSettingsToIni(ini, context, saved);
  const std::string good = ReadWholeFile(ini).value();
  ASSERT_LT(good.find("Width=1000"), good.size() / 2) << good;

  for (const Damaged& copy : DamagedCopies(good)) {
    SCOPED_TRACE(copy.name);
    ASSERT_TRUE(WriteFileAtomic(ini, copy.bytes).ok());
    AppContext fresh;
    InitAppParams(fresh.AppParams, dir.path());
    TSettingsRecord settings;
    ExpectReadLeavesTheFile(ini, copy.bytes, [&] {
      (void)LoadSettingsFromIni(ini, fresh, settings, {1920, 1080}, {});
    });
    EXPECT_EQ(settings.Width, copy.keepsTheValue ? 1000 : TSettingsRecord().Width);
    EXPECT_GE(settings.Height, MinMainWindowHeight);
    EXPECT_GT(settings.ListFontSize, 0);
  }
}

TEST(DamagedFiles, ProfileFile) {
  TempDir dir;
  TAppStrings strings;
  EncoderSettings saved;
  SetDefaultParams(saved, vcXvid, strings);
  saved.Avi.VideoBitrate = "1234";
  const std::string file = dir.file("My profile.ini");
  ASSERT_TRUE(SaveProfile(file, saved, strings).ok());
  const std::string good = ReadWholeFile(file).value();
  ASSERT_LT(good.find("=1234"), good.size() / 2) << good;

  for (const Damaged& copy : DamagedCopies(good)) {
    SCOPED_TRACE(copy.name);
    ASSERT_TRUE(WriteFileAtomic(file, copy.bytes).ok());
    EncoderSettings settings;
    SetDefaultParams(settings, vcXvid, strings);
    ExpectReadLeavesTheFile(file, copy.bytes,
                            [&] { (void)LoadProfile(file, settings, strings, vcXvid); });
    EXPECT_EQ(settings.Avi.VideoBitrate, copy.keepsTheValue ? "1234" : "Auto");
    EXPECT_GE(settings.Avi.VideoCodec, 0);
    EXPECT_GE(settings.Audio.Volume, 0);
  }
}

TEST(DamagedFiles, LanguageFile) {
  TempDir dir;
  std::string good = EnglishLanguageFileText();
  const std::string english = "Converting=Converting\n";
  const size_t at = good.find(english);
  ASSERT_NE(at, std::string::npos);
  good.replace(at, english.size(), "Converting=Umwandeln läuft\n");
  ASSERT_LT(good.find("Umwandeln"), good.size() / 2);
  const std::string file = dir.file("Deutsch.ini");

  for (Damaged copy : DamagedCopies(good)) {
    SCOPED_TRACE(copy.name);
    // A language file saved as UTF-16 without a mark is recognised as such.
    if (copy.name == "UTF-16 without a mark") copy.keepsTheValue = true;
    ASSERT_TRUE(WriteFileAtomic(file, copy.bytes).ok());
    TAppStrings strings;
    ExpectReadLeavesTheFile(file, copy.bytes, [&] { (void)LoadFromFile(strings, file); });
    EXPECT_EQ(strings.Main.Converting,
              copy.keepsTheValue ? "Umwandeln läuft" : TAppStrings().Main.Converting);
    EXPECT_FALSE(strings.Main.Done.empty());
  }
}

// A list file given to zelmora-cli that is damaged: what it still names is
// converted; one that names nothing usable says so instead of ending
// without a word.
TEST(DamagedFiles, ListFileOfTheCommandLine) {
  const std::string program = ZELMORA_BINARY_DIR "/bin/zelmora-cli";
  if (!FileExists(program)) GTEST_SKIP() << program << " is not built";
  TempDir dir;
  test::FakeFfmpeg ffmpeg(dir);
  const std::string first = dir.write("first clip.webm", "x");
  const std::string second = dir.write("second clip.webm", "x");
  const std::string good = first + "\r\n" + second + "\r\n";
  for (const Damaged& copy : DamagedCopies(good)) {
    if (copy.name == "50 MB large") continue;  // a list is read line by line like any other
    SCOPED_TRACE(copy.name);
    const std::string list = dir.write("damaged.lst", copy.bytes);
    std::string output;
    Result<int> rc = RunProgramAndWait(
        {"/bin/sh", "-c", "PATH='" + dir.file("fake-bin") + "':\"$PATH\" exec \"$0\" \"$@\" 2>&1",
         program, "convert", "--no-wait", "--list", list},
        &output);
    ASSERT_TRUE(rc.ok());
    const bool named = copy.keepsTheValue;
    EXPECT_EQ(rc.value(), named ? 0 : 1) << output;
    EXPECT_EQ(output.find("names no video file that exists") == std::string::npos, named) << output;
    EXPECT_EQ(FileExists(dir.file("first clip.avi")), named) << output;
    EXPECT_FALSE(FileExists(dir.file("second clip.avi"))) << output;
    (void)RemoveFile(dir.file("first clip.avi"));
  }
}

// Named pipes where the program expects its files: each is refused at once
// (a pipe nobody writes to would keep the reader waiting for ever). Should
// a read wait all the same, a writer comes by after a few seconds, so the
// test fails instead of hanging.
TEST(DamagedFiles, NamedPipesInsteadOfFilesAreRefusedAtOnce) {
  TempDir dir;
  AppContext context;
  InitAppParams(context.AppParams, dir.path());
  const std::string ini = context.AppParams.IniName;
  const std::vector<std::string> pipes = {ini, dir.file("list.lst"), dir.file("profile.ini"),
                                          dir.file("Deutsch.ini")};
  for (const std::string& pipe : pipes) ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0) << pipe;
  std::atomic<bool> done = false;
  std::thread rescuer([&] {
    for (int i = 0; i < 40 && !done; ++i) std::this_thread::sleep_for(100ms);
    for (const std::string& pipe : pipes) {
      int fd = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    }
  });
  auto start = test::FaultClock::now();

  TSettingsRecord settings;
  (void)LoadSettingsFromIni(ini, context, settings, {1920, 1080}, {});
  TAppParams params;
  NullFileAnalyzer analyzer;
  test::RecordingListEvents events;
  FileListModel list{params, context.Strings, analyzer, events};
  Status listLoaded = LoadFileList(list, pipes[1]);
  EncoderSettings encoder;
  SetDefaultParams(encoder, vcXvid, context.Strings);
  const bool profileLoaded = LoadProfile(pipes[2], encoder, context.Strings, vcXvid);
  TAppStrings strings;
  const bool languageLoaded = LoadFromFile(strings, pipes[3]);

  done = true;
  rescuer.join();
  EXPECT_LT(test::FaultClock::now() - start, 2s) << "a read waited on a pipe";
  ASSERT_FALSE(listLoaded.ok());
  EXPECT_NE(listLoaded.error().message.find("not a regular file"), std::string::npos);
  EXPECT_FALSE(profileLoaded);
  EXPECT_FALSE(languageLoaded);
  EXPECT_EQ(settings.Width, TSettingsRecord().Width);
}

// A settings folder that cannot be written: saving says nothing and the
// files already there stay as they were.
TEST(DamagedFiles, AnUnwritableSettingsFolderKeepsThePreviousFiles) {
  TempDir dir;
  const std::string previousSettings = "[MAIN]\nWidth=1000\nEscExit=1\n";
  const std::string previousProfile = "[MAIN]\nAppName=Zelmora\n";
  test::ReadOnlyFolder folder(
      dir, {{"Zelmora.ini", previousSettings}, {"profile.ini", previousProfile}});
  if (folder.path().empty()) GTEST_SKIP() << "no read-only folder possible (root, no mount)";
  AppContext context;
  InitAppParams(context.AppParams, folder.path(), folder.path());
  const std::string ini = folder.path() + "/Zelmora.ini";
  TSettingsRecord settings;
  settings.Width = 1200;

  SaveSettingsToIni(ini, context, settings);
  EncoderSettings encoder;
  SetDefaultParams(encoder, vcXvid, context.Strings);
  Status profileSaved = SaveProfile(folder.path() + "/profile.ini", encoder, context.Strings);

  EXPECT_EQ(ReadWholeFile(ini).value(), previousSettings);
  EXPECT_FALSE(profileSaved.ok());
  EXPECT_EQ(ReadWholeFile(folder.path() + "/profile.ini").value(), previousProfile);
  EXPECT_EQ(ListFiles(folder.path()).size(), 2u) << "no temporary file left behind";
}

}  // namespace
}  // namespace zelmora
