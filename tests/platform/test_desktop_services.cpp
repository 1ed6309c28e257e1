#include <gtest/gtest.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <thread>

#include "base/files.h"
#include "platform/desktop_services.h"
#include "platform/run_program.h"
#include "platform/utf8_locale.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(DesktopEntryText, QuotesTheProgramSoAnyFolderNameStartsIt) {
  DesktopLauncher launcher{"Zelmora", "Zelmora 1.5  [64-bit]",
                           "/home/ann/My $HOME \"apps\"/50% off\\x/zelmora",
                           "/home/ann/My $HOME \"apps\"/50% off\\x", ""};
  std::string text = DesktopEntryText(launcher);
  EXPECT_EQ(text,
            "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Zelmora\n"
            "Comment=Zelmora 1.5  [64-bit]\n"
            // Exec quoting (\$, \", \\, %%) and then the file's own "\\" escape.
            "Exec=\"/home/ann/My \\\\$HOME \\\\\"apps\\\\\"/50%% off\\\\\\\\x/zelmora\"\n"
            "Path=/home/ann/My $HOME \"apps\"/50% off\\\\x\n"
            "Terminal=false\n");
}

TEST(DesktopEntryText, KeepsEveryValueOnItsLine) {
  DesktopLauncher launcher{"Zel\nmora", " leading", "/a/b", "/a", "zelmora"};
  std::string text = DesktopEntryText(launcher);
  EXPECT_NE(text.find("Name=Zel\\nmora\n"), std::string::npos);
  EXPECT_NE(text.find("Comment=\\sleading\n"), std::string::npos);
  EXPECT_NE(text.find("Icon=zelmora\n"), std::string::npos);
}

TEST(FileUri, PercentEncodesEverythingButUnreservedCharacters) {
  EXPECT_EQ(FileUri("/home/ann/a b,c%é.webm"), "file:///home/ann/a%20b%2Cc%25%C3%A9.webm");
}

TEST(SystemDesktopServices, WritesAnExecutableLauncherAndItsFolder) {
  test::TempDir dir;
  std::string file = dir.file("Desktop/new/Zelmora.desktop");
  auto services = MakeSystemDesktopServices();
  DesktopLauncher launcher{"Zelmora", "title", "/opt/z/zelmora", "/opt/z", ""};
  ASSERT_TRUE(services->WriteDesktopLauncher(file, launcher).ok());
  Result<std::string> text = ReadWholeFile(file);
  ASSERT_TRUE(text.ok());
  EXPECT_EQ(text.value(), DesktopEntryText(launcher));
  struct stat info {};
  ASSERT_EQ(stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0755u);
}

TEST(RunProgramAndWait, ReportsExitStatusSignalAndOutput) {
  Result<int> three = RunProgramAndWait({"sh", "-c", "exit 3"});
  ASSERT_TRUE(three.ok());
  EXPECT_EQ(three.value(), 3);

  Result<int> killed = RunProgramAndWait({"sh", "-c", "kill -9 $$"});
  ASSERT_TRUE(killed.ok());
  EXPECT_EQ(killed.value(), 128 + 9);

  std::string output;
  Result<int> echoed = RunProgramAndWait({"printf", "%s|", "a b", "$HOME", "-x"}, &output);
  ASSERT_TRUE(echoed.ok());
  EXPECT_EQ(echoed.value(), 0);
  EXPECT_EQ(output, "a b|$HOME|-x|");
}

TEST(RunProgramAndWait, AMissingProgramIsAnError) {
  EXPECT_FALSE(RunProgramAndWait({"zelmora-no-such-program"}).ok());
  EXPECT_FALSE(RunProgramAndWait({}).ok());
}

TEST(StartDetachedProgram, StartsWithoutWaitingAndRefusesMissingPrograms) {
  test::TempDir dir;
  std::string marker = dir.file("it ran $x");
  ASSERT_TRUE(StartDetachedProgram({"touch", marker}).ok());
  for (int i = 0; i < 100 && !FileExists(marker); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(FileExists(marker));
  EXPECT_FALSE(StartDetachedProgram({"zelmora-no-such-program"}).ok());
  EXPECT_FALSE(StartDetachedProgram({"/nonexistent/program"}).ok());
}

TEST(SetUpUtf8CType, ChoosesAUtf8CTypeUnderThePlainCLocale) {
  const char* old = std::getenv("LC_ALL");
  std::string saved = old ? old : "";
  setenv("LC_ALL", "C", 1);
  std::string chosen = SetUpUtf8CType();
  std::string codeset = nl_langinfo(CODESET);
  if (old)
    setenv("LC_ALL", saved.c_str(), 1);
  else
    unsetenv("LC_ALL");
  std::setlocale(LC_CTYPE, "C");
  EXPECT_EQ(codeset, "UTF-8") << chosen;
  EXPECT_NE(chosen, "C");
}

}  // namespace
}  // namespace zelmora
