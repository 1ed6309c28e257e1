#pragma once

#include <memory>
#include <string>

#include "base/result.h"

namespace zelmora {

// What a desktop launcher ("Zelmora.desktop") starts and shows.
struct DesktopLauncher {
  std::string Name;     // shown under the icon
  std::string Comment;  // the program title
  std::string Exec;     // full path of the program; started without arguments
  std::string WorkDir;  // the program's folder
  std::string Icon;     // icon file or theme name; may be empty
};

// The desktop's side-effect actions. The program reaches them only through
// this interface so tests can record them (and never power off the machine).
class DesktopServices {
public:
  virtual ~DesktopServices() = default;
  // Opens a file, folder or web address with the user's preferred program.
  virtual Status OpenDocument(const std::string& pathOrUrl) = 0;
  // Shows the file selected in the file manager, else opens its folder.
  virtual Status ShowInFileManager(const std::string& path) = 0;
  virtual Status PowerOff() = 0;
  // The user's desktop folder (XDG DESKTOP, else $HOME/Desktop).
  virtual std::string DesktopDir() = 0;
  // Writes the launcher file (creating its folder) and makes it executable.
  virtual Status WriteDesktopLauncher(const std::string& file, const DesktopLauncher& launcher) = 0;
};

// xdg-open, the freedesktop file-manager interface over D-Bus, systemctl,
// xdg-user-dir.
std::unique_ptr<DesktopServices> MakeSystemDesktopServices();

// The text of a .desktop file for the launcher, with the Exec and string
// values escaped so any file name starts the right program.
std::string DesktopEntryText(const DesktopLauncher& launcher);

// The program's icon, the same one the desktop menu shows: the icon theme's
// name when the program is installed (the theme has every size), else the
// picture beside a portable program, or "" when that is missing.
inline constexpr const char* ProgramIconName = "zelmora";
std::string LauncherIcon(const std::string& appDir, bool installed);

// "file://" URI of an absolute path, with every byte outside the unreserved
// set (and "/") percent-encoded.
std::string FileUri(const std::string& absolutePath);

}  // namespace zelmora
