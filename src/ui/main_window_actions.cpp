#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QToolBar>
#include <QToolButton>

#include "filelist/file_list_columns.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

QKeySequence Keys(const char* text) {
  return text ? QKeySequence(QString::fromLatin1(text)) : QKeySequence();
}

}  // namespace

QAction* MainWindow::MakeAction(const char* name, const QKeySequence& shortcut,
                                void (MainWindow::*slot)()) {
  auto* action = new QAction(this);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, slot);
  addAction(action);  // shortcuts work while the menu bar is hidden too
  return action;
}

void MainWindow::CreateActions() {
  struct Row {
    QAction* MainWindow::*member;
    const char* name;
    const char* keys;
    void (MainWindow::*slot)();
  };
  static const Row rows[] = {
      {&MainWindow::actConvert, "actConvert", "Ctrl+E", &MainWindow::OnConvert},
      {&MainWindow::actSaveBAT, "actSaveBAT", nullptr, &MainWindow::OnSaveBAT},
      {&MainWindow::actShowOptions, "actShowOptions", "F12", &MainWindow::OnShowOptions},
      {&MainWindow::actStayOnTop, "actStayOnTop", nullptr, &MainWindow::OnStayOnTop},
      {&MainWindow::actMinimizeToTray, "actMinimizeToTray", "Ctrl+Shift+M",
       &MainWindow::OnMinimizeToTray},
      {&MainWindow::actExit, "actExit", nullptr, &MainWindow::OnExit},
      {&MainWindow::actShowProgressWindow, "actShowProgressWindow", "F8",
       &MainWindow::OnShowProgressWindow},
      {&MainWindow::actShowHideFileInfo, "actShowHideFileInfo", "F10",
       &MainWindow::OnShowHideFileInfo},
      {&MainWindow::actShowHideFormErrors, "actShowHideFormErrors", "F11",
       &MainWindow::OnShowHideFormErrors},
      {&MainWindow::actAddFiles, "actAddFiles", "Ctrl+O", &MainWindow::OnAddFiles},
      {&MainWindow::actAddFolder, "actAddFolder", "Ctrl+F", &MainWindow::OnAddFolder},
      {&MainWindow::actRemoveChecked, "actRemoveChecked", nullptr, &MainWindow::OnRemoveChecked},
      {&MainWindow::actClearFileList, "actClearFileList", nullptr, &MainWindow::OnClearFileList},
      {&MainWindow::actCheckAll, "actCheckAll", "Ctrl+A", &MainWindow::OnCheckAll},
      {&MainWindow::actUncheckAll, "actUncheckAll", nullptr, &MainWindow::OnUncheckAll},
      {&MainWindow::actInvertSelection, "actInvertSelection", "Ctrl+I",
       &MainWindow::OnInvertSelection},
      {&MainWindow::actCheckSelected, "actCheckSelected", nullptr, &MainWindow::OnCheckSelected},
      {&MainWindow::actUncheckSelected, "actUncheckSelected", nullptr,
       &MainWindow::OnUncheckSelected},
      {&MainWindow::actLoadFileList, "actLoadFileList", "Ctrl+Shift+O",
       &MainWindow::OnLoadFileList},
      {&MainWindow::actSaveFileList, "actSaveFileList", "Ctrl+Shift+S",
       &MainWindow::OnSaveFileList},
      {&MainWindow::actExploreDirectory, "actExploreDirectory", nullptr,
       &MainWindow::OnExploreDirectory},
      {&MainWindow::actLoadProfile, "actLoadProfile", "Ctrl+P", &MainWindow::OnLoadProfile},
      {&MainWindow::actSaveProfile, "actSaveProfile", "Ctrl+S", &MainWindow::OnSaveProfile},
      {&MainWindow::actSetDefaultEncoderSettings, "actSetDefaultEncoderSettings", nullptr,
       &MainWindow::OnSetDefaultEncoderSettings},
      {&MainWindow::actShowCmdLine, "actShowCmdLine", "F2", &MainWindow::OnShowCmdLine},
      {&MainWindow::actToolsInfo, "actToolsInfo", "Ctrl+Shift+I", &MainWindow::OnToolsInfo},
      {&MainWindow::actHelp, "actHelp", "F1", &MainWindow::OnHelp},
      {&MainWindow::actGoToHomePage, "actGoToHomePage", nullptr, &MainWindow::OnGoToHomePage},
      {&MainWindow::actGoToDonation, "actGoToDonation", nullptr, &MainWindow::OnGoToDonation},
      {&MainWindow::actGoToFacebook, "actGoToFacebook", nullptr, &MainWindow::OnGoToFacebook},
      {&MainWindow::actGoToTwitter, "actGoToTwitter", nullptr, &MainWindow::OnGoToTwitter},
      {&MainWindow::actCheckUpdate, "actCheckUpdate", "Ctrl+Shift+U", &MainWindow::OnCheckUpdate},
      {&MainWindow::actAbout, "actAbout", "Ctrl+Shift+F1", &MainWindow::OnAbout},
      {&MainWindow::actBrowseOutDir, "actBrowseOutDir", nullptr, &MainWindow::OnBrowseOutDir},
      {&MainWindow::actExploreOutDir, "actExploreOutDir", nullptr, &MainWindow::OnExploreOutDir},
      {&MainWindow::actShowHideMainWindow, "actShowHideMainWindow", nullptr,
       &MainWindow::OnShowHideMainWindow},
      {&MainWindow::actLoadSelectedProfile, "actLoadSelectedProfile", nullptr,
       &MainWindow::OnLoadSelectedProfile},
      {&MainWindow::actEsc, "actEsc", "Esc", &MainWindow::OnEsc},
  };
  for (const Row& row : rows) this->*row.member = MakeAction(row.name, Keys(row.keys), row.slot);
  actStayOnTop->setCheckable(true);
  actEsc->setEnabled(false);
  actGoToFacebook->setText(QStringLiteral("Facebook"));
  actGoToTwitter->setText(QStringLiteral("Twitter"));
  QStyle* s = style();
  actAddFiles->setIcon(s->standardIcon(QStyle::SP_FileDialogNewFolder));
  actAddFolder->setIcon(s->standardIcon(QStyle::SP_DirOpenIcon));
  actRemoveChecked->setIcon(s->standardIcon(QStyle::SP_TrashIcon));
  actConvert->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
  actShowHideFileInfo->setIcon(s->standardIcon(QStyle::SP_FileDialogInfoView));
  actShowOptions->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  actGoToHomePage->setIcon(s->standardIcon(QStyle::SP_DirHomeIcon));
  actStayOnTop->setIcon(s->standardIcon(QStyle::SP_TitleBarShadeButton));
  BuildToolBar();
}

