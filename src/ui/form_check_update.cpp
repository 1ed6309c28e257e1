#include "ui/form_check_update.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <system_error>

#include "config/update_check_messages.h"
#include "core/program_title.h"
#include "platform/web_addresses.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/qt_text.h"
#include "ui/window_strip.h"

namespace zelmora {

namespace {

QColor ToQColor(const TRgbColor& c) {
  return QColor(c.r, c.g, c.b);
}

}  // namespace

QColor StatusBackgroundColour(const TStatusColors& colors, const QPalette& system) {
  return colors.SystemColors ? system.color(QPalette::Active, QPalette::Button)
                             : ToQColor(colors.Background);
}

QColor StatusFontColour(const TStatusColors& colors, const QPalette& system) {
  return colors.SystemColors ? system.color(QPalette::Active, QPalette::WindowText)
                             : ToQColor(colors.Font);
}

FormCheckUpdate::FormCheckUpdate(AppContext& context, DesktopServices& desktop,
                                 std::string updateUrl, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_desktop(desktop),
      m_updateUrl(std::move(updateUrl)),
      m_mainWindow(mainWindow) {
  setObjectName(QStringLiteral("FormCheckUpdate"));
  setModal(false);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xE6));
  setPalette(palette);
  setAutoFillBackground(true);
  CreateControls();
  setFixedSize(DesignWidth, DesignHeight);
  SetLang();
  ClearStatus();
}

FormCheckUpdate::~FormCheckUpdate() {
  // A worker still talking to the server stops at its next progress call
  // (libcurl makes one at least every second), well within its time-out.
  for (const std::unique_ptr<TRequest>& request : m_requests) request->Cancelled = true;
  for (const std::unique_ptr<TRequest>& request : m_requests)
    if (request->Worker.joinable()) request->Worker.join();
}

QAction* FormCheckUpdate::MakeAction(const char* name, void (FormCheckUpdate::*slot)()) {
  auto* action = new QAction(this);
  action->setObjectName(QLatin1String(name));
  addAction(action);
  connect(action, &QAction::triggered, this, slot);
  return action;
}

QPushButton* FormCheckUpdate::MakeButton(QWidget* parent, const char* name, QAction* action) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setMinimumWidth(96);
  connect(button, &QPushButton::clicked, action, &QAction::trigger);
  return button;
}

void FormCheckUpdate::CreateControls() {
  m_me = new QPlainTextEdit(this);
  m_me->setObjectName(QStringLiteral("me"));
  m_me->setReadOnly(true);
  // A long translated message wraps in the fixed-size window rather than
  // hiding its end.
  m_me->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  m_me->setFont(MonospaceQFont(m_context.AppParams.MonospaceFont));

  auto* body = new QVBoxLayout;
  body->setContentsMargins(10, 8, 10, 8);
  body->setSpacing(6);
  body->addWidget(CreateVersionRows());
  body->addWidget(m_me, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(body, 1);
  layout->addWidget(CreateBottomStrip());

  m_actEsc = MakeAction("actEsc", &FormCheckUpdate::actEscExecute);
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  m_actEsc->setShortcutContext(Qt::WindowShortcut);

  m_tmCheckUpdate = new QTimer(this);
  m_tmCheckUpdate->setObjectName(QStringLiteral("tmCheckUpdate"));
  m_tmCheckUpdate->setSingleShot(true);
  m_tmCheckUpdate->setInterval(CheckDelayMs);
  connect(m_tmCheckUpdate, &QTimer::timeout, this, &FormCheckUpdate::tmCheckUpdateTimer);
}

QWidget* FormCheckUpdate::CreateVersionRows() {
  auto* rows = new QWidget(this);
  auto* grid = new QGridLayout(rows);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  auto makeLabel = [rows](const char* name, bool bold) {
    auto* label = new QLabel(rows);
    label->setObjectName(QLatin1String(name));
    if (bold) {
      QFont font = label->font();
      font.setBold(true);
      label->setFont(font);
      label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    return label;
  };
  m_lblUserVersionDesc = makeLabel("lblUserVersionDesc", false);
  m_lblUserVersion = makeLabel("lblUserVersion", true);
  m_lblLatestVersionDesc = makeLabel("lblLatestVersionDesc", false);
  m_lblLatestVersion = makeLabel("lblLatestVersion", true);
  m_lblUserVersion->setText(QString::fromLatin1(ProgramVersion));
  grid->addWidget(m_lblUserVersionDesc, 0, 0);
  grid->addWidget(m_lblUserVersion, 0, 1);
  grid->addWidget(m_lblLatestVersionDesc, 1, 0);
  grid->addWidget(m_lblLatestVersion, 1, 1);
  grid->setColumnStretch(1, 1);
  return rows;
}

QWidget* FormCheckUpdate::CreateBottomStrip() {
  QFrame* strip = MakeWindowStrip(this, "pnBottom");
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(8, 6, 8, 6);
  row->setSpacing(6);
  m_actCheckNow = MakeAction("actCheckNow", &FormCheckUpdate::actCheckNowExecute);
  m_actGoToDownloadPage =
      MakeAction("actGoToDownloadPage", &FormCheckUpdate::actGoToDownloadPageExecute);
  m_actClose = MakeAction("actClose", &FormCheckUpdate::actCloseExecute);
  m_btnCheckNow = MakeButton(strip, "btnCheckNow", m_actCheckNow);
  m_btnGoToDownloadPage = MakeButton(strip, "btnGoToDownloadPage", m_actGoToDownloadPage);
  m_btnClose = MakeButton(strip, "btnClose", m_actClose);
  row->addWidget(m_btnCheckNow);
  row->addWidget(m_btnGoToDownloadPage);
  row->addStretch(1);
  row->addWidget(m_btnClose);
  return strip;
}

void FormCheckUpdate::SetLang() {
  const TCheckUpdateModuleStrings& s = m_context.Strings.CheckUpdate;
  setWindowTitle(ToQString(s.Caption));
  m_actClose->setText(ToQString(s.actClose));
  m_actClose->setToolTip(ToQString(s.actClose));
  m_btnClose->setText(ToQString(s.actClose));
  m_btnClose->setToolTip(ToQString(s.actClose));
  m_lblUserVersionDesc->setText(ToQString(s.lblUserVersion));
  m_lblLatestVersionDesc->setText(ToQString(s.lblLatestVersion));
  m_actCheckNow->setText(ToQString(s.CheckNow));
  m_btnCheckNow->setText(ToQString(s.CheckNow));
  m_actGoToDownloadPage->setText(ToQString(s.btnDownload));
  m_actGoToDownloadPage->setToolTip(ToQString(s.GoToDownloadPage));
  m_btnGoToDownloadPage->setText(ToQString(s.btnDownload));
  m_btnGoToDownloadPage->setToolTip(ToQString(s.GoToDownloadPage));
  // A message on show is told again in the new language.
  if (m_result.State != TUpdateCheckState::ucCleared) ShowState();
}

void FormCheckUpdate::SetStatusColors(const TStatusColors& colors) {
  const QPalette system = QApplication::palette();
  QPalette palette = m_me->palette();
  const QColor background = StatusBackgroundColour(colors, system);
  const QColor font = StatusFontColour(colors, system);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, background);
    palette.setColor(group, QPalette::Text, font);
  }
  m_me->setPalette(palette);
  // The border's style sheet would paint the style's own background over
  // the palette, so it names the colours too.
  m_me->setStyleSheet(
      QStringLiteral("QPlainTextEdit#me { border: 1px solid #A0A0A0; background-color: %1; "
                     "color: %2; }")
          .arg(background.name(), font.name()));
}

