#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

#include "filelist/file_list_columns.h"
#include "filelist/supported_types.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

namespace {

void SetItems(QComboBox* list, std::initializer_list<const std::string*> texts) {
  const int chosen = list->currentIndex();
  int index = 0;
  for (const std::string* text : texts) {
    if (index < list->count())
      list->setItemText(index, ToQString(*text));
    else
      list->addItem(ToQString(*text));
    ++index;
  }
  list->setCurrentIndex(chosen);
}

}  // namespace

void MainWindow::SetLang() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  SetActionCaptions();
  SetBottomBarTexts();
  SetDialogFilters();
  m_panel->SetLang();
  m_fpConversionSettings->setText(ToQString(m_context.Strings.Main.pnConversionSettings));
  m_context.UpdatingControls = previous;
  m_fileList.CalcFooter();
  RefreshGrid();
  SetLangOfWindows();
}

void MainWindow::SetActionCaptions() {
  TAppStrings& strings = m_context.Strings;
  const TMainModuleStrings& m = strings.Main;
  for (QAction* action : findChildren<QAction*>(Qt::FindDirectChildrenOnly)) {
    const std::string name = ToStdString(action->objectName());
    if (const std::string* text = FindAppString(strings, "MAIN", name)) {
      action->setText(ToQString(*text));
      action->setToolTip(ToQString(*text));
    }
  }
  actHelp->setText(ToQString(m.mnuHelp));
  actGoToDonation->setText(ToQString(strings.About.Donation));
  m_view->SetLang();
  for (QMenu* menu : m_menus)
    if (const std::string* text = FindAppString(strings, "MAIN", ToStdString(menu->objectName())))
      menu->setTitle(ToQString(*text));
  m_mnuColumns->setTitle(ToQString(m.mnuColumns));
  if (m_popColumns) m_popColumns->setTitle(ToQString(m.mnuColumns));
  const std::pair<const char*, QAction*> buttons[] = {
      {"btnAdd", actAddFiles},          {"btnAddFolder", actAddFolder},
      {"btnRemove", actRemoveChecked},  {"btnConvert", actConvert},
      {"btnOptions", actShowOptions},   {"btnFileInfo", actShowHideFileInfo},
      {"btnHomePage", actGoToHomePage}, {"btnStayOnTop", actStayOnTop}};
  for (const auto& [name, action] : buttons) {
    auto* button = m_toolBar->findChild<QToolButton*>(QString::fromLatin1(name));
    const std::string* text = FindAppString(strings, "MAIN", name);
    if (!button || !text) continue;
    button->setText(ToQString(*text));
    button->setToolTip(action->text());
  }
  m_btnStayOnTop->setText(QString());
}

void MainWindow::SetBottomBarTexts() {
  const TMainModuleStrings& m = m_context.Strings.Main;
  m_lblIfOutputExists->setText(ToQString(m.lblIfOutputExists));
  m_lblAfterConversion->setText(ToQString(m.lblAfterConversion));
  m_chKeepDates->setText(ToQString(m.chKeepDates));
  m_chKeepDates->setToolTip(ToQString(m.KeepDates));
  m_gbOutputDir->setTitle(ToQString(m.gbOutputDir));
  m_rbOutDirIsInDir->setText(ToQString(m.rbOutDirIsInDir));
  m_btnBrowseOutDir->setText(ToQString(m.actBrowseOutDir));
  m_btnExploreOutDir->setText(ToQString(m.actExploreOutDir));
  SetItems(m_cbOutputExists,
           {&m.cbOutputExists_Rename, &m.cbOutputExists_Overwrite, &m.cbOutputExists_Skip});
  SetItems(m_cbAfterConversion,
           {&m.cbAfterConversion_DoNothing, &m.cbAfterConversion_CloseApplication,
            &m.cbAfterConversion_CloseWindows});
}

void MainWindow::SetDialogFilters() {
  const TAppStrings& strings = m_context.Strings;
  const TMainModuleStrings& m = strings.Main;
  m_profileSaveFilter = ToQString(m.dlgSaveProfile_Filter + "|*.ini");
  m_profileOpenFilter = ToQString(m.dlgOpenProfile_Filter + "|*.ini");
  m_listOpenFilter = ToQString(OpenFileListDialogFilter(strings));
  m_listSaveFilter = ToQString(SaveFileListDialogFilter(strings));
  m_batFilter = ToQString(m.dlgSaveBAT_Filter + "|*.sh");
  m_addFilesFilter = ToQString(AddFilesDialogFilter(strings));
}

}  // namespace zelmora
