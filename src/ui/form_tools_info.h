#pragma once

#include <QDialog>
#include <string>

#include "core/app_context.h"

class QAction;
class QPlainTextEdit;
class QPushButton;

namespace zelmora {

// The tool information window: the report on the ffmpeg program and the
// MediaInfo library in a read-only pane. Its text is replaced each time the
// main window's command runs; closing hides it.
class FormToolsInfo : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 748;
  static constexpr int DesignHeight = 304;
  static constexpr int MinWidth = 300;
  static constexpr int MinHeight = 200;
  // The labels of the report are right-aligned to this many characters.
  static constexpr int ReportLabelWidth = 18;

  // mainWindow is the window it is centred over (may be null).
  explicit FormToolsInfo(AppContext& context, QWidget* mainWindow = nullptr);

  // Caption, the Close action and button.
  void SetLang();
  // Empties the pane and puts the report in (lines ended by CR LF or LF).
  void SetReport(const std::string& report);
  void ShowCentred();

  void actCloseExecute();
  void actEscExecute();
  void actSelectAllExecute();

  QPlainTextEdit* Pane() const { return m_me; }
  std::string Text() const;

private:
  void CreateControls();
  QWidget* CreateBottomStrip();
  QAction* MakeAction(const char* name, const QKeySequence& shortcut,
                      void (FormToolsInfo::*slot)());

  AppContext& m_context;
  QWidget* m_mainWindow;
  QPlainTextEdit* m_me = nullptr;
  QPushButton* m_btnClose = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
  QAction* m_actSelectAll = nullptr;
};

}  // namespace zelmora
