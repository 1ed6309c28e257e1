#include "ui/main_window.h"

#include <QApplication>
#include <QFontDatabase>

#include "base/files.h"
#include "core/program_title.h"
#include "ui/qt_text.h"

namespace zelmora {

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent), m_context(context) {
  StartUp();
  PrepareWindow();
}

void MainWindow::StartUp() {
  m_context.MinAudioBitrate = 96;
  TAppParams& params = m_context.AppParams;
  InitAppParams(params, AppDir());
  // Missing tools are not reported here; whatever needs them says so.
  FindFFmpeg(params);
  FindMediaInfoDll(params);
  params.ScrollProgressToBottom = true;
  m_context.Strings.SetEN();
  m_context.EncoderOutput.clear();
  params.MonospaceFont = ChooseMonospaceFont(
      [](const char* family) { return QFontDatabase::hasFamily(QString::fromUtf8(family)); });
  // The profile dialogs start here; without the folder they still work, so a
  // failure (a read-only program folder) is ignored.
  if (!DirectoryExists(params.ProfilesDir)) (void)CreateDirectories(params.ProfilesDir);
}

void MainWindow::PrepareWindow() {
  const QString title = ToQString(ProgramTitle());
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(title);
  QApplication::setApplicationDisplayName(title);
  setMinimumSize(650, 400);
  resize(934, 712);
  setCentralWidget(new QWidget(this));
}

}  // namespace zelmora
