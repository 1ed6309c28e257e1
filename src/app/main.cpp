#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

#include "core/app_context.h"
#include "platform/utf8_locale.h"
#include "ui/main_window.h"
#include "ui/termination_watcher.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // QApplication has just set the C locale from the environment; the file
  // name conversions of libmediainfo need a UTF-8 LC_CTYPE on top of that.
  zelmora::SetUpUtf8CType();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("Zelmora"));
  // Lets Wayland compositors match the windows to zelmora.desktop and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("zelmora"));
  QIcon icon;
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/icons/zelmora-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);

  zelmora::AppContext context;
  zelmora::MainWindowOptions options;
  for (int i = 1; i < argc; ++i) options.Arguments.emplace_back(argv[i]);
  zelmora::MainWindow window(context, std::move(options));
  new zelmora::TerminationWatcher(&window);  // owned by the window
  window.show();
  return app.exec();
}
