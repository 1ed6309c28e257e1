#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSocketNotifier;

namespace zelmora {

// Closes the window when the process gets SIGINT, SIGTERM or SIGHUP, so
// those end the program through its normal shut-down.
class TerminationWatcher : public QObject {
  Q_OBJECT

public:
  explicit TerminationWatcher(QWidget* window);

private:
  void OnSignal();

  QPointer<QWidget> m_window;
  QSocketNotifier* m_notifier = nullptr;
  int m_fd = -1;
};

}  // namespace zelmora
