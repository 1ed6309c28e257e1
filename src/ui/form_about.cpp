#include "ui/form_about.h"

#include <QAction>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "core/app_params.h"
#include "core/program_title.h"
#include "platform/web_addresses.h"
#include "ui/form_errors.h"
#include "ui/qt_text.h"

namespace zelmora {

LinkLabel::LinkLabel(const QString& address, std::function<void(const QString&)> open,
                     QWidget* parent)
    : QLabel(parent), m_address(address), m_open(std::move(open)) {
  QFont linkFont = font();
  linkFont.setPointSize(9);
  setFont(linkFont);
  setCursor(Qt::PointingHandCursor);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
  setPalette(colours);
}

void LinkLabel::SetUnderlined(bool on) {
  QFont linkFont = font();
  linkFont.setUnderline(on);
  setFont(linkFont);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
  SetUnderlined(true);
  QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
  SetUnderlined(false);
  QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_open)
    m_open(m_address);
  QLabel::mouseReleaseEvent(event);
}

FormAbout::FormAbout(AppContext& context, DesktopServices& desktop,
                     const QKeySequence& closeShortcut, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_desktop(desktop),
      m_mainWindow(mainWindow) {
  setObjectName("FormAbout");
  setModal(false);
  CreateControls(closeShortcut);
  SetLang();
}

QLabel* FormAbout::AddLine(const char* name, const QString& text) {
  auto* label = new QLabel(text, m_pnMain);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  m_pnMain->layout()->addWidget(label);
  m_pnMain->layout()->setAlignment(label, Qt::AlignHCenter);
  return label;
}

LinkLabel* FormAbout::AddLink(const char* name, const char* address) {
  auto open = [this](const QString& target) { (void)m_desktop.OpenDocument(ToStdString(target)); };
  auto* link = new LinkLabel(QString::fromLatin1(address), open, m_pnMain);
  link->setObjectName(QString::fromLatin1(name));
  link->setTextFormat(Qt::PlainText);
  link->setText(link->Address());
  m_pnMain->layout()->addWidget(link);
  m_pnMain->layout()->setAlignment(link, Qt::AlignHCenter);
  return link;
}

void FormAbout::CreateControls(const QKeySequence& closeShortcut) {
  m_pnMain = new QWidget(this);
  m_pnMain->setObjectName("pnMain");
  auto* lines = new QVBoxLayout(m_pnMain);
  lines->setContentsMargins(16, 14, 16, 16);
  lines->setSpacing(2);
  // The layout centres every line: (panel width - line width) / 2, again
  // whenever a translation changes a line's width.
  QLabel* name = AddLine("lblProgramName", QString::fromLatin1(ProgramName));
  QFont large = name->font();
  large.setPointSize(20);
  large.setBold(true);
  name->setFont(large);
  AddLine("lblVersion", QStringLiteral("Version ") + QString::fromLatin1(ProgramVersion));
  AddLine("lblReleaseDate", QString::fromLatin1(ProgramReleaseDate));
  lines->addSpacing(8);
  m_lblDonation = AddLink("lblDonation", web::kDonationPage);
  m_lblDonation->setToolTip(m_lblDonation->Address());
  lines->addSpacing(8);
  AddLine("lblProducer", QString::fromLatin1(ProgramMaker));
  AddLink("lblWWW", web::kHomePage);
  lines->addSpacing(10);
  AddLine("lblFFmpeg", QStringLiteral("FFmpeg"));
  AddLine("lblFFmpegVersion", QString::fromLatin1(FFmpegToolVersion));
  AddLink("lblWwwFFmpeg", web::kFFmpegProjectPage);
  lines->addSpacing(10);
  AddLine("lblMediaInfoVersion",
          QStringLiteral("MediaInfo ") + QString::fromLatin1(MediaInfoToolVersion));
  AddLink("lblWwwMediaInfo", web::kMediaInfoProjectPage);
  lines->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_pnMain);

  m_actClose = new QAction(this);
  m_actClose->setObjectName("actClose");
  m_actClose->setShortcut(closeShortcut);
  m_actEsc = new QAction(this);
  m_actEsc->setObjectName("actEsc");
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  for (QAction* action : {m_actClose, m_actEsc}) {
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, &FormAbout::actCloseExecute);
  }
}

void FormAbout::SetLang() {
  setWindowTitle(ToQString(m_context.Strings.About.Caption));
  m_lblDonation->setText(ToQString(m_context.Strings.About.Donation));
  // Fixed size: the design size, or what a long translation needs.
  m_pnMain->layout()->invalidate();
  layout()->invalidate();
  const QSize needed = layout()->totalMinimumSize();
  setFixedSize(std::max(DesignWidth, needed.width()), std::max(DesignHeight, needed.height()));
}

void FormAbout::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
  activateWindow();
}

void FormAbout::actCloseExecute() {
  hide();
}

}  // namespace zelmora
