#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

#include "config/profile_list.h"
#include "config/settings_file.h"
#include "core/app_context.h"
#include "core/encoder_settings.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_model.h"
#include "i18n/lang_ini_list.h"
#include "platform/desktop_services.h"
#include "process/abort_controller.h"
#include "process/console_runner.h"
#include "process/encoder_list.h"
#include "ui/file_list_view.h"
#include "ui/message_box_view.h"
#include "ui/serving_observer.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSystemTrayIcon;
class QToolBar;
class QToolButton;

namespace zelmora {

class FormAbout;
class FormCheckUpdate;
class FormCmdLine;
class FormErrors;
class FormFileInfo;
class FormOptions;
class FormProgress;
class FormToolsInfo;
class GuiConversionView;
class SettingsPanel;

// What the program's start hands the window; tests point it at a temporary
// program folder and record the desktop's actions.
struct MainWindowOptions {
  std::string AppDir;                        // the program's folder
  std::vector<std::string> Arguments;        // command-line arguments after the program
  std::unique_ptr<DesktopServices> Desktop;  // none: the system's
  std::string LocaleName;                    // empty: the user's locale
  TScreenSize Screen;
};

// The program's main window. Its creation performs the start-up of the whole
// program on the context it is given; closing it saves the settings and the
// last session's encoder settings.
class MainWindow : public QMainWindow {
  Q_OBJECT

public:
  MainWindow(AppContext& context, MainWindowOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The enabling rules, and the whole window off and on around a run.
  void InitControls();
  void DisableAll();
  void EnableAll();
  void SetLang();
  void GetProfiles();
  void UpdateInitialFolders(const std::string& folder);

  EncoderSettings& Settings() { return m_settings; }
  FileListModel& FileList() { return m_fileList; }
  SettingsPanel* Panel() const { return m_panel; }
  bool StaysOnTop() const { return m_stayOnTop; }
  bool ConversionSettingsExpanded() const;
  // Windows that follow the stay-on-top toggle (progress, error log, ...).
  void AddCompanionWindow(QWidget* window);

  // clang-format off
  QAction *actConvert = nullptr, *actSaveBAT = nullptr, *actShowOptions = nullptr,
      *actStayOnTop = nullptr, *actMinimizeToTray = nullptr, *actExit = nullptr,
      *actShowProgressWindow = nullptr, *actShowHideFileInfo = nullptr,
      *actShowHideFormErrors = nullptr, *actAddFiles = nullptr, *actAddFolder = nullptr,
      *actRemoveChecked = nullptr, *actClearFileList = nullptr, *actCheckAll = nullptr,
      *actUncheckAll = nullptr, *actInvertSelection = nullptr, *actCheckSelected = nullptr,
      *actUncheckSelected = nullptr, *actLoadFileList = nullptr, *actSaveFileList = nullptr,
      *actExploreDirectory = nullptr, *actLoadProfile = nullptr, *actSaveProfile = nullptr,
      *actSetDefaultEncoderSettings = nullptr, *actShowCmdLine = nullptr,
      *actToolsInfo = nullptr, *actHelp = nullptr, *actGoToHomePage = nullptr,
      *actGoToDonation = nullptr, *actGoToFacebook = nullptr, *actGoToTwitter = nullptr,
      *actCheckUpdate = nullptr, *actAbout = nullptr, *actBrowseOutDir = nullptr,
      *actExploreOutDir = nullptr, *actShowHideMainWindow = nullptr,
      *actLoadSelectedProfile = nullptr, *actEsc = nullptr;
  // clang-format on
  FileListView* Grid() const { return m_view; }
  FormProgress* ProgressWindow() const { return m_progress; }
  FormErrors* ErrorLogWindow() const { return m_errors; }
  FormFileInfo* FileInfoWindow() const { return m_fileInfo; }
  FormCmdLine* CmdLineWindow() const { return m_cmdLine; }
  FormOptions* OptionsWindow() const { return m_optionsForm; }
  FormAbout* AboutWindow() const { return m_about; }
  FormToolsInfo* ToolsInfoWindow() const { return m_toolsInfo; }
  FormCheckUpdate* CheckUpdateWindow() const { return m_checkUpdate; }

protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  // Start-up and shut-down (main_window.cpp).
  void StartUp();
  void PrepareControls();
  void LoadSettings();
  void ApplySettingsRecord();
  void GatherSettingsRecord();
  void AddCommandLineFile();

  // Layout (main_window_layout.cpp).
  void BuildLayout();
  void BuildToolBar();
  QWidget* BuildBottomBar();
  QWidget* BuildOutputDirGroup(QWidget* parent);
  QWidget* BuildConversionSettings();
  void SetConversionSettingsExpanded(bool expanded);
  void CreateGrid();
  void CreateWindows();
  // Every window's texts after a language change.
  void SetLangOfWindows();
  // The file information and command-line preview windows
  // (main_window_file_info.cpp).
  void CreateFileInfoWindows();
  void SetLangFileInfoWindows();
  void FollowGridSelection();  // the grid's current row changed
  bool MayProbe() const;       // no addition of files and no run going on
  void ShowFileInfoOfCurrentRow();
  void ShowCommandPreview();
  // The options and about windows (main_window_options.cpp).
  void CreateOptionWindows();
  void SetLangOptionWindows();
  // The tool information and update-check windows (main_window_tools.cpp).
  void CreateToolWindows();
  void SetLangToolWindows();
  void HandleDroppedNames(std::vector<std::string> names);
  void RunConversion(const std::string& batchFile);
  // Adding many files serves window events between files and while each
  // is probed; meanwhile the commands that start a child (a run, a probe)
  // and a second addition wait.
  template <typename Add>
  void AddingFiles(Add add) {
    if (m_addingFiles || m_conversionRunning) return;
    m_addingFiles = true;
    InitControls();
    {
      ServingObserver serving(m_runner);  // the probes of the files too
      add();
    }
    m_addingFiles = false;
    InitControls();
    FollowGridSelection();  // the open windows catch up with the current row
  }

  // Actions and menus (main_window_actions.cpp).
  void CreateActions();
  QAction* MakeAction(const char* name, const QKeySequence& shortcut, void (MainWindow::*slot)());
  void CreateMenus();
  void CreateTrayIcon();
  void ShowGridMenu(const QPoint& position);

  // Commands (main_window_commands.cpp, main_window_profiles.cpp).
  void OnConvert();
  void OnSaveBAT();
  void OnShowOptions();
  void OnStayOnTop();
  void OnMinimizeToTray();
  void OnExit();
  void OnShowProgressWindow();
  void OnShowHideFileInfo();
  void OnShowHideFormErrors();
  void OnAddFiles();
  void OnAddFolder();
  void OnRemoveChecked();
  void OnClearFileList();
  void OnCheckAll();
  void OnUncheckAll();
  void OnInvertSelection();
  void OnCheckSelected();
  void OnUncheckSelected();
  void OnLoadFileList();
  void OnSaveFileList();
  void OnExploreDirectory();
  void OnLoadProfile();
  void OnSaveProfile();
  void OnSetDefaultEncoderSettings();
  void OnShowCmdLine();
  void OnToolsInfo();
  void OnHelp();
  void OnGoToHomePage();
  void OnGoToDonation();
  void OnGoToFacebook();
  void OnGoToTwitter();
  void OnCheckUpdate();
  void OnAbout();
  void OnBrowseOutDir();
  void OnExploreOutDir();
  void OnShowHideMainWindow();
  void OnLoadSelectedProfile();
  void OnEsc();
  void OnInfoAudioBitrates();
  void OnInfoFourcc();
  void OnFFParams();
  void OpenAddress(const char* address);
  void UpdateAudioTrackList();
  void ApplyStayOnTop(QWidget* window, bool onTop);

  // Control rules and language (main_window_rules.cpp, main_window_lang.cpp).
  void ApplyListRules();
  void ApplyOutputRules();
  void SetActionCaptions();
  void SetBottomBarTexts();
  void SetDialogFilters();
  void RefreshGrid();

  AppContext& m_context;
  MainWindowOptions m_options;
  EncoderSettings m_settings;
  TSettingsRecord m_record;
  ConsoleRunner m_runner;
  AbortController m_abort;
  EncoderListCache m_encoders;
  MediaFileAnalyzer m_analyzer;
  GridFileListEvents m_listEvents;
  FileListModel m_fileList;
  MessageBoxView m_messages;
  TLangIniList m_langList;
  std::vector<TProfileInfo> m_profiles;
  std::vector<QPointer<QWidget>> m_companions;
  bool m_stayOnTop = false;
  bool m_conversionRunning = false;
  bool m_closeAfterRun = false;  // a close came during the run
  bool m_addingFiles = false;    // run and probe commands wait meanwhile

  // Starting folders and names of the dialogs.
  std::string m_batFileName;  // the batch dialog remembers the name
  QString m_addFilesFilter, m_listOpenFilter, m_listSaveFilter, m_batFilter;
  QString m_profileSaveFilter, m_profileOpenFilter;

  // Widgets.
  QToolBar* m_toolBar = nullptr;
  QToolButton* m_btnStayOnTop = nullptr;
  QWidget* m_gridHolder = nullptr;
  FileListView* m_view = nullptr;
  QWidget* m_grid = nullptr;  // the grid's widget
  FormProgress* m_progress = nullptr;
  FormErrors* m_errors = nullptr;
  FormFileInfo* m_fileInfo = nullptr;
  FormCmdLine* m_cmdLine = nullptr;
  FormOptions* m_optionsForm = nullptr;
  FormAbout* m_about = nullptr;
  FormToolsInfo* m_toolsInfo = nullptr;
  FormCheckUpdate* m_checkUpdate = nullptr;
  std::unique_ptr<GuiConversionView> m_conversionView;
  QWidget* m_bottomBar = nullptr;
  QLabel* m_lblIfOutputExists = nullptr;
  QComboBox* m_cbOutputExists = nullptr;
  QLabel* m_lblAfterConversion = nullptr;
  QComboBox* m_cbAfterConversion = nullptr;
  QCheckBox* m_chKeepDates = nullptr;
  QGroupBox* m_gbOutputDir = nullptr;
  QRadioButton* m_rbOutDirIsInDir = nullptr;
  QRadioButton* m_rbOutDir = nullptr;
  QLineEdit* m_edOutDir = nullptr;
  QPushButton* m_btnBrowseOutDir = nullptr;
  QPushButton* m_btnExploreOutDir = nullptr;
  QToolButton* m_fpConversionSettings = nullptr;
  QWidget* m_conversionSettingsBody = nullptr;
  SettingsPanel* m_panel = nullptr;
  QMenu* m_gridMenu = nullptr;
  QMenu* m_mnuColumns = nullptr;
  QMenu* m_popColumns = nullptr;
  QSystemTrayIcon* m_trayIcon = nullptr;
  QMenu* m_trayMenu = nullptr;
  std::vector<QMenu*> m_menus;
};

}  // namespace zelmora
