#include <QApplication>
#include <QTest>
#include <cstring>
#include <vector>

#include "ui_test_registry.h"

// Runs every registered test class; "tests_ui FormErrorsTest" runs one,
// and the arguments after the class name go to Qt Test ("tests_ui
// FormErrorsTest saveWritesCrLf").
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
  std::vector<char*> args{argv[0]};
  for (int i = only != nullptr ? 2 : 1; i < argc; ++i) args.push_back(argv[i]);
  int failures = 0;
  for (const zelmora::test::UiTestEntry& entry : zelmora::test::UiTests()) {
    if (only != nullptr && entry.Name != only) continue;
    auto test = entry.Make();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return failures == 0 ? 0 : 1;
}