void MainWindow::BuildToolBar() {
  m_toolBar = new QToolBar(this);
  m_toolBar->setObjectName(QStringLiteral("tbMain"));
  m_toolBar->setMovable(false);
  m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  m_toolBar->setIconSize(QSize(24, 24));
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  // The buttons have captions of their own (shorter than the actions'), so
  // each is a button that triggers its action and follows its enabled state.
  auto addButton = [this](QAction* action, const char* name) {
    auto* button = new QToolButton(m_toolBar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(action->icon());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setCheckable(action->isCheckable());
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] {
      button->setEnabled(action->isEnabled());
      button->setChecked(action->isChecked());
    });
    m_toolBar->addWidget(button);
    return button;
  };
  addButton(actAddFiles, "btnAdd");
  addButton(actAddFolder, "btnAddFolder");
  addButton(actRemoveChecked, "btnRemove");
  m_toolBar->addSeparator();
  addButton(actConvert, "btnConvert");
  m_toolBar->addSeparator();
  addButton(actShowHideFileInfo, "btnFileInfo");
  addButton(actShowOptions, "btnOptions");
  m_toolBar->addSeparator();
  addButton(actGoToHomePage, "btnHomePage");
  m_toolBar->addSeparator();
  m_btnStayOnTop = addButton(actStayOnTop, "btnStayOnTop");
  m_btnStayOnTop->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [this, bar](const char* name) {
    QMenu* m = bar->addMenu(QString());
    m->setObjectName(QString::fromLatin1(name));
    m_menus.push_back(m);
    return m;
  };
  QMenu* file = menu("mnuFile");
  file->addActions({actConvert});
  file->addSeparator();
  file->addAction(actSaveBAT);
  file->addSeparator();
  file->addActions({actShowOptions, actStayOnTop});
  file->addSeparator();
  file->addActions({actMinimizeToTray, actExit});
  QMenu* view = menu("mnuView");
  view->addActions({actShowProgressWindow, actShowHideFileInfo});
  view->addSeparator();
  view->addAction(actShowHideFormErrors);
  m_mnuColumns = view->addMenu(QString());
  m_mnuColumns->setObjectName(QStringLiteral("mnuColumns"));
  m_view->FillColumnsMenu(m_mnuColumns);
  QMenu* list = menu("mnuFileList");
  list->addActions({actAddFiles, actAddFolder, actRemoveChecked, actClearFileList});
  list->addSeparator();
  list->addActions(
      {actCheckAll, actUncheckAll, actInvertSelection, actCheckSelected, actUncheckSelected});
  list->addSeparator();
  list->addActions({actLoadFileList, actSaveFileList});
  list->addSeparator();
  list->addAction(actExploreDirectory);
  connect(list, &QMenu::aboutToShow, this, &MainWindow::InitControls);
  QMenu* encoder = menu("mnuEncoder");
  encoder->addActions({actLoadProfile, actSaveProfile});
  encoder->addSeparator();
  encoder->addAction(actSetDefaultEncoderSettings);
  encoder->addSeparator();
  encoder->addAction(actShowCmdLine);
  encoder->addSeparator();
  encoder->addAction(actToolsInfo);
  QMenu* help = menu("mnuHelp");
  help->addAction(actHelp);
  help->addSeparator();
  help->addActions({actGoToHomePage, actGoToDonation, actGoToFacebook, actGoToTwitter});
  help->addSeparator();
  help->addAction(actCheckUpdate);
  help->addSeparator();
  help->addAction(actAbout);
}

}  // namespace zelmora
