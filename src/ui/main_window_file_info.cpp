#include "ui/main_window.h"

namespace zelmora {

// The file information window (F10) and the command-line preview (F2),
// both following the grid's current row.

void MainWindow::CreateFileInfoWindows() {}

void MainWindow::SetLangFileInfoWindows() {}

void MainWindow::FollowGridSelection() {}

void MainWindow::OnShowHideFileInfo() {
  if (m_fileList.RowCount() > 0 && m_fileList.SelectedRows().empty()) m_view->SelectRow(0);
}

void MainWindow::OnShowCmdLine() {}

}  // namespace zelmora
