#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <functional>
#include <string>

#include "core/app_context.h"
#include "platform/desktop_services.h"

class QAction;

namespace zelmora {

// A line of text that opens a web address when clicked, underlined while
// the mouse is over it.
class LinkLabel : public QLabel {
public:
  LinkLabel(const QString& address, std::function<void(const QString&)> open,
            QWidget* parent = nullptr);
  const QString& Address() const { return m_address; }

protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void SetUnderlined(bool on);

  QString m_address;
  std::function<void(const QString&)> m_open;
};

// The about window: the program, its version and date, the maker's pages
// and the tool builds the program expects. Every line is centred; only the
// caption and the donation text are translated.
class FormAbout : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 360;
  static constexpr int DesignHeight = 270;

  // closeShortcut is the main window's about shortcut; mainWindow is the
  // window it is centred over (may be null).
  FormAbout(AppContext& context, DesktopServices& desktop, const QKeySequence& closeShortcut,
            QWidget* mainWindow = nullptr);

  void SetLang();
  void ShowCentred();
  void actCloseExecute();
  QAction* CloseAction() const { return m_actClose; }

private:
  void CreateControls(const QKeySequence& closeShortcut);
  QLabel* AddLine(const char* name, const QString& text);
  LinkLabel* AddLink(const char* name, const char* address);

  AppContext& m_context;
  DesktopServices& m_desktop;
  QWidget* m_mainWindow;
  QWidget* m_pnMain = nullptr;
  LinkLabel* m_lblDonation = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
};

}  // namespace zelmora
