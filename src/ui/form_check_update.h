#pragma once

#include <QDialog>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "core/app_context.h"
#include "platform/desktop_services.h"
#include "tools/update_check.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zelmora {

// The update check: asks the update address for the latest version and
// tells whether a newer one exists. The request runs on a worker thread
// and its result comes back through the event loop, so the window keeps
// painting and answering while the server takes its time. Closing hides
// the window; destroying it cancels a running request and waits for it.
class FormCheckUpdate : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 465;
  static constexpr int DesignHeight = 190;
  static constexpr int CheckDelayMs = 1000;

  // desktop opens the download page; mainWindow is the window it is
  // centred over (may be null).
  FormCheckUpdate(AppContext& context, DesktopServices& desktop, std::string updateUrl,
                  QWidget* mainWindow = nullptr);
  ~FormCheckUpdate() override;

  void SetLang();
  void SetStatusColors(const TStatusColors& colors);
  // Back to the cleared state; a running request is abandoned.
  void ClearStatus();
  // Starts the one-shot timer that runs the check once the window shows.
  void StartCheckTimer();
  void ShowCentred();

  void tmCheckUpdateTimer();
  void actCheckNowExecute();
  void actGoToDownloadPageExecute();
  void actCloseExecute();
  void actEscExecute();

  // Tests shorten the time-outs; the progress callback is the window's own.
  void SetDownloadOptions(const TDownloadOptions& options) { m_downloadOptions = options; }
  void SetUpdateUrl(const std::string& url) { m_updateUrl = url; }

  TUpdateCheckState State() const { return m_result.State; }
  bool CheckRunning() const { return m_result.State == TUpdateCheckState::ucChecking; }
  QPlainTextEdit* Pane() const { return m_me; }
  QTimer* CheckTimer() const { return m_tmCheckUpdate; }

signals:
  // A check has ended (not emitted for an abandoned one).
  void CheckFinished(zelmora::TUpdateCheckState state);

private:
  // One request on its worker thread; Cancelled ends it early.
  struct TRequest {
    std::atomic<bool> Cancelled{false};
    std::atomic<bool> Done{false};
    std::thread Worker;
  };

  void CreateControls();
  QWidget* CreateVersionRows();
  QWidget* CreateBottomStrip();
  QAction* MakeAction(const char* name, void (FormCheckUpdate::*slot)());
  QPushButton* MakeButton(QWidget* parent, const char* name, QAction* action);
  void StartRequest();
  void ReapFinishedRequests();
  void CancelRequest();
  void RequestDone(uint64_t generation, const TUpdateCheckResult& result);
  // Pane, colours and buttons of the current state.
  void ShowState();

  AppContext& m_context;
  DesktopServices& m_desktop;
  std::string m_updateUrl;
  QWidget* m_mainWindow;
  TDownloadOptions m_downloadOptions;
  TUpdateCheckResult m_result;
  uint64_t m_generation = 0;  // the request whose result counts
  std::vector<std::unique_ptr<TRequest>> m_requests;

  QLabel* m_lblUserVersionDesc = nullptr;
  QLabel* m_lblUserVersion = nullptr;
  QLabel* m_lblLatestVersionDesc = nullptr;
  QLabel* m_lblLatestVersion = nullptr;
  QPlainTextEdit* m_me = nullptr;
  QPushButton* m_btnCheckNow = nullptr;
  QPushButton* m_btnGoToDownloadPage = nullptr;
  QPushButton* m_btnClose = nullptr;
  QAction* m_actCheckNow = nullptr;
  QAction* m_actGoToDownloadPage = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
  QTimer* m_tmCheckUpdate = nullptr;
};

// The pane's colours of a state: the system's button face and window text
// for SystemColors, else the two given colours.
QColor StatusBackgroundColour(const TStatusColors& colors, const QPalette& system);
QColor StatusFontColour(const TStatusColors& colors, const QPalette& system);

}  // namespace zelmora
