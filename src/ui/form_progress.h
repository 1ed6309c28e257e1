#pragma once

#include <QDialog>
#include <QFont>
#include <optional>
#include <string>

#include "config/settings_file.h"
#include "core/app_context.h"
#include "process/abort_controller.h"
#include "process/progress_view.h"

class QAction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class QWidget;

namespace zelmora {

// The progress window: ffmpeg's output, the file being converted and the
// file being written, the status line, the bar and the Abort/Close button.
// It lives as long as the program; closing hides it. It owns the abort
// procedure's timer: "q" first, the kill once the grace time has passed.
class FormProgress : public QDialog, public ProgressView {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 774;
  static constexpr int DesignHeight = 383;
  static constexpr int MinWidth = 600;
  static constexpr int MinHeight = 300;

  // mainWindow is the window it is centred over (may be null).
  FormProgress(AppContext& context, AbortController& abort, QWidget* mainWindow = nullptr);

  // The "PROGRESS" values of the settings record (read with
  // LoadProgressSettings); a zero size keeps the design size.
  void LoadSettings(const TSettingsRecord& settings);
  // The window's part of the record, for the settings file.
  void StoreSettings(TSettingsRecord& settings) const;
  void SetLang();

  // Shows the window centred over the main window, raised.
  void ShowCentred();

  // ProgressView
  void ProcessEvents() override;
  bool IsEncoderOutputHidden() const override;
  void SetProgressPosition(int percent) override;
  void SetStatusText(const std::string& richText) override;
  void RepaintStatus() override;
  void SetAppTitle(const std::string& title) override;  // the main window's part; ignored
  void SetProgressCaption(const std::string& caption) override;
  void SetOutputText(const std::string& text) override;
  void ScrollOutputToBottom() override;

  // The rest of what a conversion run does to the window.
  bool IsCloseAfterConversion() const;
  void SetCloseAfterConversion(bool on);
  void SetEncoderOutputHidden(bool hidden);
  void SetAbortCaption(const std::string& text);
  void SetFileProgressVisible(bool visible);
  void SetInputFileText(const std::string& text);
  void SetOutputFileText(const std::string& richText);
  void SetStatusColour(std::optional<TColor> colour);

  // The Abort command (button, action, close box during a run).
  void actAbortExecute();
  QAction* AbortAction() const { return m_actAbort; }

  // For tests and the screenshots.
  QString StatusHtml() const;
  QString OutputFileHtml() const;
  QString InputFileText() const;
  QString OutputText() const;
  int ProgressPosition() const;
  bool IsAbortTimerActive() const;

protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;  // Esc: the same as the close box

private:
  void CreateControls();
  QWidget* CreateTopStrip();
  QWidget* CreateBottomStrip();
  void PrepareControls();
  void AbortTimerElapsed();
  void AbortOnClose();
  void ApplyStatusColour();

  AppContext& m_context;
  AbortController& m_abort;
  QWidget* m_mainWindow;
  std::optional<TColor> m_statusColour;

  QLabel* m_lblEncoderOutput = nullptr;
  QCheckBox* m_chHideEncoderOutput = nullptr;
  QCheckBox* m_chCloseAfterConversion = nullptr;
  QPlainTextEdit* m_me = nullptr;
  QLabel* m_lblStatusDesc = nullptr;
  QLabel* m_lblStatus = nullptr;
  QLabel* m_lblInputFileDesc = nullptr;
  QLabel* m_lblInputFile = nullptr;
  QLabel* m_lblOutputFileDesc = nullptr;
  QLabel* m_lblOutputFile = nullptr;
  QLabel* m_lblProgress = nullptr;
  QProgressBar* m_pbFile = nullptr;
  QPushButton* m_btnAbort = nullptr;
  QAction* m_actAbort = nullptr;
  QTimer* m_tmAbort = nullptr;
};

// The rich-text subset of the progress labels (bold, font colour,
// background colour) as escaped Qt rich text; everything else is text.
QString RichTextToHtml(const std::string& richText);

// The monospace font of the output panes: the configured one when it is
// installed, else the system's fixed font at that size.
QFont MonospaceQFont(const TFontParams& font);
// Fira Mono 9, else Consolas 10, else Courier New 9 among the installed
// fonts; empty name when none is (the system's fixed font is used).
TFontParams InstalledMonospaceFont();

}  // namespace zelmora
