#include "ui/form_tools_info.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/qt_text.h"
#include "ui/window_strip.h"

namespace zelmora {

FormToolsInfo::FormToolsInfo(AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_mainWindow(mainWindow) {
  setObjectName(QStringLiteral("FormToolsInfo"));
  setModal(false);
  CreateControls();
  setMinimumSize(MinWidth, MinHeight);
  resize(DesignWidth, DesignHeight);
  SetLang();
}

QAction* FormToolsInfo::MakeAction(const char* name, const QKeySequence& shortcut,
                                   void (FormToolsInfo::*slot)()) {
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(name));
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
  }
  addAction(action);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

void FormToolsInfo::CreateControls() {
  m_me = new QPlainTextEdit(this);
  m_me->setObjectName(QStringLiteral("me"));
  m_me->setReadOnly(true);
  m_me->setFrameShape(QFrame::NoFrame);
  m_me->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_me->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_me->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_me->setFont(MonospaceQFont(m_context.AppParams.MonospaceFont));
  // Read-only, yet the user selects and copies from it: keep the cursor's
  // keys and the selection, visible also when the pane loses the focus.
  m_me->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  KeepSelectionVisible(m_me);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_me, 1);
  layout->addWidget(CreateBottomStrip());

  m_actEsc = MakeAction("actEsc", QKeySequence(Qt::Key_Escape), &FormToolsInfo::actEscExecute);
  m_actSelectAll = MakeAction("actSelectAll", QKeySequence(Qt::CTRL | Qt::Key_A),
                              &FormToolsInfo::actSelectAllExecute);
}

QWidget* FormToolsInfo::CreateBottomStrip() {
  QFrame* strip = MakeWindowStrip(this, "pnBottom");
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(8, 6, 8, 6);
  row->addStretch(1);
  m_actClose = MakeAction("actClose", {}, &FormToolsInfo::actCloseExecute);
  m_btnClose = new QPushButton(strip);
  m_btnClose->setObjectName(QStringLiteral("btnClose"));
  m_btnClose->setAutoDefault(false);
  m_btnClose->setMinimumWidth(96);
  connect(m_btnClose, &QPushButton::clicked, m_actClose, &QAction::trigger);
  row->addWidget(m_btnClose);
  return strip;
}

void FormToolsInfo::SetLang() {
  const TToolsInfoModuleStrings& strings = m_context.Strings.ToolsInfo;
  setWindowTitle(ToQString(strings.Caption));
  const QString close = ToQString(strings.actClose);
  m_actClose->setText(close);
  m_actClose->setToolTip(close);
  m_btnClose->setText(close);
  m_btnClose->setToolTip(close);
}

void FormToolsInfo::SetReport(const std::string& report) {
  m_me->clear();
  QString text = ToQString(report);
  text.remove(QLatin1Char('\r'));
  m_me->setPlainText(text);
}

void FormToolsInfo::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
}

std::string FormToolsInfo::Text() const {
  return ToStdString(m_me->toPlainText());
}

void FormToolsInfo::actCloseExecute() {
  hide();
}

void FormToolsInfo::actEscExecute() {
  hide();
}

void FormToolsInfo::actSelectAllExecute() {
  m_me->selectAll();
}

}  // namespace zelmora
