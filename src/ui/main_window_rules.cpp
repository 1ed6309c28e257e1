#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include "filelist/explore_directory.h"
#include "filelist/file_list_actions.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

void MainWindow::InitControls() {
  // During a run every action stays off; EnableAll runs the rules after it.
  if (m_conversionRunning) return;
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  ApplyListRules();
  const TMainModuleStrings& m = m_context.Strings.Main;
  actShowHideMainWindow->setText(
      ToQString(isVisible() ? m.actMinimizeToTray : m.actShowMainWindow));
  m_panel->InitControls();
  ApplyOutputRules();
  m_fileList.CalcFooter();
  m_context.UpdatingControls = previous;
}

void MainWindow::ApplyListRules() {
  const TListActionStates states = ListActionStates(m_fileList.GetGridInfo());
  actCheckAll->setEnabled(states.actCheckAll);
  actUncheckAll->setEnabled(states.actUncheckAll);
  actInvertSelection->setEnabled(states.actInvertSelection);
  actCheckSelected->setEnabled(states.actCheckSelected);
  actUncheckSelected->setEnabled(states.actUncheckSelected);
  actRemoveChecked->setEnabled(states.actRemoveChecked);
  actClearFileList->setEnabled(states.actClearFileList);
  actSaveFileList->setEnabled(states.actSaveFileList);
  actShowHideFileInfo->setEnabled(states.actShowHideFileInfo);
  actConvert->setEnabled(states.actConvert);
  actSaveBAT->setEnabled(states.actSaveBAT);
  // While files are being added the window serves events; nothing may start
  // a child then (the analysis of the files being added runs one).
  for (QAction* action : {actConvert, actSaveBAT, actShowHideFileInfo, actShowCmdLine, actAddFiles,
                          actAddFolder, actLoadFileList})
    if (m_addingFiles) action->setEnabled(false);
  if (!m_addingFiles) {
    actShowCmdLine->setEnabled(true);
    actAddFiles->setEnabled(true);
    actAddFolder->setEnabled(true);
    actLoadFileList->setEnabled(true);
  }
  const int row = m_fileList.CurrentRow();
  const QString caption = ToQString(ExploreDirectoryCaption(m_context.Strings, m_fileList, row));
  actExploreDirectory->setText(caption);
  actExploreDirectory->setToolTip(caption);
  actExploreDirectory->setEnabled(m_fileList.IsValidRowIndex(row));
}

void MainWindow::ApplyOutputRules() {
  const bool explicitFolder = m_rbOutDir->isChecked();
  m_edOutDir->setEnabled(explicitFolder);
  actBrowseOutDir->setEnabled(explicitFolder);
  actExploreOutDir->setEnabled(explicitFolder);
  m_btnBrowseOutDir->setEnabled(explicitFolder);
  m_btnExploreOutDir->setEnabled(explicitFolder);
}

void MainWindow::DisableAll() {
  m_conversionRunning = true;
  m_toolBar->setEnabled(false);
  m_grid->setEnabled(false);
  m_bottomBar->setEnabled(false);
  m_panel->SetPanelsEnabled(false);
  for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    action->setEnabled(false);
}

void MainWindow::EnableAll() {
  m_conversionRunning = false;
  m_toolBar->setEnabled(true);
  m_grid->setEnabled(true);
  m_bottomBar->setEnabled(true);
  m_panel->SetPanelsEnabled(true);
  for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly))
    action->setEnabled(true);
  actEsc->setEnabled(m_record.EscExit);
  InitControls();
}

}  // namespace zelmora
