#include "ui/termination_watcher.h"

#include <unistd.h>

#include <QSocketNotifier>

#include "platform/termination_signals.h"

namespace zelmora {

TerminationWatcher::TerminationWatcher(QWidget* window) : QObject(window), m_window(window) {
  m_fd = WatchTerminationSignals();
  if (m_fd < 0) return;
  m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatcher::OnSignal);
}

void TerminationWatcher::OnSignal() {
  unsigned char buffer[16];
  while (read(m_fd, buffer, sizeof buffer) > 0) {
  }
  if (m_window) m_window->close();
}

}  // namespace zelmora
