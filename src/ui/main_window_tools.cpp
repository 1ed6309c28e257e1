#include "tools/tools_report.h"
#include "ui/file_dialogs.h"
#include "ui/form_check_update.h"
#include "ui/form_tools_info.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace zelmora {

// The tool information window and the update check.

void MainWindow::CreateToolWindows() {
  m_toolsInfo = new FormToolsInfo(m_context, this);
  m_checkUpdate = new FormCheckUpdate(m_context, *m_options.Desktop, m_record.UpdateUrl, this);
  AddCompanionWindow(m_toolsInfo);
  AddCompanionWindow(m_checkUpdate);
}

void MainWindow::SetLangToolWindows() {
  if (m_toolsInfo) m_toolsInfo->SetLang();
  if (m_checkUpdate) m_checkUpdate->SetLang();
}

void MainWindow::OnToolsInfo() {
  // Looked for afresh, so the report tells of the files as they are now.
  TAppParams& params = m_context.AppParams;
  const std::string ffmpeg = FindFFmpeg(params);
  const std::string mediaInfo = FindMediaInfoDll(params);
  const Result<std::string> report =
      ToolsReport(ffmpeg, mediaInfo, FormToolsInfo::ReportLabelWidth);
  if (!report) {
    MessageBoxes::ShowWarning(this, ToQString(report.error().message));
    return;
  }
  m_toolsInfo->SetReport(report.value());
  m_toolsInfo->ShowCentred();
}

void MainWindow::OnCheckUpdate() {
  m_checkUpdate->ClearStatus();
  m_checkUpdate->StartCheckTimer();
  m_checkUpdate->ShowCentred();
}

}  // namespace zelmora
