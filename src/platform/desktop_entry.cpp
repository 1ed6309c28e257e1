#include "base/files.h"
#include "platform/desktop_services.h"

namespace zelmora {
namespace {

// The escapes of a .desktop "string" value.
std::string EscapeValue(const std::string& value) {
  std::string out;
  for (char c : value) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  if (!out.empty() && out.front() == ' ') out.replace(0, 1, "\\s");
  return out;
}

// One Exec argument: always double-quoted, with the characters the launcher
// would otherwise interpret escaped, and "%" doubled so it is no field code.
std::string QuoteExecArgument(const std::string& arg) {
  std::string out = "\"";
  for (char c : arg) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    if (c == '%') out += '%';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string DesktopEntryText(const DesktopLauncher& launcher) {
  std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
  text += "Name=" + EscapeValue(launcher.Name) + "\n";
  text += "Comment=" + EscapeValue(launcher.Comment) + "\n";
  // The Exec quoting comes first, then the string escapes of the file format.
  text += "Exec=" + EscapeValue(QuoteExecArgument(launcher.Exec)) + "\n";
  text += "Path=" + EscapeValue(launcher.WorkDir) + "\n";
  if (!launcher.Icon.empty()) text += "Icon=" + EscapeValue(launcher.Icon) + "\n";
  text += "Terminal=false\n";
  return text;
}

std::string LauncherIcon(const std::string& appDir, bool installed) {
  if (installed) return ProgramIconName;
  std::string icon = appDir + "/" + ProgramIconName + ".svg";
  return FileExists(icon) ? icon : std::string();
}

std::string FileUri(const std::string& absolutePath) {
  static const char* hex = "0123456789ABCDEF";
  std::string uri = "file://";
  for (unsigned char c : absolutePath) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += hex[c >> 4];
      uri += hex[c & 15];
    }
  }
  return uri;
}

}  // namespace zelmora
