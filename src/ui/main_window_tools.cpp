#include "ui/main_window.h"

namespace zelmora {

// The tool information window and the update check.

void MainWindow::CreateToolWindows() {}

void MainWindow::SetLangToolWindows() {}

void MainWindow::OnToolsInfo() {}

void MainWindow::OnCheckUpdate() {}

}  // namespace zelmora
