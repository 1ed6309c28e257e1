#include "ui/file_dialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

#include "core/program_title.h"

namespace zelmora {

namespace {

struct DialogHooks {
  std::optional<QStringList> NextFileNames;
  std::optional<QString> NextDirectory;
  bool TestMode = false;
  std::optional<QMessageBox::StandardButton> NextAnswer;
  QStringList ShownWarnings;
};

DialogHooks& Hooks() {
  static DialogHooks hooks;
  return hooks;
}

std::optional<QStringList> TakeNextFileNames() {
  std::optional<QStringList> next = Hooks().NextFileNames;
  Hooks().NextFileNames.reset();
  if (next) next->removeAll(QString());
  return next;
}

// Interface strings end lines with CR LF; Qt wants LF alone.
QString DisplayText(const QString& text) {
  QString result = text;
  return result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

QString FileDialogs::QtFilter(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString title = parts[i].trimmed();
    // A title such as "Ini files (*.INI)" carries its own pattern list,
    // which Qt would take over the real one (and match case-sensitively).
    title.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    result << QStringLiteral("%1 (%2)").arg(title, patterns.trimmed());
  }
  return result.join(QStringLiteral(";;"));
}

QStringList FileDialogs::GetOpenFileNames(QWidget* parent, const QString& directory,
                                          const QString& filter) {
  if (auto next = TakeNextFileNames()) return *next;
  return QFileDialog::getOpenFileNames(parent, QString(), directory, QtFilter(filter));
}

QString FileDialogs::GetOpenFileName(QWidget* parent, const QString& directory,
                                     const QString& filter) {
  if (auto next = TakeNextFileNames()) return next->value(0);
  return QFileDialog::getOpenFileName(parent, QString(), directory, QtFilter(filter));
}

QString FileDialogs::GetSaveFileName(QWidget* parent, const SaveOptions& options) {
  if (auto next = TakeNextFileNames()) return next->value(0);
  QFileDialog dialog(parent, QString(), options.Directory, QtFilter(options.Filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(options.DefaultSuffix);
  if (!options.FileName.isEmpty()) dialog.selectFile(options.FileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString FileDialogs::GetExistingDirectory(QWidget* parent, const QString& startDirectory) {
  if (Hooks().NextDirectory) {
    QString next = *Hooks().NextDirectory;
    Hooks().NextDirectory.reset();
    return next;
  }
  return QFileDialog::getExistingDirectory(parent, QString(), startDirectory,
                                           QFileDialog::ShowDirsOnly);
}

void FileDialogs::setNextFileName(const QString& fileName) {
  Hooks().NextFileNames = QStringList{fileName};
}

void FileDialogs::setNextFileNames(const QStringList& fileNames) {
  Hooks().NextFileNames = fileNames;
}

void FileDialogs::setNextDirectory(const QString& directory) {
  Hooks().NextDirectory = directory;
}

void MessageBoxes::ShowWarning(QWidget* parent, const QString& text, const QString& title) {
  if (Hooks().TestMode) {
    Hooks().ShownWarnings << DisplayText(text);
    return;
  }
  QMessageBox box(QMessageBox::Warning, title.isEmpty() ? QString::fromUtf8(ProgramName) : title,
                  DisplayText(text), QMessageBox::Ok, parent);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

QMessageBox::StandardButton MessageBoxes::Question(QWidget* parent, const QString& text) {
  if (Hooks().TestMode) {
    QMessageBox::StandardButton answer = Hooks().NextAnswer.value_or(QMessageBox::Yes);
    Hooks().NextAnswer.reset();
    return answer;
  }
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(ProgramName), DisplayText(text),
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageBoxes::setTestMode(bool on) {
  Hooks().TestMode = on;
}

void MessageBoxes::setNextAnswer(QMessageBox::StandardButton answer) {
  Hooks().NextAnswer = answer;
}

QStringList MessageBoxes::takeShownWarnings() {
  QStringList shown = Hooks().ShownWarnings;
  Hooks().ShownWarnings.clear();
  return shown;
}

}  // namespace zelmora
