#include <QAction>
#include <QLineEdit>

#include "base/paths.h"
#include "core/conversion_run.h"
#include "ui/file_dialogs.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/gui_conversion_view.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

// The other windows of the program and the conversion run between them.

void MainWindow::CreateWindows() {
  m_progress = new FormProgress(m_context, m_abort, this);
  m_progress->setObjectName(QStringLiteral("FormProgress"));
  LoadProgressSettings(m_context.AppParams.IniName, m_record, m_context.AppParams);
  m_progress->LoadSettings(m_record);
  m_errors = new FormErrors(m_context, this);
  m_errors->setObjectName(QStringLiteral("FormErrors"));
  AddCompanionWindow(m_progress);
  AddCompanionWindow(m_errors);
  CreateFileInfoWindows();
  CreateOptionWindows();
  CreateToolWindows();
  GuiConversionCallbacks callbacks;
  callbacks.DisableAll = [this] { DisableAll(); };
  callbacks.EnableAll = [this] { EnableAll(); };
  callbacks.CloseMainWindow = [this] { close(); };
  callbacks.SetAppTitle = [this](const std::string& title) { setWindowTitle(ToQString(title)); };
  callbacks.ShowWarning = [this](const std::string& text) {
    MessageBoxes::ShowWarning(this, ToQString(text));
  };
  m_conversionView =
      std::make_unique<GuiConversionView>(*m_progress, *m_errors, m_view, std::move(callbacks));
}

void MainWindow::RunConversion(const std::string& batchFile) {
  if (m_conversionRunning || m_addingFiles || m_runner.IsRunning()) return;
  GatherSettingsRecord();
  std::unique_ptr<DesktopServices>& desktop = m_options.Desktop;
  ConversionRun run(m_context, m_fileList, *m_conversionView, m_runner, m_abort, *desktop,
                    m_encoders);
  const ConversionJob job{m_settings, m_record.Output, m_panel->Resolutions()};
  if (batchFile.empty())
    run.actConvert(job);
  else
    run.actSaveBAT(job, batchFile);
  if (m_closeAfterRun && isVisible()) close();
}

void MainWindow::OnConvert() {
  RunConversion({});
}

void MainWindow::OnSaveBAT() {
  const std::string folder =
      m_batFileName.empty() ? m_context.AppParams.LastDir : ExtractFileDir(m_batFileName);
  const QString chosen = FileDialogs::GetSaveFileName(
      this, {ToQString(folder), ToQString(ExtractFileName(m_batFileName)), m_batFilter,
             QStringLiteral("sh")});
  if (chosen.isEmpty()) return;
  m_batFileName = ToStdString(chosen);
  RunConversion(m_batFileName);
}

void MainWindow::OnShowProgressWindow() {
  m_progress->ShowCentred();
}

void MainWindow::OnShowHideFormErrors() {
  m_errors->ToggleVisible();
}

void MainWindow::SetLangOfWindows() {
  if (m_progress) m_progress->SetLang();
  if (m_errors) m_errors->SetLang();
  SetLangFileInfoWindows();
  SetLangOptionWindows();
  SetLangToolWindows();
}

void MainWindow::RefreshGrid() {
  if (m_view) m_view->ListChanged();
}

}  // namespace zelmora
