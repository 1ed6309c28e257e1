#pragma once

#include <QDialog>
#include <string>

#include "core/app_context.h"

class QAction;
class QPlainTextEdit;

namespace zelmora {

// The command-line preview: the ffmpeg parameters the current settings give
// for the grid's current row, read-only. Closing hides it; the main window
// fills it, and fills it again when the current row changes while it shows.
class FormCmdLine : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 760;
  static constexpr int DesignHeight = 240;
  static constexpr int MinWidth = 500;
  static constexpr int MinHeight = 150;

  // mainWindow is the window it opens centred over (may be null).
  explicit FormCmdLine(AppContext& context, QWidget* mainWindow = nullptr);

  void SetLang();
  // Replaces the text and shows the window; centred when it was hidden.
  void ShowText(const std::string& text);
  std::string Text() const;
  QPlainTextEdit* Pane() const { return m_me; }

private:
  AppContext& m_context;
  QWidget* m_mainWindow;
  QPlainTextEdit* m_me = nullptr;
  QAction* m_actEsc = nullptr;
};

}  // namespace zelmora
