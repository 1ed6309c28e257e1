#pragma once

#include <QDialog>
#include <QKeySequence>
#include <functional>
#include <string>

#include "config/settings_file.h"
#include "core/app_context.h"
#include "i18n/lang_ini_list.h"
#include "platform/desktop_services.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zelmora {

class FileListView;

// The launcher the options window puts on the desktop.
inline constexpr const char* DesktopLauncherFileName = "Zelmora.desktop";

// What the options window works on besides the context's values. The
// file list's look lives in the main window's settings record (which the
// settings file is written from); the grid shows it.
struct OptionsWindowLinks {
  FileListView& Grid;
  TSettingsRecord& FileListLook;
  const TLangIniList& Languages;
  DesktopServices& Desktop;
  std::string AppDir;
  // Re-labels every window after a language change.
  std::function<void()> SetLangOfWindows;
  // The main window's options shortcut, which closes this window.
  QKeySequence CloseShortcut;
};

// The options window: the file list's look, the analysis depth, the
// default AVI codec, the language and the desktop launcher. Every change
// takes effect at once; there is nothing to apply or cancel, and the
// values reach the settings file when the main window closes.
class FormOptions : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 620;
  static constexpr int DesignHeight = 356;

  // mainWindow is the window it is centred over (may be null).
  FormOptions(AppContext& context, OptionsWindowLinks links, QWidget* mainWindow = nullptr);

  void SetLang();
  // Every control from the current values, with the change handlers quiet.
  void InitControls();
  void ShowCentred();

  // "Create shortcut on the Desktop": writes the launcher unless the
  // desktop already has one of that name.
  void btnCreateShortcutOnDesktopClick();
  void actCloseExecute();
  QAction* CloseAction() const { return m_actClose; }

protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void CreateControls();
  QWidget* CreateFileListPanel();
  QWidget* CreateRightColumn();
  QWidget* CreateBottomStrip();
  void ConnectHandlers();
  void FillLanguageList();
  void FitToTexts();

  // Change handlers; each returns at once while the controls are filled.
  void FontNameChanged();
  void FontSizeChanged(int size);
  void RowHeightChanged(int height);
  void GridOptionChanged();
  void IconClickChanged(bool on);
  void DefaultCodecChanged(int index);
  void FileAnalysisChanged(int index);
  void LanguageChanged();
  bool Quiet() const { return m_context.UpdatingControls; }

  AppContext& m_context;
  OptionsWindowLinks m_links;
  QWidget* m_mainWindow;

  QGroupBox* m_pnFileList = nullptr;
  QLabel* m_lblFileListFontName = nullptr;
  QComboBox* m_cbFileListFont = nullptr;
  QLabel* m_lblFileListFontSize = nullptr;
  QSpinBox* m_edFileListFontSize = nullptr;
  QLabel* m_lblFileListRowHeight = nullptr;
  QSpinBox* m_edFileListRowHeight = nullptr;
  QCheckBox* m_chFileListAllowRowMoving = nullptr;
  QCheckBox* m_chFileListAllowColumnMoving = nullptr;
  QCheckBox* m_chFileListGridLines = nullptr;
  QCheckBox* m_chFileListFooter = nullptr;
  QCheckBox* m_chFileListRowIndicator = nullptr;
  QCheckBox* m_chFileListIconClickOpen = nullptr;
  QLabel* m_lblFileAnalysis = nullptr;
  QComboBox* m_cbFileListFileAnalysis = nullptr;
  QGroupBox* m_gbLanguage = nullptr;
  QComboBox* m_cbLanguage = nullptr;
  QLabel* m_lblDefaultVideoCodec = nullptr;
  QComboBox* m_cbDefaultVideoCodec = nullptr;
  QPushButton* m_btnCreateShortcutOnDesktop = nullptr;
  QPushButton* m_btnClose = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
};

// The launcher of the program living in appDir: its executable, started
// in its folder, with the program's icon.
DesktopLauncher ProgramLauncher(const std::string& appDir, bool installed);

}  // namespace zelmora
