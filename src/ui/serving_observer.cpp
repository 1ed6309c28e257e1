#include "ui/serving_observer.h"

#include <QCoreApplication>

namespace zelmora {

ServingObserver::ServingObserver(ConsoleRunner& runner)
    : m_runner(runner), m_previous(runner.OutputObserver()) {
  m_runner.SetOutputObserver(this);
}

ServingObserver::~ServingObserver() {
  m_runner.SetOutputObserver(m_previous);
}

void ServingObserver::OnLine(int pid, const std::string& line) {
  if (m_previous) m_previous->OnLine(pid, line);
  QCoreApplication::processEvents();
}

void ServingObserver::OnIdle() {
  if (m_previous) m_previous->OnIdle();
  QCoreApplication::processEvents();
}

}  // namespace zelmora
