#include "ui/form_options.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/form_errors.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

FormOptions::FormOptions(AppContext& context, OptionsWindowLinks links, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_links(std::move(links)),
      m_mainWindow(mainWindow) {
  setObjectName("FormOptions");
  setModal(false);
  CreateControls();
  SetLang();
  FillLanguageList();
  InitControls();
  ConnectHandlers();
}

void FormOptions::CreateControls() {
  auto* columns = new QHBoxLayout;
  columns->setContentsMargins(10, 10, 10, 10);
  columns->setSpacing(12);
  columns->addWidget(CreateFileListPanel(), 3);
  columns->addWidget(CreateRightColumn(), 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(columns, 1);
  layout->addWidget(CreateBottomStrip());

  m_actClose = Named(new QAction(this), "actClose");
  m_actClose->setShortcut(m_links.CloseShortcut);
  m_actClose->setShortcutContext(Qt::WindowShortcut);
  addAction(m_actClose);
  connect(m_actClose, &QAction::triggered, this, &FormOptions::actCloseExecute);
  m_actEsc = Named(new QAction(this), "actEsc");
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  m_actEsc->setShortcutContext(Qt::WindowShortcut);
  addAction(m_actEsc);
  connect(m_actEsc, &QAction::triggered, this, &FormOptions::actCloseExecute);
}

QWidget* FormOptions::CreateFileListPanel() {
  m_pnFileList = Named(new QGroupBox(this), "pnFileList");
  m_lblFileListFontName = Named(new QLabel(m_pnFileList), "lblFileListFontName");
  m_cbFileListFont = Named(new QComboBox(m_pnFileList), "cbFileListFont");
  m_cbFileListFont->addItems(QFontDatabase::families());
  m_cbFileListFont->setMaxVisibleItems(20);
  // A long family name must not widen the window.
  m_cbFileListFont->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_cbFileListFont->setMinimumContentsLength(18);
  m_lblFileListFontSize = Named(new QLabel(m_pnFileList), "lblFileListFontSize");
  m_edFileListFontSize = Named(new QSpinBox(m_pnFileList), "edFileListFontSize");
  m_edFileListFontSize->setRange(6, 20);
  m_lblFileListRowHeight = Named(new QLabel(m_pnFileList), "lblFileListRowHeight");
  m_edFileListRowHeight = Named(new QSpinBox(m_pnFileList), "edFileListRowHeight");
  m_edFileListRowHeight->setRange(12, 50);
  auto check = [this](const char* name) { return Named(new QCheckBox(m_pnFileList), name); };
  m_chFileListAllowRowMoving = check("chFileListAllowRowMoving");
  m_chFileListAllowColumnMoving = check("chFileListAllowColumnMoving");
  m_chFileListGridLines = check("chFileListGridLines");
  m_chFileListFooter = check("chFileListFooter");
  m_chFileListRowIndicator = check("chFileListRowIndicator");
  m_chFileListIconClickOpen = check("chFileListIconClickOpen");
  m_lblFileAnalysis = Named(new QLabel(m_pnFileList), "lblFileAnalysis");
  m_cbFileListFileAnalysis = Named(new QComboBox(m_pnFileList), "cbFileListFileAnalysis");
  for (int i = 0; i < 3; ++i) m_cbFileListFileAnalysis->addItem(QString());

  auto* grid = new QGridLayout(m_pnFileList);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(5);
  grid->addWidget(m_lblFileListFontName, 0, 0);
  grid->addWidget(m_cbFileListFont, 0, 1);
  grid->addWidget(m_lblFileListFontSize, 1, 0);
  grid->addWidget(m_edFileListFontSize, 1, 1, Qt::AlignLeft);
  grid->addWidget(m_lblFileListRowHeight, 2, 0);
  grid->addWidget(m_edFileListRowHeight, 2, 1, Qt::AlignLeft);
  int row = 3;
  for (QCheckBox* box :
       {m_chFileListAllowRowMoving, m_chFileListAllowColumnMoving, m_chFileListGridLines,
        m_chFileListFooter, m_chFileListRowIndicator, m_chFileListIconClickOpen})
    grid->addWidget(box, row++, 0, 1, 2);
  grid->addWidget(m_lblFileAnalysis, row, 0);
  grid->addWidget(m_cbFileListFileAnalysis, row, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(row + 1, 1);
  for (QSpinBox* spin : {m_edFileListFontSize, m_edFileListRowHeight}) spin->setMinimumWidth(70);
  m_cbFileListFileAnalysis->setMinimumWidth(120);
  return m_pnFileList;
}

QWidget* FormOptions::CreateRightColumn() {
  auto* column = new QWidget(this);
  m_gbLanguage = Named(new QGroupBox(column), "gbLanguage");
  m_cbLanguage = Named(new QComboBox(m_gbLanguage), "cbLanguage");
  // The design item, kept when there is no language folder.
  m_cbLanguage->addItem(QStringLiteral("English"));
  auto* languageBox = new QVBoxLayout(m_gbLanguage);
  languageBox->addWidget(m_cbLanguage);

  m_lblDefaultVideoCodec = Named(new QLabel(column), "lblDefaultVideoCodec");
  m_cbDefaultVideoCodec = Named(new QComboBox(column), "cbDefaultVideoCodec");
  // Codec names, the same in every language.
  m_cbDefaultVideoCodec->addItems({QStringLiteral("H.264"), QStringLiteral("Xvid")});
  m_btnCreateShortcutOnDesktop = Named(new QPushButton(column), "btnCreateShortcutOnDesktop");
  m_btnCreateShortcutOnDesktop->setAutoDefault(false);
  // Never narrower than its caption, in any language.
  m_btnCreateShortcutOnDesktop->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);

  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(5);
  layout->addWidget(m_gbLanguage);
  layout->addSpacing(8);
  layout->addWidget(m_lblDefaultVideoCodec);
  layout->addWidget(m_cbDefaultVideoCodec);
  layout->addSpacing(12);
  layout->addWidget(m_btnCreateShortcutOnDesktop);
  layout->addStretch(1);
  return column;
}

QWidget* FormOptions::CreateBottomStrip() {
  auto* strip = Named(new QFrame(this), "pnBottom");
  strip->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(8, 6, 8, 6);
  row->addStretch(1);
  m_btnClose = Named(new QPushButton(strip), "btnClose");
  m_btnClose->setAutoDefault(false);
  m_btnClose->setMinimumWidth(96);
  connect(m_btnClose, &QPushButton::clicked, this, &FormOptions::actCloseExecute);
  row->addWidget(m_btnClose);
  return strip;
}

void FormOptions::SetLang() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  const TOptionsModuleStrings& s = m_context.Strings.Options;
  setWindowTitle(ToQString(s.Caption));
  m_pnFileList->setTitle(ToQString(s.pnFileList));
  m_lblFileListFontName->setText(ToQString(s.lblFileListFontName));
  m_lblFileListFontSize->setText(ToQString(s.lblFileListFontSize));
  m_lblFileListRowHeight->setText(ToQString(s.lblFileListRowHeight));
  m_chFileListAllowRowMoving->setText(ToQString(s.chFileListAllowRowMoving));
  m_chFileListAllowColumnMoving->setText(ToQString(s.chFileListAllowColumnMoving));
  m_chFileListGridLines->setText(ToQString(s.chFileListGridLines));
  m_chFileListFooter->setText(ToQString(s.chFileListFooter));
  m_chFileListRowIndicator->setText(ToQString(s.chFileListRowIndicator));
  m_chFileListIconClickOpen->setText(ToQString(s.chFileListIconClickOpen));
  m_lblFileAnalysis->setText(ToQString(s.lblFileAnalysis));
  m_gbLanguage->setTitle(ToQString(s.gbLanguage));
  m_lblDefaultVideoCodec->setText(ToQString(s.lblDefaultVideoCodec));
  m_btnCreateShortcutOnDesktop->setText(ToQString(s.btnCreateShortcutOnDesktop));
  m_btnClose->setText(ToQString(m_context.Strings.Main.Close));
  // Replaced in place, so the chosen depth stays chosen.
  const int chosen = m_cbFileListFileAnalysis->currentIndex();
  m_cbFileListFileAnalysis->setItemText(0, ToQString(s.FileAnalysis_Full));
  m_cbFileListFileAnalysis->setItemText(1, ToQString(s.FileAnalysis_Quick));
  m_cbFileListFileAnalysis->setItemText(2, ToQString(s.FileAnalysis_None));
  m_cbFileListFileAnalysis->setCurrentIndex(chosen);
  m_context.UpdatingControls = previous;
  FitToTexts();
}

// The window keeps its design size and cannot be resized; only a
// translation too long for it makes it as large as its texts need.
void FormOptions::FitToTexts() {
  // New captions have only marked the inner layouts; measure afresh.
  for (QLayout* inner : findChildren<QLayout*>()) inner->invalidate();
  layout()->invalidate();
  const QSize needed = layout()->totalMinimumSize();
  setFixedSize(std::max(DesignWidth, needed.width()), std::max(DesignHeight, needed.height()));
}

void FormOptions::ShowCentred() {
  CentreOver(this, m_mainWindow);
  show();
  raise();
  activateWindow();
}

void FormOptions::actCloseExecute() {
  hide();
}

void FormOptions::showEvent(QShowEvent* event) {
  InitControls();
  QDialog::showEvent(event);
}

// Each activation reloads the controls, so the window always shows the
// grid's and the settings' state, whatever changed them meanwhile.
void FormOptions::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) InitControls();
  QDialog::changeEvent(event);
}

}  // namespace zelmora
