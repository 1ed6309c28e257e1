#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/file_list_view.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

// The settings file exchanges the window state as a plain record: filled
// from the controls before a save, applied to them after a load.

namespace {

// An index the list lacks shows the first item, which is also what the run
// would do with it. So "Close Windows" (which the list gets only with the
// language, after the settings are read) never comes back by itself at the
// next start: powering off is chosen anew each session.
void SetListIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

}  // namespace

void MainWindow::GatherSettingsRecord() {
  TSettingsRecord& r = m_record;
  r.Maximized = isMaximized();
  if (!r.Maximized) {
    const QRect normal = isVisible() ? normalGeometry() : geometry();
    r.Left = normal.x();
    r.Top = normal.y();
    r.Width = normal.width();
    r.Height = normal.height();
  }
  // What the lists show is what the run does.
  r.Output.OutputExists = m_cbOutputExists->currentIndex();
  r.Output.AfterConversion = m_cbAfterConversion->currentIndex();
  r.Output.OutIn = m_rbOutDirIsInDir->isChecked();
  r.Output.OutDir = ToStdString(m_edOutDir->text());
  r.Output.KeepFileDates = m_chKeepDates->isChecked();
  r.OutputFormat = m_settings.OutputFormat;
  r.ConversionSettingsExpanded = ConversionSettingsExpanded();
  m_view->StoreColumns(r);
}

void MainWindow::ApplySettingsRecord() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  const TSettingsRecord& r = m_record;
  setGeometry(r.Left, r.Top, std::max(r.Width, MinMainWindowWidth),
              std::max(r.Height, MinMainWindowHeight));
  if (r.Maximized) setWindowState(windowState() | Qt::WindowMaximized);
  SetListIndex(m_cbOutputExists, r.Output.OutputExists);
  SetListIndex(m_cbAfterConversion, r.Output.AfterConversion);
  m_rbOutDirIsInDir->setChecked(r.Output.OutIn);
  m_rbOutDir->setChecked(!r.Output.OutIn);
  m_edOutDir->setText(ToQString(r.Output.OutDir));
  m_chKeepDates->setChecked(r.Output.KeepFileDates);
  m_context.AppParams.KeepFileDates = r.Output.KeepFileDates;
  SetConversionSettingsExpanded(r.ConversionSettingsExpanded);
  m_view->ApplyGridOptions(r);
  m_view->ApplyColumns(r);
  actEsc->setEnabled(r.EscExit);
  m_panel->FromSettings();
  m_context.UpdatingControls = previous;
}

}  // namespace zelmora
