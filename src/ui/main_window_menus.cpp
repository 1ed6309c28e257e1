#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTableView>

#include "filelist/file_list_columns.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"

namespace zelmora {

void MainWindow::ShowGridMenu(const QPoint& position) {
  if (!m_gridMenu) {
    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(QStringLiteral("popFileList"));
    m_gridMenu->addAction(actConvert);
    m_gridMenu->addSeparator();
    m_gridMenu->addActions({actAddFiles, actAddFolder, actRemoveChecked, actClearFileList});
    m_gridMenu->addSeparator();
    m_gridMenu->addActions(
        {actCheckAll, actUncheckAll, actInvertSelection, actCheckSelected, actUncheckSelected});
    m_gridMenu->addSeparator();
    m_gridMenu->addActions({actLoadFileList, actSaveFileList});
    m_gridMenu->addSeparator();
    m_gridMenu->addAction(actShowHideFileInfo);
    m_gridMenu->addSeparator();
    m_gridMenu->addAction(actExploreDirectory);
    m_gridMenu->addSeparator();
    m_popColumns = m_gridMenu->addMenu(ToQString(m_context.Strings.Main.mnuColumns));
    m_popColumns->setObjectName(QStringLiteral("popColumns"));
    m_view->FillColumnsMenu(m_popColumns);
  }
  InitControls();
  m_gridMenu->popup(m_view->Table()->viewport()->mapToGlobal(position));
}

void MainWindow::CreateTrayIcon() {
  m_trayIcon = new QSystemTrayIcon(this);
  m_trayIcon->setObjectName(QStringLiteral("TrayIcon"));
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MediaPlay);
  m_trayIcon->setIcon(icon);
  m_trayIcon->setToolTip(QString::fromLatin1("Zelmora"));
  m_trayMenu = new QMenu(this);
  m_trayMenu->setObjectName(QStringLiteral("popTray"));
  m_trayMenu->addAction(actShowHideMainWindow);
  m_trayMenu->addSeparator();
  m_trayMenu->addAction(actExit);
  m_trayIcon->setContextMenu(m_trayMenu);
  connect(m_trayMenu, &QMenu::aboutToShow, this, &MainWindow::InitControls);
  connect(m_trayIcon, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger && !isVisible()) OnShowHideMainWindow();
          });
}

}  // namespace zelmora
