#include "ui/form_errors.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include "base/files.h"
#include "base/paths.h"
#include "core/app_params.h"
#include "platform/executable_path.h"
#include "ui/file_dialogs.h"
#include "ui/form_progress.h"
#include "ui/qt_text.h"
#include "ui/window_strip.h"

namespace zelmora {

std::string ErrorLogFileText(const std::string& paneText) {
  std::string text;
  text.reserve(paneText.size() + paneText.size() / 16);
  for (char c : paneText) {
    if (c == '\r') continue;  // a pasted CR LF must not become CR CR LF
    if (c == '\n') text += '\r';
    text += c;
  }
  if (!text.empty() && text.back() != '\n') text += "\r\n";
  return text;
}

void CentreOver(QWidget* window, QWidget* over) {
  QRect area;
  if (over != nullptr && over->isVisible()) {
    area = over->frameGeometry();
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isEmpty()) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  // A main window near the screen's edge must not push this one off it.
  if (QScreen* screen = QGuiApplication::screenAt(area.center())) {
    const QRect avail = screen->availableGeometry();
    frame.moveLeft(std::max(avail.left(), std::min(frame.left(), avail.right() - frame.width())));
    frame.moveTop(std::max(avail.top(), std::min(frame.top(), avail.bottom() - frame.height())));
  }
  window->move(frame.topLeft());
}

FormErrors::FormErrors(AppContext& context, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_mainWindow(mainWindow) {
  setObjectName("FormErrors");
  setModal(false);
  CreateControls();
  setMinimumSize(MinWidth, MinHeight);
  resize(DesignWidth, DesignHeight);
  SetLang();
}

void FormErrors::CreateControls() {
  m_me = new QPlainTextEdit(this);
  m_me->setObjectName("me");
  m_me->setFrameShape(QFrame::NoFrame);
  m_me->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_me->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_me->setFont(MonospaceQFont(m_context.AppParams.MonospaceFont));
  // The selection stays visible when the pane loses the focus.
  KeepSelectionVisible(m_me);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_me, 1);
  layout->addWidget(CreateBottomStrip());

  m_actEsc = new QAction(this);
  m_actEsc->setObjectName("actEsc");
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  m_actEsc->setShortcutContext(Qt::WindowShortcut);
  addAction(m_actEsc);
  connect(m_actEsc, &QAction::triggered, this, &FormErrors::actCloseExecute);
}

QWidget* FormErrors::CreateBottomStrip() {
  QFrame* strip = MakeWindowStrip(this, "pnBottom");
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(6);
  auto makeButton = [this, strip, row](const char* buttonName, const char* actionName,
                                       QAction*& action, void (FormErrors::*slot)()) {
    action = new QAction(this);
    action->setObjectName(actionName);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    auto* button = new QPushButton(strip);
    button->setObjectName(buttonName);
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    row->addWidget(button);
    return button;
  };
  m_btnClearLog =
      makeButton("btnClearLog", "actClearLog", m_actClearLog, &FormErrors::actClearLogExecute);
  m_btnSaveLog =
      makeButton("btnSaveLog", "actSaveLog", m_actSaveLog, &FormErrors::actSaveLogExecute);
  row->addStretch(1);
  m_btnClose = makeButton("btnClose", "actClose", m_actClose, &FormErrors::actCloseExecute);
  return strip;
}

void FormErrors::SetLang() {
  const TErrorsModuleStrings& strings = m_context.Strings.Errors;
  setWindowTitle(ToQString(m_caption.empty() ? strings.Caption : m_caption));
  auto label = [](QAction* action, QPushButton* button, const std::string& text) {
    action->setText(ToQString(text));
    action->setToolTip(ToQString(text));
    button->setText(ToQString(text));
    button->setToolTip(ToQString(text));
  };
  label(m_actClearLog, m_btnClearLog, strings.actClearLog);
  label(m_actSaveLog, m_btnSaveLog, strings.actSaveLog);
  label(m_actClose, m_btnClose, strings.actClose);
}

void FormErrors::ClearErrorLog() {
  m_context.ConversionState.ErrorCount = 0;
  m_me->clear();
}

void FormErrors::AddErrorRecord(const std::string& recordText) {
  QTextCursor cursor(m_me->document());
  cursor.movePosition(QTextCursor::End);
  QString text = ToQString(recordText);
  text.remove(QLatin1Char('\r'));
  cursor.insertText(text);
}

void FormErrors::SetCaption(const std::string& caption) {
  // The Errors group's own caption is what SetLang shows; any other one
  // (a run's failure count) stays when the language changes.
  m_caption = caption == m_context.Strings.Errors.Caption ? std::string() : caption;
  setWindowTitle(ToQString(caption));
}

void FormErrors::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
}

void FormErrors::ToggleVisible() {
  if (isVisible()) {
    hide();
  } else {
    ShowCentred();
  }
}

std::string FormErrors::Text() const {
  return ToStdString(m_me->toPlainText());
}

Status FormErrors::SaveLogTo(const std::string& fileName) const {
  return WriteFileAtomic(fileName, ErrorLogFileText(Text()));
}

void FormErrors::actClearLogExecute() {
  m_me->clear();
}

void FormErrors::actSaveLogExecute() {
  FileDialogs::SaveOptions options;
  // The program's folder when portable; an installed one's is not the user's.
  const std::string& configDir = m_context.AppParams.ConfigDir;
  options.Directory = ToQString(configDir.empty() ? ExtractFileDir(ExecutablePath()) : configDir);
  options.FileName = QString::fromLatin1(DefaultLogName);
  options.Filter = ToQString(m_context.Strings.Errors.dlgSaveLogFilter + "|*.log");
  options.DefaultSuffix = QStringLiteral("log");
  const QString fileName = FileDialogs::GetSaveFileName(this, options);
  if (fileName.isEmpty()) return;
  Status saved = SaveLogTo(ToStdString(fileName));
  if (!saved) MessageBoxes::ShowWarning(this, ToQString(saved.error().message));
}

void FormErrors::actCloseExecute() {
  hide();
}

}  // namespace zelmora
