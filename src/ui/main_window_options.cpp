#include <QAction>

#include "ui/form_about.h"
#include "ui/form_options.h"
#include "ui/main_window.h"

namespace zelmora {

// The options window and the about window.

void MainWindow::CreateOptionWindows() {
  m_context.AppParams.LnkShortName = DesktopLauncherFileName;
  m_about = new FormAbout(m_context, *m_options.Desktop, actAbout->shortcut(), this);
  OptionsWindowLinks links{*m_view,
                           m_record,
                           m_langList,
                           *m_options.Desktop,
                           m_options.AppDir,
                           [this] { SetLang(); },
                           actShowOptions->shortcut()};
  m_optionsForm = new FormOptions(m_context, std::move(links), this);
  AddCompanionWindow(m_optionsForm);
  AddCompanionWindow(m_about);
  // A column shown or hidden from the grid's menus is part of what the
  // open window shows.
  connect(m_view, &FileListView::ColumnVisibilityChanged, m_optionsForm, [this] {
    if (m_optionsForm->isVisible()) m_optionsForm->InitControls();
  });
}

void MainWindow::SetLangOptionWindows() {
  if (m_optionsForm) m_optionsForm->SetLang();
  if (m_about) m_about->SetLang();
}

void MainWindow::OnShowOptions() {
  m_optionsForm->ShowCentred();
}

void MainWindow::OnAbout() {
  m_about->ShowCentred();
}

}  // namespace zelmora
