#include <gtest/gtest.h>

#include "platform/desktop_services.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

// The desktop launcher shows the picture the menu shows: the icon theme's
// when installed (that is where the package puts it), else the file beside
// a portable program.
TEST(LauncherIcon, IsTheThemeIconWhenInstalledAndThePictureBesideAPortableProgram) {
  test::TempDir dir;
  EXPECT_EQ(LauncherIcon(dir.path(), true), "zelmora");
  EXPECT_EQ(LauncherIcon(dir.path(), false), "") << "no picture: the launcher has no Icon line";
  const std::string svg = dir.write("zelmora.svg", "<svg/>");
  EXPECT_EQ(LauncherIcon(dir.path(), false), svg);

  DesktopLauncher launcher{"Zelmora", "Zelmora 1.5", dir.path() + "/zelmora", dir.path(),
                           LauncherIcon(dir.path(), false)};
  EXPECT_NE(DesktopEntryText(launcher).find("\nIcon=" + svg + "\n"), std::string::npos);
}

}  // namespace
}  // namespace zelmora
