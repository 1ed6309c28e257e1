#pragma once

#include <QDialog>
#include <string>

#include "base/result.h"
#include "core/app_context.h"

class QAction;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zelmora {

// The error log window: the records of the latest run in an editable pane,
// which the user may clear or save as a text file. Nothing is written to
// disk unless the user saves. Closing hides it.
class FormErrors : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 646;
  static constexpr int DesignHeight = 349;
  static constexpr int MinWidth = 400;
  static constexpr int MinHeight = 200;
  static constexpr const char* DefaultLogName = "Zelmora_Errors.log";

  // mainWindow is the window it is centred over (may be null).
  FormErrors(AppContext& context, QWidget* mainWindow = nullptr);

  // Caption, button texts and hints, the save dialog's filter.
  void SetLang();
  // The start of a run: ErrorCount back to 0 and an empty pane.
  void ClearErrorLog();
  // Appends one record's text (lines ended by "\n").
  void AddErrorRecord(const std::string& recordText);
  // "Errors" at the start of a run, "Errors (2)" after one with failures.
  void SetCaption(const std::string& caption);
  void ShowCentred();
  // The main window's "Show / hide error log".
  void ToggleVisible();

  // The pane's text as it stands (the user may have edited it).
  std::string Text() const;
  // Writes the pane, each line ended by CR LF, replacing the file through a
  // temporary one so a failed write keeps the previous file.
  Status SaveLogTo(const std::string& fileName) const;

  void actClearLogExecute();  // the pane only; the numbering goes on
  void actSaveLogExecute();   // save dialog, then SaveLogTo
  void actCloseExecute();

  QAction* ClearLogAction() const { return m_actClearLog; }
  QAction* SaveLogAction() const { return m_actSaveLog; }
  QAction* CloseAction() const { return m_actClose; }
  QPlainTextEdit* Pane() const { return m_me; }

private:
  void CreateControls();
  QWidget* CreateBottomStrip();

  AppContext& m_context;
  QWidget* m_mainWindow;
  std::string m_caption;  // empty: the Errors group's caption
  QPlainTextEdit* m_me = nullptr;
  QPushButton* m_btnClearLog = nullptr;
  QPushButton* m_btnSaveLog = nullptr;
  QPushButton* m_btnClose = nullptr;
  QAction* m_actClearLog = nullptr;
  QAction* m_actSaveLog = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
};

// The pane's text as the saved file holds it: every line ended by CR LF
// (the last one too, when the text does not end with a line break already).
std::string ErrorLogFileText(const std::string& paneText);

// Centres a window over another one (or the screen when there is none),
// keeping it on the screen.
void CentreOver(QWidget* window, QWidget* over);

}  // namespace zelmora