void FormCheckUpdate::ShowState() {
  const TUpdateStateLook look = UpdateStateLook(m_result.State);
  SetStatusColors(look.Colors);
  QString text = ToQString(UpdatePaneText(m_result, UpdateCheckMessages(m_context.Strings)));
  text.remove(QLatin1Char('\r'));
  m_me->setPlainText(text);
  m_btnGoToDownloadPage->setVisible(look.DownloadVisible);
  m_actGoToDownloadPage->setEnabled(look.DownloadVisible);
  m_btnCheckNow->setEnabled(look.CheckNowEnabled);
  m_actCheckNow->setEnabled(look.CheckNowEnabled);
}

void FormCheckUpdate::ClearStatus() {
  CancelRequest();
  m_result = {};
  ShowState();
}

void FormCheckUpdate::StartCheckTimer() {
  m_tmCheckUpdate->start();
}

void FormCheckUpdate::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
}

void FormCheckUpdate::tmCheckUpdateTimer() {
  m_tmCheckUpdate->stop();
  actCheckNowExecute();
}

void FormCheckUpdate::actCheckNowExecute() {
  if (CheckRunning()) return;
  m_lblLatestVersion->clear();
  m_result = {};
  m_result.State = TUpdateCheckState::ucChecking;
  ShowState();
  StartRequest();
}

void FormCheckUpdate::StartRequest() {
  ReapFinishedRequests();
  auto request = std::make_unique<TRequest>();
  TRequest* raw = request.get();
  const uint64_t generation = ++m_generation;
  TDownloadOptions options = m_downloadOptions;
  options.Progress = [raw, outer = options.Progress](int64_t received) {
    return !raw->Cancelled && (!outer || outer(received));
  };
  try {
    raw->Worker = std::thread([this, raw, generation, url = m_updateUrl, options] {
      const TUpdateCheckResult result = CheckForUpdate(url, ProgramVersion, options);
      // Safe while the worker runs: the destructor joins it before the
      // window goes, and a result posted to a window that then goes is
      // dropped with it.
      if (!raw->Cancelled)
        QMetaObject::invokeMethod(
            this, [this, generation, result] { RequestDone(generation, result); },
            Qt::QueuedConnection);
      raw->Done = true;
    });
  } catch (const std::system_error&) {
    // No thread to be had: as good as no connection.
    RequestDone(generation, EvaluateUpdateReply({}, ProgramVersion));
    return;
  }
  m_requests.push_back(std::move(request));
}

void FormCheckUpdate::ReapFinishedRequests() {
  std::erase_if(m_requests, [](const std::unique_ptr<TRequest>& request) {
    if (!request->Done) return false;
    request->Worker.join();
    return true;
  });
}

void FormCheckUpdate::CancelRequest() {
  for (const std::unique_ptr<TRequest>& request : m_requests) request->Cancelled = true;
  ++m_generation;
}

void FormCheckUpdate::RequestDone(uint64_t generation, const TUpdateCheckResult& result) {
  if (generation != m_generation || !CheckRunning()) return;
  m_result = result;
  const bool known = result.State == TUpdateCheckState::ucUpToDate ||
                     result.State == TUpdateCheckState::ucUpdateAvailable ||
                     result.State == TUpdateCheckState::ucServerVersionOlder;
  if (known) m_lblLatestVersion->setText(ToQString(result.LatestVersion));
  ShowState();
  emit CheckFinished(result.State);
}

void FormCheckUpdate::actGoToDownloadPageExecute() {
  (void)m_desktop.OpenDocument(web::kDownloadPage);
}

void FormCheckUpdate::actCloseExecute() {
  hide();
}

void FormCheckUpdate::actEscExecute() {
  hide();
}

}  // namespace zelmora
