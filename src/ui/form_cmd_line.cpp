#include "ui/form_cmd_line.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/qt_text.h"

namespace zelmora {

FormCmdLine::FormCmdLine(AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_mainWindow(mainWindow) {
  setObjectName(QStringLiteral("FormCmdLine"));
  setModal(false);
  m_me = new QPlainTextEdit(this);
  m_me->setObjectName(QStringLiteral("me"));
  m_me->setReadOnly(true);
  m_me->setFrameShape(QFrame::NoFrame);
  m_me->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  m_me->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_me->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_me->setStyleSheet(QStringLiteral("QPlainTextEdit { padding: 4px; }"));
  m_me->setFont(MonospaceQFont(m_context.AppParams.MonospaceFont));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_me);

  m_actEsc = new QAction(this);
  m_actEsc->setObjectName(QStringLiteral("actEsc"));
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  m_actEsc->setShortcutContext(Qt::WindowShortcut);
  addAction(m_actEsc);
  connect(m_actEsc, &QAction::triggered, this, &QWidget::hide);

  setMinimumSize(MinWidth, MinHeight);
  resize(DesignWidth, DesignHeight);
  SetLang();
}

void FormCmdLine::SetLang() {
  setWindowTitle(ToQString(m_context.Strings.Main.CommandLineInfo));
}

void FormCmdLine::ShowText(const std::string& text) {
  m_me->clear();
  m_me->setPlainText(ToQString(text));
  if (!isVisible()) {
    // The caption follows the language at each opening.
    SetLang();
    CentreOver(this, m_mainWindow);
  }
  show();
  raise();
}

std::string FormCmdLine::Text() const {
  return ToStdString(m_me->toPlainText());
}

}  // namespace zelmora
