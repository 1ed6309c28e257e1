#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace zelmora {

// Every file dialog and message box of the windows goes through here, so a
// test can give the answer in advance ("next answer" hooks) and no modal
// dialog ever waits for a person during a test run.
//
// Filters are written the way the interface strings hold them:
// "Title|*.a;*.b|Title 2|*.c".
class FileDialogs {
public:
  struct SaveOptions {
    QString Directory;
    QString FileName;       // proposed name (without folder)
    QString Filter;         // "Title|*.sh"
    QString DefaultSuffix;  // "sh"
  };

  // Empty when cancelled.
  static QStringList GetOpenFileNames(QWidget* parent, const QString& directory,
                                      const QString& filter);
  static QString GetOpenFileName(QWidget* parent, const QString& directory, const QString& filter);
  // Asks before overwriting an existing file.
  static QString GetSaveFileName(QWidget* parent, const SaveOptions& options);
  static QString GetExistingDirectory(QWidget* parent, const QString& startDirectory);

  // The program's "Title|*.a;*.b" form as a Qt filter list.
  static QString QtFilter(const QString& filter);

  // Test hooks: the next dialog of the kind answers at once with this value
  // (an empty value answers "cancel"). Each hook is used once.
  static void setNextFileName(const QString& fileName);
  static void setNextFileNames(const QStringList& fileNames);
  static void setNextDirectory(const QString& directory);
};

// Modal, top-most warning boxes titled "Zelmora".
class MessageBoxes {
public:
  static void ShowWarning(QWidget* parent, const QString& text, const QString& title = {});
  static QMessageBox::StandardButton Question(QWidget* parent, const QString& text);

  // Test mode: no box is shown; warnings are recorded and questions answered
  // with the next answer (Yes when none was set).
  static void setTestMode(bool on);
  static void setNextAnswer(QMessageBox::StandardButton answer);
  static QStringList takeShownWarnings();
};

}  // namespace zelmora
