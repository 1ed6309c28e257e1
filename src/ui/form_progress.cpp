#include "ui/form_progress.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/conversion_run.h"
#include "process/rich_text.h"
#include "ui/form_errors.h"
#include "ui/qt_text.h"
#include "ui/window_strip.h"

namespace zelmora {

namespace {

QString HexColour(uint32_t rgb) {
  return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

bool IsFamilyInstalled(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

QString RichTextToHtml(const std::string& richText) {
  QString html;
  for (const TRichTextRun& run : ParseRichText(richText)) {
    QString piece = ToQString(run.Text).toHtmlEscaped();
    piece.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    QString style;
    if (run.Color) style += QStringLiteral("color:%1;").arg(HexColour(*run.Color));
    if (run.Background)
      style += QStringLiteral("background-color:%1;").arg(HexColour(*run.Background));
    if (!style.isEmpty()) piece = QStringLiteral("<span style=\"%1\">%2</span>").arg(style, piece);
    if (run.Bold) piece = QStringLiteral("<b>%1</b>").arg(piece);
    html += piece;
  }
  return html;
}

TFontParams InstalledMonospaceFont() {
  TFontParams font = ChooseMonospaceFont(
      [](const char* name) { return IsFamilyInstalled(QString::fromLatin1(name)); });
  if (!IsFamilyInstalled(ToQString(font.Name))) font.Name.clear();
  return font;
}

QFont MonospaceQFont(const TFontParams& font) {
  const int size = font.Size > 0 ? font.Size : 9;
  if (!font.Name.empty() && IsFamilyInstalled(ToQString(font.Name))) {
    QFont qfont(ToQString(font.Name), size);
    qfont.setStyleHint(QFont::Monospace);
    return qfont;
  }
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(size);
  return fixed;
}

FormProgress::FormProgress(AppContext& context, AbortController& abort, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_abort(abort),
      m_mainWindow(mainWindow) {
  setObjectName("FormProgress");
  setModal(false);
  setMinimumSize(MinWidth, MinHeight);
  resize(DesignWidth, DesignHeight);
  CreateControls();
  PrepareControls();
  SetLang();
}

void FormProgress::CreateControls() {
  m_me = new QPlainTextEdit(this);
  m_me->setObjectName("me");
  m_me->setReadOnly(true);
  m_me->setFrameShape(QFrame::NoFrame);
  m_me->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_me->setStyleSheet(
      QStringLiteral("QPlainTextEdit#me { background-color: #353535; color: #DAD7CD; "
                     "selection-background-color: #5A6E62; selection-color: #FFFFFF; }"));

  m_actAbort = new QAction(this);
  m_actAbort->setObjectName("actAbort");
  addAction(m_actAbort);
  connect(m_actAbort, &QAction::triggered, this, &FormProgress::actAbortExecute);

  m_tmAbort = new QTimer(this);
  m_tmAbort->setObjectName("tmAbort");
  m_tmAbort->setSingleShot(true);
  m_tmAbort->setTimerType(Qt::PreciseTimer);
  m_tmAbort->setInterval(static_cast<int>(AbortController::GraceTime.count()));
  connect(m_tmAbort, &QTimer::timeout, this, &FormProgress::AbortTimerElapsed);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(CreateTopStrip());
  layout->addWidget(m_me, 1);
  layout->addWidget(CreateBottomStrip());
}

QWidget* FormProgress::CreateTopStrip() {
  QFrame* strip = MakeWindowStrip(this, "pnTop", false);
  m_lblEncoderOutput = new QLabel(strip);
  m_lblEncoderOutput->setObjectName("lblEncoderOutput");
  m_chHideEncoderOutput = new QCheckBox(strip);
  m_chHideEncoderOutput->setObjectName("chHideEncoderOutput");
  m_chCloseAfterConversion = new QCheckBox(strip);
  m_chCloseAfterConversion->setObjectName("chCloseAfterConversion");
  m_chCloseAfterConversion->setChecked(true);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(8, 5, 8, 5);
  row->setSpacing(16);
  row->addWidget(m_lblEncoderOutput);
  row->addStretch(1);
  row->addWidget(m_chHideEncoderOutput);
  row->addWidget(m_chCloseAfterConversion);
  return strip;
}

QWidget* FormProgress::CreateBottomStrip() {
  QFrame* strip = MakeWindowStrip(this, "pnBottom");
  auto makeLabel = [strip](const char* name, bool rich) {
    auto* label = new QLabel(strip);
    label->setObjectName(name);
    label->setTextFormat(rich ? Qt::RichText : Qt::PlainText);
    return label;
  };
  m_lblStatusDesc = makeLabel("lblStatusDesc", false);
  m_lblStatus = makeLabel("lblStatus", true);
  m_lblInputFileDesc = makeLabel("lblInputFileDesc", false);
  m_lblInputFile = makeLabel("lblInputFile", false);
  m_lblOutputFileDesc = makeLabel("lblOutputFileDesc", false);
  m_lblOutputFile = makeLabel("lblOutputFile", true);
  m_lblProgress = makeLabel("lblProgress", false);
  // Long paths are cut at the window's edge instead of widening it.
  for (QLabel* label : {m_lblStatus, m_lblInputFile, m_lblOutputFile}) {
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  m_pbFile = new QProgressBar(strip);
  m_pbFile->setObjectName("pbFile");
  m_pbFile->setRange(0, 100);
  m_pbFile->setTextVisible(true);
  m_btnAbort = new QPushButton(strip);
  m_btnAbort->setObjectName("btnAbort");
  m_btnAbort->setAutoDefault(false);
  m_btnAbort->setMinimumWidth(96);
  connect(m_btnAbort, &QPushButton::clicked, m_actAbort, &QAction::trigger);

  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(8, 6, 8, 8);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  grid->addWidget(m_lblStatusDesc, 0, 0);
  grid->addWidget(m_lblStatus, 0, 1, 1, 2);
  grid->addWidget(m_lblInputFileDesc, 1, 0);
  grid->addWidget(m_lblInputFile, 1, 1, 1, 2);
  grid->addWidget(m_lblOutputFileDesc, 2, 0);
  grid->addWidget(m_lblOutputFile, 2, 1, 1, 2);
  grid->addWidget(m_lblProgress, 3, 0);
  grid->addWidget(m_pbFile, 3, 1);
  grid->addWidget(m_btnAbort, 3, 2);
  grid->setColumnStretch(1, 1);
  return strip;
}

void FormProgress::PrepareControls() {
  m_me->clear();
  m_me->setFont(MonospaceQFont(m_context.AppParams.MonospaceFont));
  m_pbFile->setValue(0);
  m_lblStatus->clear();
  m_lblOutputFile->clear();
  m_lblInputFile->clear();
  m_btnAbort->setFont(font());
}

void FormProgress::LoadSettings(const TSettingsRecord& settings) {
  m_chHideEncoderOutput->setChecked(settings.DontShowEncoderOutput);
  m_chCloseAfterConversion->setChecked(settings.CloseAfterConversion);
  const int width = settings.ProgressWidth > 0 ? settings.ProgressWidth : DesignWidth;
  const int height = settings.ProgressHeight > 0 ? settings.ProgressHeight : DesignHeight;
  resize(std::max(width, MinWidth), std::max(height, MinHeight));
}

void FormProgress::StoreSettings(TSettingsRecord& settings) const {
  settings.HasProgressWindow = true;
  settings.DontShowEncoderOutput = m_chHideEncoderOutput->isChecked();
  settings.CloseAfterConversion = m_chCloseAfterConversion->isChecked();
  settings.ProgressLeft = x();
  settings.ProgressTop = y();
  settings.ProgressWidth = width();
  settings.ProgressHeight = height();
}

void FormProgress::SetLang() {
  const TProgressModuleStrings& strings = m_context.Strings.Progress;
  if (!m_context.ConversionState.Running) setWindowTitle(ToQString(strings.Caption));
  m_lblEncoderOutput->setText(ToQString(strings.lblEncoderOutput));
  m_chHideEncoderOutput->setText(ToQString(strings.chHideEncoderOutput));
  m_chCloseAfterConversion->setText(ToQString(strings.chCloseAfterConversion));
  m_lblStatusDesc->setText(ToQString(strings.lblStatus));
  m_lblInputFileDesc->setText(ToQString(strings.lblInputFile));
  m_lblOutputFileDesc->setText(ToQString(strings.lblOutputFile));
  m_lblProgress->setText(ToQString(strings.lblProgress));
  SetAbortCaption(m_context.ConversionState.Running ? strings.btnAbort
                                                    : m_context.Strings.Main.Close);
}

void FormProgress::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
  activateWindow();
}

void FormProgress::ProcessEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool FormProgress::IsEncoderOutputHidden() const {
  return m_chHideEncoderOutput->isChecked();
}

void FormProgress::SetEncoderOutputHidden(bool hidden) {
  m_chHideEncoderOutput->setChecked(hidden);
}

void FormProgress::SetProgressPosition(int percent) {
  m_pbFile->setValue(std::clamp(percent, 0, 100));
}

void FormProgress::SetStatusText(const std::string& richText) {
  m_lblStatus->setText(RichTextToHtml(richText));
}

void FormProgress::RepaintStatus() {
  m_lblStatus->repaint();
}

void FormProgress::SetAppTitle(const std::string& title) {
  if (m_mainWindow != nullptr) m_mainWindow->setWindowTitle(ToQString(title));
}

void FormProgress::SetProgressCaption(const std::string& caption) {
  setWindowTitle(ToQString(caption));
}

void FormProgress::SetOutputText(const std::string& text) {
  const QString qtext = ToQString(text);
  if (qtext == m_me->toPlainText()) return;
  // Refilling the pane must not throw a reader who scrolled up back to the top.
  QScrollBar* bar = m_me->verticalScrollBar();
  const int position = bar->value();
  m_me->setPlainText(qtext);
  bar->setValue(position);
}

void FormProgress::ScrollOutputToBottom() {
  m_me->moveCursor(QTextCursor::End);
  m_me->verticalScrollBar()->setValue(m_me->verticalScrollBar()->maximum());
}

bool FormProgress::IsCloseAfterConversion() const {
  return m_chCloseAfterConversion->isChecked();
}

void FormProgress::SetCloseAfterConversion(bool on) {
  m_chCloseAfterConversion->setChecked(on);
}

void FormProgress::SetAbortCaption(const std::string& text) {
  m_actAbort->setText(ToQString(text));
  m_btnAbort->setText(ToQString(text));
}

void FormProgress::SetFileProgressVisible(bool visible) {
  m_pbFile->setVisible(visible);
  m_lblProgress->setVisible(visible);
}

void FormProgress::SetInputFileText(const std::string& text) {
  m_lblInputFile->setText(ToQString(text));
  m_lblInputFile->setToolTip(ToQString(text));
}

void FormProgress::SetOutputFileText(const std::string& richText) {
  m_lblOutputFile->setText(RichTextToHtml(richText));
}

void FormProgress::SetStatusColour(std::optional<TColor> colour) {
  m_statusColour = colour;
  ApplyStatusColour();
}

void FormProgress::ApplyStatusColour() {
  QPalette palette = m_lblStatus->palette();
  const QColor colour = m_statusColour
                            ? QColor(m_statusColour->r, m_statusColour->g, m_statusColour->b)
                            : this->palette().color(QPalette::WindowText);
  palette.setColor(QPalette::WindowText, colour);
  m_lblStatus->setPalette(palette);
}

void FormProgress::actAbortExecute() {
  switch (m_abort.Abort()) {
    case TAbortCommandResult::acIgnored:
      return;
    case TAbortCommandResult::acCloseWindow:
      hide();
      return;
    case TAbortCommandResult::acRequested:
      m_tmAbort->start();
      return;
  }
}

void FormProgress::AbortTimerElapsed() {
  m_tmAbort->stop();
  // A timer left from an abort whose run ended cleanly must not mark the
  // next run as timed out (and so get its encoder killed).
  if (m_context.ConversionState.AbortRequested) m_abort.GraceTimeElapsed();
}

void FormProgress::AbortOnClose() {
  if (m_context.ConversionState.Running && ProgressWindowClosed(m_abort)) m_tmAbort->start();
}

void FormProgress::closeEvent(QCloseEvent* event) {
  // QDialog's own handler would go through reject(); the window just hides.
  AbortOnClose();
  event->accept();
}

void FormProgress::reject() {
  AbortOnClose();
  QDialog::reject();
}

QString FormProgress::StatusHtml() const {
  return m_lblStatus->text();
}
QString FormProgress::OutputFileHtml() const {
  return m_lblOutputFile->text();
}
QString FormProgress::InputFileText() const {
  return m_lblInputFile->text();
}
QString FormProgress::OutputText() const {
  return m_me->toPlainText();
}
int FormProgress::ProgressPosition() const {
  return m_pbFile->value();
}
bool FormProgress::IsAbortTimerActive() const {
  return m_tmAbort->isActive();
}

}  // namespace zelmora
