#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/main_window.h"
#include "ui/profile_selector.h"
#include "ui/settings_panel.h"
#include "ui/settings_panel_widgets.h"

namespace zelmora {

namespace {

constexpr int BottomBarHeight = 82;
constexpr int ConversionSettingsHeight = 302;

}  // namespace

void MainWindow::BuildLayout() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("pnMain"));
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_gridHolder = new QWidget(central);
  m_gridHolder->setObjectName(QStringLiteral("pnFileList"));
  auto* gridLayout = new QVBoxLayout(m_gridHolder);
  gridLayout->setContentsMargins(0, 0, 0, 0);
  CreateGrid();
  layout->addWidget(m_gridHolder, 1);
  layout->addWidget(BuildBottomBar());
  layout->addWidget(BuildConversionSettings());
  setCentralWidget(central);
}

void MainWindow::CreateGrid() {
  m_view = new FileListView(m_context, m_fileList, *m_options.Desktop, m_gridHolder);
  m_grid = m_view;
  m_listEvents.SetView(m_view);
  QWidget* table = m_view->Table();
  table->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(table, &QWidget::customContextMenuRequested, this, &MainWindow::ShowGridMenu);
  connect(m_view, &FileListView::CurrentRowChanged, this, [this] {
    UpdateAudioTrackList();
    InitControls();
    FollowGridSelection();
  });
  connect(m_view, &FileListView::UserChangedList, this, &MainWindow::InitControls);
  connect(m_view, &FileListView::FilesDropped, this,
          [this](const std::vector<std::string>& paths) { HandleDroppedNames(paths); });
  m_gridHolder->layout()->addWidget(m_view);
}

QWidget* MainWindow::BuildBottomBar() {
  m_bottomBar = MakeNamed<QWidget>(this, "pnBottom");
  m_bottomBar->setFixedHeight(BottomBarHeight);
  auto* grid = new QGridLayout(m_bottomBar);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  m_lblIfOutputExists = MakeNamed<QLabel>(m_bottomBar, "lblIfOutputExists");
  m_cbOutputExists = MakeList(m_bottomBar, "cbOutputExists", false);
  m_lblAfterConversion = MakeNamed<QLabel>(m_bottomBar, "lblAfterConversion");
  m_cbAfterConversion = MakeList(m_bottomBar, "cbAfterConversion", false);
  m_chKeepDates = MakeNamed<QCheckBox>(m_bottomBar, "chKeepDates");
  for (QComboBox* list : {m_cbOutputExists, m_cbAfterConversion})
    list->setMinimumContentsLength(14);
  grid->addWidget(m_lblIfOutputExists, 0, 0);
  grid->addWidget(m_cbOutputExists, 0, 1);
  grid->addWidget(m_lblAfterConversion, 1, 0);
  grid->addWidget(m_cbAfterConversion, 1, 1);
  grid->addWidget(m_chKeepDates, 2, 0, 1, 2);
  grid->addWidget(BuildOutputDirGroup(m_bottomBar), 0, 2, 3, 1);
  grid->setColumnStretch(2, 1);
  connect(m_chKeepDates, &QCheckBox::toggled, this, [this](bool checked) {
    if (!m_context.UpdatingControls) m_context.AppParams.KeepFileDates = checked;
  });
  return m_bottomBar;
}

QWidget* MainWindow::BuildOutputDirGroup(QWidget* parent) {
  m_gbOutputDir = MakeNamed<QGroupBox>(parent, "gbOutputDir");
  auto* grid = new QGridLayout(m_gbOutputDir);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setVerticalSpacing(2);
  m_rbOutDirIsInDir = MakeNamed<QRadioButton>(m_gbOutputDir, "rbOutDirIsInDir");
  m_rbOutDir = MakeNamed<QRadioButton>(m_gbOutputDir, "rbOutDir");
  m_edOutDir = MakeNamed<QLineEdit>(m_gbOutputDir, "edOutDir");
  m_btnBrowseOutDir = MakeNamed<QPushButton>(m_gbOutputDir, "btnBrowseOutDir");
  m_btnExploreOutDir = MakeNamed<QPushButton>(m_gbOutputDir, "btnExploreOutDir");
  for (QPushButton* button : {m_btnBrowseOutDir, m_btnExploreOutDir}) button->setAutoDefault(false);
  m_rbOutDirIsInDir->setChecked(true);
  grid->addWidget(m_rbOutDirIsInDir, 0, 0, 1, 4);
  grid->addWidget(m_rbOutDir, 1, 0);
  grid->addWidget(m_edOutDir, 1, 1);
  grid->addWidget(m_btnBrowseOutDir, 1, 2);
  grid->addWidget(m_btnExploreOutDir, 1, 3);
  grid->setColumnStretch(1, 1);
  for (QRadioButton* radio : {m_rbOutDirIsInDir, m_rbOutDir})
    connect(radio, &QRadioButton::clicked, this, &MainWindow::InitControls);
  return m_gbOutputDir;
}

QWidget* MainWindow::BuildConversionSettings() {
  auto* box = MakeNamed<QWidget>(this, "fpConversionSettingsBox");
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  m_fpConversionSettings = MakeNamed<QToolButton>(box, "fpConversionSettings");
  m_fpConversionSettings->setCheckable(true);
  m_fpConversionSettings->setChecked(true);
  m_fpConversionSettings->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  m_fpConversionSettings->setArrowType(Qt::DownArrow);
  m_fpConversionSettings->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  m_fpConversionSettings->setStyleSheet(QStringLiteral(
      "QToolButton { border: none; border-top: 1px solid #b8c8bd; background: #cfe0d4;"
      " font-weight: bold; padding: 3px 6px; text-align: left; }"));
  m_panel = new SettingsPanel(m_context, m_settings, box);
  m_conversionSettingsBody = m_panel;
  const int header = m_fpConversionSettings->sizeHint().height();
  m_panel->setFixedHeight(ConversionSettingsHeight - header);
  layout->addWidget(m_fpConversionSettings);
  layout->addWidget(m_panel);
  connect(m_fpConversionSettings, &QToolButton::toggled, this,
          &MainWindow::SetConversionSettingsExpanded);
  connect(m_panel, &SettingsPanel::SettingsChanged, this, [this](bool rulesNeeded) {
    if (rulesNeeded) InitControls();
  });
  connect(m_panel, &SettingsPanel::InfoAudioBitratesClicked, this,
          &MainWindow::OnInfoAudioBitrates);
  connect(m_panel, &SettingsPanel::InfoFourccClicked, this, &MainWindow::OnInfoFourcc);
  connect(m_panel, &SettingsPanel::FFParamsClicked, this, &MainWindow::OnFFParams);
  connect(m_panel->Selector(), &QComboBox::currentIndexChanged, this, [this] {
    if (!m_context.UpdatingControls && actLoadSelectedProfile->isEnabled())
      actLoadSelectedProfile->trigger();
  });
  connect(m_panel->LoadSelectedButton(), &QPushButton::clicked, this,
          [this] { actLoadSelectedProfile->trigger(); });
  return box;
}

void MainWindow::SetConversionSettingsExpanded(bool expanded) {
  m_fpConversionSettings->setChecked(expanded);
  m_fpConversionSettings->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
  m_conversionSettingsBody->setVisible(expanded);
}

bool MainWindow::ConversionSettingsExpanded() const {
  return m_fpConversionSettings->isChecked();
}

}  // namespace zelmora
