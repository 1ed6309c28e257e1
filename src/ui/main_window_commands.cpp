#include <QAction>
#include <QLineEdit>
#include <QSystemTrayIcon>

#include "base/files.h"
#include "base/paths.h"
#include "core/audio_bitrates.h"
#include "filelist/add_files.h"
#include "filelist/audio_track_list.h"
#include "filelist/explore_directory.h"
#include "filelist/list_file.h"
#include "platform/web_addresses.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

void MainWindow::OnStayOnTop() {
  m_stayOnTop = !m_stayOnTop;
  ApplyStayOnTop(this, m_stayOnTop);
  // The other windows are switched off and on again on every toggle, so
  // they stay above the main window whichever way it went.
  for (const QPointer<QWidget>& window : m_companions)
    if (window) {
      ApplyStayOnTop(window, false);
      ApplyStayOnTop(window, true);
    }
  actStayOnTop->setChecked(m_stayOnTop);
}

void MainWindow::ApplyStayOnTop(QWidget* window, bool onTop) {
  const bool visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (visible) window->show();  // changing window flags hides a window
}

void MainWindow::AddCompanionWindow(QWidget* window) {
  m_companions.emplace_back(window);
  ApplyStayOnTop(window, true);
}

void MainWindow::OnMinimizeToTray() {
  m_trayIcon->show();
  hide();
}

void MainWindow::OnShowHideMainWindow() {
  if (isVisible()) {
    for (const QPointer<QWidget>& window : m_companions)
      if (window) window->hide();
    hide();
    m_trayIcon->show();
  } else {
    show();
    m_trayIcon->hide();
    if (m_conversionRunning) OnShowProgressWindow();
  }
  InitControls();
}

void MainWindow::OnExit() {
  close();
}

void MainWindow::OnEsc() {
  if (!m_conversionRunning) close();
}

void MainWindow::OnAddFiles() {
  const QStringList files =
      FileDialogs::GetOpenFileNames(this, ToQString(m_context.AppParams.LastDir), m_addFilesFilter);
  if (files.isEmpty()) return;
  std::vector<std::string> names;
  for (const QString& file : files) names.push_back(ToStdString(file));
  AddingFiles([&] { AddFiles(m_fileList, names); });
}

void MainWindow::OnAddFolder() {
  const QString folder =
      FileDialogs::GetExistingDirectory(this, ToQString(m_context.AppParams.LastDir));
  if (folder.isEmpty()) return;
  AddingFiles([&] { AddFolder(m_fileList, ToStdString(folder)); });
}

void MainWindow::OnRemoveChecked() {
  m_fileList.actRemoveChecked();
}
void MainWindow::OnClearFileList() {
  m_fileList.actClearFileList();
}
void MainWindow::OnCheckAll() {
  m_fileList.actCheckAll();
}
void MainWindow::OnUncheckAll() {
  m_fileList.actUncheckAll();
}
void MainWindow::OnInvertSelection() {
  m_fileList.actInvertSelection();
}
void MainWindow::OnCheckSelected() {
  m_fileList.actCheckSelected();
}
void MainWindow::OnUncheckSelected() {
  m_fileList.actUncheckSelected();
}

void MainWindow::OnLoadFileList() {
  const QString file =
      FileDialogs::GetOpenFileName(this, ToQString(m_context.AppParams.LastDir), m_listOpenFilter);
  if (file.isEmpty()) return;
  Status status = Status::Ok();
  AddingFiles([&] { status = LoadFileListCommand(m_fileList, ToStdString(file)); });
  if (!status.ok()) MessageBoxes::ShowWarning(this, ToQString(status.error().message));
}

void MainWindow::OnSaveFileList() {
  const QString file = FileDialogs::GetSaveFileName(
      this,
      {ToQString(m_context.AppParams.LastDir), QString(), m_listSaveFilter, QStringLiteral("lst")});
  if (file.isEmpty()) return;
  const Result<int> saved = SaveFileList(m_fileList, ToStdString(file));
  if (!saved.ok()) MessageBoxes::ShowWarning(this, ToQString(saved.error().message));
}

void MainWindow::OnExploreDirectory() {
  const TExploreDecision decision = DecideExploreDirectory(m_fileList, m_fileList.CurrentRow());
  if (decision.Action == TExploreAction::WarnNoFolder) {
    MessageBoxes::ShowWarning(this, ToQString(decision.WarningText),
                              ToQString(decision.WarningTitle));
    return;
  }
  (void)ExploreDirectory(decision, *m_options.Desktop);
}

void MainWindow::OnBrowseOutDir() {
  const std::string current = ToStdString(m_edOutDir->text());
  const std::string start = DirectoryExists(current) ? current : m_options.AppDir;
  const QString chosen = FileDialogs::GetExistingDirectory(this, ToQString(start));
  if (!chosen.isEmpty()) m_edOutDir->setText(chosen);
}

void MainWindow::OnExploreOutDir() {
  const std::string current = ToStdString(m_edOutDir->text());
  (void)m_options.Desktop->OpenDocument(DirectoryExists(current) ? current : m_options.AppDir);
}

void MainWindow::OpenAddress(const char* address) {
  (void)m_options.Desktop->OpenDocument(address);
}

void MainWindow::OnHelp() {
  OpenAddress(web::kQuickStartHelpPage);
}
void MainWindow::OnGoToHomePage() {
  OpenAddress(web::kHomePage);
}
void MainWindow::OnGoToDonation() {
  OpenAddress(web::kDonationPage);
}
void MainWindow::OnGoToFacebook() {
  OpenAddress(web::kFacebookPage);
}
void MainWindow::OnGoToTwitter() {
  OpenAddress(web::kTwitterPage);
}
void MainWindow::OnInfoFourcc() {
  OpenAddress(web::kFourccReferencePage);
}

void MainWindow::OnInfoAudioBitrates() {
  const std::string& file = m_context.AppParams.AudioBitratesTxt;
  (void)WriteAudioBitrateReport(file);
  if (FileExists(file)) (void)m_options.Desktop->OpenDocument(file);
}

void MainWindow::OnFFParams() {
  const std::string ffmpeg = FindFFmpeg(m_context.AppParams);
  if (ffmpeg.empty()) return;
  const std::string help = JoinPath(ExtractFileDir(ffmpeg), "ffmpeg_HELP_long.txt");
  if (FileExists(help)) (void)m_options.Desktop->OpenDocument(help);
}

void MainWindow::UpdateAudioTrackList() {
  const std::optional<TAudioTrackList> tracks =
      UpdateCbAudioTrackNo(m_fileList, m_fileList.CurrentRow(), m_settings.Audio.AudioTrackNo,
                           m_analyzer, m_context.Strings);
  if (tracks) m_panel->SetAudioTrackItems(tracks->Items, tracks->ItemIndex);
}

}  // namespace zelmora
