#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "support/recording_desktop_services.h"
#include "support/temp_dir.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"

namespace zelmora::test {

// A program folder of its own for each test, and the window started in it
// with recorded desktop actions. Dialogs and boxes answer through the hooks.
class MainWindowFixture {
public:
  MainWindowFixture() {
    MessageBoxes::setTestMode(true);
    MessageBoxes::takeShownWarnings();
    desktopDir = dir.mkdir("Desktop");
  }

  MainWindow& Start(std::vector<std::string> arguments = {}, std::string locale = "en_GB.UTF-8") {
    window.reset();
    context = std::make_unique<AppContext>();
    auto desktopServices = std::make_unique<RecordingDesktopServices>();
    desktopServices->desktopDir = desktopDir;
    desktop = desktopServices.get();
    MainWindowOptions options;
    options.AppDir = dir.path();
    options.Arguments = std::move(arguments);
    options.Desktop = std::move(desktopServices);
    options.LocaleName = std::move(locale);
    window = std::make_unique<MainWindow>(*context, std::move(options));
    return *window;
  }

  // Closes the window the way the user does, which saves the settings.
  void Close() {
    window->close();
    window.reset();
  }

  template <typename W>
  W* Find(const char* name) const {
    return window->findChild<W*>(QString::fromLatin1(name));
  }
  QComboBox* List(const char* name) const { return Find<QComboBox>(name); }
  QWidget* Control(const char* name) const { return Find<QWidget>(name); }
  bool Enabled(const char* name) const { return Control(name)->isEnabled(); }

  std::string ProgramFile(const std::string& name) const { return dir.file(name); }

  TempDir dir;
  std::string desktopDir;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<MainWindow> window;
  RecordingDesktopServices* desktop = nullptr;
};

// Triggers an action by name, failing when it is missing or disabled.
inline bool TriggerAction(QWidget& window, const char* name) {
  auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
  if (!action || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

}  // namespace zelmora::test
