#include <QAction>
#include <QPushButton>

#include "base/paths.h"
#include "base/text.h"
#include "config/profile_file.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/profile_selector.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

namespace {

void SelectQuietly(AppContext& context, ProfileSelector* selector, int index) {
  const bool previous = context.UpdatingControls;
  context.UpdatingControls = true;
  selector->setCurrentIndex(index);
  context.UpdatingControls = previous;
}

}  // namespace

void MainWindow::GetProfiles() {
  const TAppParams& params = m_context.AppParams;
  m_profiles = zelmora::GetProfiles(params);
  ProfileSelector* selector = m_panel->Selector();
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  selector->SetItems(ProfileSelectorItems(m_profiles, m_context.Strings));
  selector->setCurrentIndex(0);  // shows the item, loads nothing
  m_context.UpdatingControls = previous;
}

void MainWindow::OnLoadSelectedProfile() {
  const TAppParams& params = m_context.AppParams;
  const int item = m_panel->Selector()->currentIndex();
  const TProfileChoice choice =
      ChooseSelectorItem(item, m_profiles, params.ProfilesDir, params.LastProfileFile);
  if (!ApplyProfileChoice(choice, m_settings, m_context.Strings, m_context.DefaultVideoCodecIndex))
    return;
  m_panel->FromSettings();
  if (choice.Kind == TProfileChoice::pcDefaults) SelectQuietly(m_context, m_panel->Selector(), 1);
  InitControls();
}

void MainWindow::OnSetDefaultEncoderSettings() {
  SetDefaultParams(m_settings, m_context.DefaultVideoCodecIndex, m_context.Strings);
  m_panel->FromSettings();
  SelectQuietly(m_context, m_panel->Selector(), 1);
  InitControls();
}

void MainWindow::OnLoadProfile() {
  const QString file = FileDialogs::GetOpenFileName(
      this, ToQString(m_context.AppParams.ProfilesDir), m_profileOpenFilter);
  if (file.isEmpty()) return;
  LoadProfile(ToStdString(file), m_settings, m_context.Strings, m_context.DefaultVideoCodecIndex);
  m_panel->FromSettings();
  InitControls();
}

void MainWindow::OnSaveProfile() {
  const TAppParams& params = m_context.AppParams;
  const QString chosen = FileDialogs::GetSaveFileName(
      this, {ToQString(params.ProfilesDir), QString(), m_profileSaveFilter, QStringLiteral("ini")});
  if (chosen.isEmpty()) return;
  const std::string file = ToStdString(chosen);
  const Status saved = SaveProfile(file, m_settings, m_context.Strings);
  if (!saved.ok()) {
    MessageBoxes::ShowWarning(this, ToQString(saved.error().message));
    return;
  }
  const int item = SelectorItemAfterSave(file, params.ProfilesDir, m_profiles);
  if (item < 0) return;  // saved outside the profiles folder
  GetProfiles();
  SelectQuietly(m_context, m_panel->Selector(),
                SelectorItemAfterSave(file, params.ProfilesDir, m_profiles));
}

}  // namespace zelmora
