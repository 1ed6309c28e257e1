#include <sys/stat.h>

#include <cerrno>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/desktop_services.h"
#include "platform/environment.h"
#include "platform/run_program.h"

namespace zelmora {
namespace {

// "https://...", "mailto:..." are handed over as they are; everything else
// is a file name, made absolute so that a name starting with "-" can never
// be taken for an option of xdg-open.
bool LooksLikeUrl(const std::string& text) {
  size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    char c = text[i];
    bool schemeChar = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
    if (!schemeChar) return false;
  }
  return true;
}

Status ExitStatusToStatus(const Result<int>& result, const std::string& what) {
  if (!result) return result.error();
  if (result.value() != 0)
    return Error{result.value(),
                 what + " failed with exit status " + std::to_string(result.value())};
  return Status::Ok();
}

class SystemDesktopServices : public DesktopServices {
public:
  Status OpenDocument(const std::string& pathOrUrl) override {
    if (pathOrUrl.empty()) return Error{EINVAL, "Nothing to open"};
    std::string target = LooksLikeUrl(pathOrUrl) ? pathOrUrl : ExpandFileName(pathOrUrl);
    return StartDetachedProgram({"xdg-open", target});
  }

  Status ShowInFileManager(const std::string& path) override {
    std::string file = ExpandFileName(path);
    Result<int> shown = RunProgramAndWait(
        {"dbus-send", "--session", "--print-reply", "--reply-timeout=3000",
         "--dest=org.freedesktop.FileManager1", "--type=method_call",
         "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
         "array:string:" + FileUri(file), "string:"});
    if (shown && shown.value() == 0) return Status::Ok();
    // No file manager answers on the bus: the folder itself is the next best.
    return OpenDocument(ExtractFileDir(file));
  }

  Status PowerOff() override {
    return ExitStatusToStatus(RunProgramAndWait({"systemctl", "poweroff"}), "systemctl poweroff");
  }

  std::string DesktopDir() override {
    std::string output;
    Result<int> rc = RunProgramAndWait({"xdg-user-dir", "DESKTOP"}, &output);
    std::string dir = Trim(output);
    if (rc && rc.value() == 0 && IsAbsolutePath(dir)) return NormalizeDir(dir);
    return JoinPath(GetEnvironmentVariable("HOME"), "Desktop");
  }

  Status WriteDesktopLauncher(const std::string& file, const DesktopLauncher& launcher) override {
    Status made = CreateDirectories(ExtractFileDir(file));
    if (!made) return made;
    Status written = WriteFileAtomic(file, DesktopEntryText(launcher));
    if (!written) return written;
    // Desktops start only launchers that are marked executable.
    if (chmod(file.c_str(), 0755) != 0) return ErrnoError("Cannot make " + file + " executable");
    return Status::Ok();
  }
};

}  // namespace

std::unique_ptr<DesktopServices> MakeSystemDesktopServices() {
  return std::make_unique<SystemDesktopServices>();
}

}  // namespace zelmora
