#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QScreen>
#include <QSystemTrayIcon>

#include "base/files.h"
#include "base/paths.h"
#include "config/profile_file.h"
#include "core/program_title.h"
#include "filelist/add_files.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/gui_conversion_view.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

MainWindow::MainWindow(AppContext& context, MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_options(std::move(options)),
      m_abort(context.ConversionState, m_runner),
      m_encoders(m_runner),
      m_analyzer(context.AppParams, m_runner),
      m_fileList(context.AppParams, context.Strings, m_analyzer, m_listEvents),
      m_messages(this) {
  if (m_options.AppDir.empty()) m_options.AppDir = AppDir();
  if (!m_options.Desktop) m_options.Desktop = MakeSystemDesktopServices();
  m_listEvents.OnListChanged = [this] { InitControls(); };
  m_listEvents.OnUpdateInitialFolders = [this](const std::string& f) { UpdateInitialFolders(f); };
  StartUp();
  CreateWindows();
}

MainWindow::~MainWindow() = default;

void MainWindow::StartUp() {
  setObjectName(QStringLiteral("MainForm"));
  setMinimumSize(MinMainWindowWidth, MinMainWindowHeight);
  resize(934, 712);
  m_context.MinAudioBitrate = 96;
  TAppParams& params = m_context.AppParams;
  InitAppParams(params, m_options.AppDir);
  // Missing tools are not reported here; whatever needs them says so.
  FindFFmpeg(params);
  FindMediaInfoDll(params);
  params.ScrollProgressToBottom = true;
  m_context.Strings.SetEN();
  m_context.EncoderOutput.clear();
  const QString title = ToQString(ProgramTitle());
  setWindowTitle(title);
  QApplication::setApplicationDisplayName(title);

  TLangStartup lang{params.LangDir, CheckIniFile(params.IniName),
                    ReadStoredLanguageIni(params.IniName),
                    m_options.LocaleName.empty() ? UserLocaleName() : m_options.LocaleName};
  m_langList = InitLang(lang, m_context.Strings, params.LanguageIni);

  BuildLayout();
  CreateActions();
  CreateMenus();
  CreateTrayIcon();
  PrepareControls();
  SetDefaultParams(m_settings, m_context.DefaultVideoCodecIndex, m_context.Strings);

  UpdateInitialFolders(params.LastDir);
  PrepareProfiles(params, m_settings, m_context.Strings, m_context.DefaultVideoCodecIndex);
  setAcceptDrops(true);

  LoadSettings();
  SetLang();
  InitControls();
  GetProfiles();
  AddCommandLineFile();
  m_fileList.Refresh();
}

void MainWindow::PrepareControls() {
  TAppParams& params = m_context.AppParams;
  params.MonospaceFont = ChooseMonospaceFont(
      [](const char* family) { return QFontDatabase::hasFamily(QString::fromUtf8(family)); });
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  m_panel->PrepareControls();
  // Three if-exists items; the after-conversion list starts with two and
  // the first SetLang appends "Close Windows".
  const TMainModuleStrings& m = m_context.Strings.Main;
  for (const std::string* text :
       {&m.cbOutputExists_Rename, &m.cbOutputExists_Overwrite, &m.cbOutputExists_Skip})
    m_cbOutputExists->addItem(ToQString(*text));
  for (const std::string* text :
       {&m.cbAfterConversion_DoNothing, &m.cbAfterConversion_CloseApplication})
    m_cbAfterConversion->addItem(ToQString(*text));
  m_edOutDir->setText(ToQString(m_options.Desktop->DesktopDir()));
  m_context.UpdatingControls = previous;
}

void MainWindow::LoadSettings() {
  GatherSettingsRecord();
  LoadSettingsFromIni(m_context.AppParams.IniName, m_context, m_record, m_options.Screen,
                      SystemToolSearch());
  m_settings.OutputFormat = m_record.OutputFormat;
  UpdateInitialFolders(m_context.AppParams.LastDir);
  ApplySettingsRecord();
}

void MainWindow::AddCommandLineFile() {
  if (m_options.Arguments.empty()) return;
  std::vector<std::string> arguments = m_options.Arguments;
  // A relative name means the folder the program was started in.
  if (!arguments.front().empty()) arguments.front() = ExpandFileName(arguments.front());
  AddFromCommandLine(m_fileList, arguments);
}

void MainWindow::UpdateInitialFolders(const std::string& folder) {
  if (folder.empty()) return;
  m_context.AppParams.LastDir = folder;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The run's own loop still works on the window: it is asked to stop,
  // and the window closes once the run has ended (so SIGTERM still ends
  // the program, after ffmpeg was told to quit).
  if (m_conversionRunning) {
    m_closeAfterRun = true;
    if (!m_context.ConversionState.AbortRequested) m_progress->actAbortExecute();
    event->ignore();
    return;
  }
  setAcceptDrops(false);
  GatherSettingsRecord();
  if (m_progress) m_progress->StoreSettings(m_record);
  SaveSettingsToIni(m_context.AppParams.IniName, m_context, m_record);
  SaveLastProfile(m_context.AppParams, m_settings, m_context.Strings);
  if (m_trayIcon) m_trayIcon->hide();
  for (const QPointer<QWidget>& window : m_companions)
    if (window) window->hide();
  event->accept();
}

}  // namespace zelmora
