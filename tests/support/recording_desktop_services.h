#pragma once

#include <string>
#include <vector>

#include "base/files.h"
#include "platform/desktop_services.h"

namespace zelmora::test {

// Records every desktop action instead of doing it. Each call appends one
// line ("open <target>", "show <path>", "poweroff", "launcher <file>") to
// calls(); `nextStatus` is what the next calls return.
class RecordingDesktopServices : public DesktopServices {
public:
  Status OpenDocument(const std::string& pathOrUrl) override { return Record("open " + pathOrUrl); }
  Status ShowInFileManager(const std::string& path) override { return Record("show " + path); }
  Status PowerOff() override { return Record("poweroff"); }
  std::string DesktopDir() override { return desktopDir; }
  Status WriteDesktopLauncher(const std::string& file, const DesktopLauncher& launcher) override {
    launchers.push_back(launcher);
    if (writeLaunchers && nextStatus) (void)WriteFileAtomic(file, DesktopEntryText(launcher));
    return Record("launcher " + file);
  }

  const std::vector<std::string>& calls() const { return m_calls; }

  std::string desktopDir = "/home/user/Desktop";
  std::vector<DesktopLauncher> launchers;
  Status nextStatus = Status::Ok();
  // Also write the launcher file, as the system's services do.
  bool writeLaunchers = false;

private:
  Status Record(std::string call) {
    m_calls.push_back(std::move(call));
    return nextStatus;
  }

  std::vector<std::string> m_calls;
};

}  // namespace zelmora::test
