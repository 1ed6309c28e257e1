#include "ui/main_window.h"

namespace zelmora {

// The options window and the about window.

void MainWindow::CreateOptionWindows() {}

void MainWindow::SetLangOptionWindows() {}

void MainWindow::OnShowOptions() {}

void MainWindow::OnAbout() {}

}  // namespace zelmora
