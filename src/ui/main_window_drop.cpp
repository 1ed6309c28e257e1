#include <QDragEnterEvent>
#include <QDropEvent>

#include "filelist/add_files.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace zelmora {

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!m_conversionRunning && !m_addingFiles && acceptDrops() &&
      HasDroppablePaths(event->mimeData()))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> names = DroppedPaths(event->mimeData());
  if (names.empty()) return;
  event->acceptProposedAction();
  HandleDroppedNames(std::move(names));
}

void MainWindow::HandleDroppedNames(std::vector<std::string> names) {
  // No drop while a run walks the rows (it would change them under it) nor
  // while another addition is still serving events.
  if (m_conversionRunning || m_addingFiles || !acceptDrops()) return;
  TDropResult result;
  AddingFiles([&] { result = HandleDrop(m_fileList, std::move(names)); });
  for (const auto& [file, error] : result.FailedListFiles)
    MessageBoxes::ShowWarning(this, ToQString(file + "\n" + error.message));
}

}  // namespace zelmora
