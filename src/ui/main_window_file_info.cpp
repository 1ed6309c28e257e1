#include <QAction>

#include "core/command_preview.h"
#include "ui/form_cmd_line.h"
#include "ui/form_file_info.h"
#include "ui/main_window.h"
#include "ui/settings_panel.h"

namespace zelmora {

// The file information window (F10) and the command-line preview (F2),
// both following the grid's current row.

void MainWindow::CreateFileInfoWindows() {
  auto analyze = [this](const std::string& path, TVideoFileInfo& info) {
    if (!MayProbe()) return false;
    m_analyzer.AnalyzeFull(path, info);
    return true;
  };
  m_fileInfo = new FormFileInfo(m_context, *m_options.Desktop, analyze, this);
  m_cmdLine = new FormCmdLine(m_context, this);
  // F10 and F2 also close them while they have the focus.
  m_fileInfo->addAction(actShowHideFileInfo);
  m_cmdLine->addAction(actShowCmdLine);
  AddCompanionWindow(m_fileInfo);
  AddCompanionWindow(m_cmdLine);
}

void MainWindow::SetLangFileInfoWindows() {
  if (m_fileInfo) m_fileInfo->SetLang();
  if (m_cmdLine) m_cmdLine->SetLang();
}

bool MainWindow::MayProbe() const {
  // Files being added run their own analysis and a run owns the one child
  // process; a probe now would be refused or would wait for them.
  return !m_addingFiles && !m_conversionRunning && !m_runner.IsRunning();
}

void MainWindow::FollowGridSelection() {
  if (!MayProbe() || !m_fileList.IsValidRowIndex(m_fileList.CurrentRow())) return;
  if (m_cmdLine && m_cmdLine->isVisible()) ShowCommandPreview();
  if (m_fileInfo && m_fileInfo->isVisible()) ShowFileInfoOfCurrentRow();
}

void MainWindow::ShowFileInfoOfCurrentRow() {
  const int row = m_fileList.CurrentRow();
  if (!m_fileList.IsValidRowIndex(row)) return;
  TVideoFileInfo info;
  m_analyzer.AnalyzeFull(m_fileList.GetNgFullFileName(row), info);
  m_fileInfo->UpdateList(info, 1, 1);
}

void MainWindow::OnShowHideFileInfo() {
  const bool show = !m_fileInfo->isVisible();
  if (!show) m_fileInfo->hide();
  // Selected while the window is hidden, so the row is analysed once.
  if (m_fileList.RowCount() > 0 && m_fileList.SelectedRows().empty()) m_view->SelectRow(0);
  if (!show) return;
  m_fileInfo->ShowWindow();
  if (!m_fileList.IsValidRowIndex(m_fileList.CurrentRow()) || !MayProbe()) return;
  if (FindFFmpeg(m_context.AppParams).empty()) {
    m_fileInfo->ClearAll();
    ShowFFmpegMissing(m_messages, m_context.Strings);
    return;
  }
  ShowFileInfoOfCurrentRow();
}

void MainWindow::ShowCommandPreview() {
  const int row = m_fileList.CurrentRow();
  const std::string file = m_fileList.IsValidRowIndex(row) ? m_fileList.GetNgFullFileName(row) : "";
  const std::string ffmpeg = FindFFmpeg(m_context.AppParams);
  const std::string text =
      BuildSelectionPreview(m_context, m_runner, m_settings, m_panel->Resolutions(),
                            m_encoders.Encoders(ffmpeg), m_messages, file);
  m_cmdLine->ShowText(text);
}

void MainWindow::OnShowCmdLine() {
  if (m_cmdLine->isVisible()) {
    m_cmdLine->hide();
    return;
  }
  if (MayProbe()) ShowCommandPreview();
}

}  // namespace zelmora
