#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

namespace zelmora::test {

// ZELMORA_SCREENSHOT_DIR=... keeps pictures of the windows for a look.
inline bool KeepingPictures() {
  return !qEnvironmentVariableIsEmpty("ZELMORA_SCREENSHOT_DIR");
}

// Saves the window as it stands, after the layout work a shown window gets.
inline void KeepPicture(QWidget& window, const char* name) {
  if (!KeepingPictures()) return;
  QApplication::processEvents();
  window.grab().save(qEnvironmentVariable("ZELMORA_SCREENSHOT_DIR") + QLatin1Char('/') +
                     QLatin1String(name));
}

// Shows the window first, laid out as the user sees it.
inline void ShowAndKeepPicture(QWidget& window, const char* name) {
  if (!KeepingPictures()) return;
  window.show();
  (void)QTest::qWaitForWindowExposed(&window);
  QTest::qWait(50);
  KeepPicture(window, name);
}

}  // namespace zelmora::test
