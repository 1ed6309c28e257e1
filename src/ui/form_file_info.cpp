#include "ui/form_file_info.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

#include "ui/form_errors.h"
#include "ui/form_file_info_rows.h"
#include "ui/info_value_label.h"
#include "ui/qt_text.h"

namespace zelmora {

FormFileInfo::FormFileInfo(AppContext& context, DesktopServices& desktop, Analyzer analyzer,
                           QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_context(context),
      m_desktop(desktop),
      m_analyzer(std::move(analyzer)),
      m_mainWindow(mainWindow) {
  setObjectName(QStringLiteral("FormFileInfo"));
  setModal(false);
  CreateControls();
  // Wider by up to 300 pixels, taller at will, never below the design.
  setMinimumSize(DesignWidth, DesignHeight);
  setMaximumWidth(DesignWidth + MaxExtraWidth);
  resize(DesignWidth, DesignHeight);
  SetLang();
  ClearAll();
}

FormFileInfo::~FormFileInfo() = default;

void FormFileInfo::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->setSpacing(8);
  layout->addWidget(CreateLinks());

  namespace rows = file_info_rows;
  // The general values across the window in two columns; below them the
  // two streams side by side, wide enough for codec names and libraries.
  m_gbGeneralInfo =
      CreatePanel("gbGeneralInfo", rows::General, nullptr, nullptr, m_generalValues, 2);
  layout->addWidget(m_gbGeneralInfo);
  auto* streams = new QHBoxLayout;
  streams->setSpacing(8);
  m_gbVideoStream = CreatePanel("gbVideoStream", rows::Video, "cbVideoStreamNo", &m_cbVideoStreamNo,
                                m_videoValues, 1);
  m_gbAudioStream = CreatePanel("gbAudioStream", rows::Audio, "cbAudioStreamNo", &m_cbAudioStreamNo,
                                m_audioValues, 1);
  for (QGroupBox* panel : {m_gbVideoStream, m_gbAudioStream})
    streams->addWidget(panel, 1, Qt::AlignTop);
  layout->addLayout(streams);
  layout->addWidget(CreateDataStreams(), 1);
  layout->addWidget(CreateButtons());

  m_actEsc = new QAction(this);
  m_actEsc->setObjectName(QStringLiteral("actEsc"));
  m_actEsc->setShortcut(QKeySequence(Qt::Key_Escape));
  m_actEsc->setShortcutContext(Qt::WindowShortcut);
  addAction(m_actEsc);
  connect(m_actEsc, &QAction::triggered, this, &FormFileInfo::actCloseExecute);
}

QWidget* FormFileInfo::CreateLinks() {
  auto* strip = new QWidget(this);
  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(4, 0, 4, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(4);
  auto add = [&](int row, const char* descName, const char* linkName, QLabel*& desc,
                 InfoValueLabel*& link, std::string TFileInfoModuleStrings::*text) {
    desc = new QLabel(strip);
    desc->setObjectName(QString::fromLatin1(descName));
    link = new InfoValueLabel(strip);
    link->setObjectName(QString::fromLatin1(linkName));
    link->MakeLink();
    grid->addWidget(desc, row, 0);
    grid->addWidget(link, row, 1);
    m_captions.push_back({desc, text});
  };
  add(0, "lblFileNameDesc", "lblFileName", m_lblFileNameDesc, m_lblFileName,
      &TFileInfoModuleStrings::lblFileName);
  add(1, "lblDirectoryDesc", "lblDirectory", m_lblDirectoryDesc, m_lblDirectory,
      &TFileInfoModuleStrings::lblDirectory);
  grid->setColumnStretch(1, 1);
  connect(m_lblFileName, &InfoValueLabel::Clicked, this,
          [this] { (void)m_desktop.OpenDocument(m_shown.FileName); });
  connect(m_lblDirectory, &InfoValueLabel::Clicked, this,
          [this] { (void)m_desktop.OpenDocument(ToStdString(m_lblDirectory->text())); });
  return strip;
}

template <typename Rows>
QGroupBox* FormFileInfo::CreatePanel(const char* name, const Rows& rows, const char* chooserName,
                                     QComboBox** chooser, std::vector<InfoValueLabel*>& values,
                                     int columns) {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(8, 6, 8, 8);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(5);
  int first = 0;
  if (chooser != nullptr) {
    *chooser = new QComboBox(panel);
    (*chooser)->setObjectName(QString::fromLatin1(chooserName));
    (*chooser)->setMinimumContentsLength(3);
    connect(*chooser, &QComboBox::currentIndexChanged, this, &FormFileInfo::StreamChosen);
    grid->addWidget(*chooser, first++, 1, Qt::AlignLeft);
  }
  const int perColumn = static_cast<int>((std::size(rows) + columns - 1) / columns);
  int index = 0;
  for (const auto& row : rows) {
    const int line = first + index % perColumn;
    const int column = 2 * (index / perColumn);
    ++index;
    auto* caption = new QLabel(panel);
    caption->setObjectName(QString::fromLatin1(row.Key));
    auto* value = new InfoValueLabel(panel);
    value->setObjectName(QString::fromLatin1(row.Key) + QStringLiteral("Value"));
    if (row.Bold) {
      QFont bold = value->font();
      bold.setBold(true);
      value->setFont(bold);
    }
    grid->addWidget(caption, line, column);
    grid->addWidget(value, line, column + 1);
    m_captions.push_back({caption, row.Caption});
    values.push_back(value);
  }
  for (int column = 0; column < columns; ++column) grid->setColumnStretch(2 * column + 1, 1);
  if (columns > 1) grid->setHorizontalSpacing(12);
  return panel;
}

QWidget* FormFileInfo::CreateDataStreams() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  m_lblDataStreams = new QLabel(box);
  m_lblDataStreams->setObjectName(QStringLiteral("lblDataStreams"));
  QFont bold = m_lblDataStreams->font();
  bold.setBold(true);
  m_lblDataStreams->setFont(bold);
  m_lvDataStreams = new QTreeWidget(box);
  m_lvDataStreams->setObjectName(QStringLiteral("lvDataStreams"));
  m_lvDataStreams->setColumnCount(2);
  m_lvDataStreams->setRootIsDecorated(false);
  m_lvDataStreams->setUniformRowHeights(true);
  m_lvDataStreams->setAlternatingRowColors(true);
  m_lvDataStreams->setSelectionMode(QAbstractItemView::SingleSelection);
  m_lvDataStreams->setTextElideMode(Qt::ElideRight);
  QFont small = m_lvDataStreams->font();
  small.setPointSize(8);
  m_lvDataStreams->setFont(small);
  m_lvDataStreams->header()->setStretchLastSection(true);
  m_lvDataStreams->setColumnWidth(0, 150);
  column->addWidget(m_lblDataStreams);
  column->addWidget(m_lvDataStreams, 1);
  return box;
}

QWidget* FormFileInfo::CreateButtons() {
  auto* strip = new QWidget(this);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  auto make = [this, strip, row](const char* buttonName, const char* actionName, QAction*& action,
                                 void (FormFileInfo::*slot)()) {
    action = new QAction(this);
    action->setObjectName(QString::fromLatin1(actionName));
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
    auto* button = new QPushButton(strip);
    button->setObjectName(QString::fromLatin1(buttonName));
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button,
            [action, button] { button->setEnabled(action->isEnabled()); });
    row->addWidget(button);
    return button;
  };
  m_btnCopy = make("btnCopy", "actCopyToClipboard", m_actCopyToClipboard,
                   &FormFileInfo::actCopyToClipboardExecute);
  m_btnSave = make("btnSave", "actSave", m_actSave, &FormFileInfo::actSaveExecute);
  row->addStretch(1);
  m_btnClose = make("btnClose", "actClose", m_actClose, &FormFileInfo::actCloseExecute);
  return strip;
}

void FormFileInfo::ShowWindow() {
  if (!m_placed) {
    CentreOver(this, m_mainWindow);
    m_placed = true;
  }
  show();
  raise();
}

void FormFileInfo::actCloseExecute() {
  hide();
}

}  // namespace zelmora
