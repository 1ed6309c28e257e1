#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "base/files.h"
#include "base/paths.h"
#include "core/encoder_settings.h"
#include "core/program_title.h"
#include "platform/executable_path.h"
#include "ui/file_list_view.h"
#include "ui/form_options.h"
#include "ui/qt_text.h"

namespace zelmora {

// What the controls show and what their changes do.

namespace {

// The items of the file-analysis list, top to bottom.
constexpr TFileAnalysis AnalysisItems[] = {TFileAnalysis::faFull, TFileAnalysis::faQuick,
                                           TFileAnalysis::faNone};
// The items of the default-codec list and the AVI codecs they stand for.
constexpr int CodecItemH264 = 0;
constexpr int CodecItemXvid = 1;

int AnalysisItem(TFileAnalysis analysis) {
  for (int i = 0; i < 3; ++i)
    if (AnalysisItems[i] == analysis) return i;
  return 0;
}

}  // namespace

DesktopLauncher ProgramLauncher(const std::string& appDir, bool installed) {
  // The running program, when it is the one in appDir (it may have been
  // renamed); else the program file the package puts there.
  std::string exec = ExecutablePath();
  if (exec.empty() || ExtractFileDir(exec) != NormalizeDir(appDir))
    exec = JoinPath(appDir, "zelmora");
  return {ProgramName, ProgramTitle(), exec, NormalizeDir(appDir), LauncherIcon(appDir, installed)};
}

void FormOptions::InitControls() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  const TSettingsRecord& look = m_links.FileListLook;
  // The family the grid really uses: a stored one this system lacks has
  // given way to the desktop's font.
  const QString family = m_links.Grid.Table()->font().family();
  int fontItem = m_cbFileListFont->findText(family, Qt::MatchFixedString);
  if (fontItem < 0) {
    m_cbFileListFont->insertItem(0, family);
    fontItem = 0;
  }
  m_cbFileListFont->setCurrentIndex(fontItem);
  m_edFileListFontSize->setValue(look.ListFontSize);
  m_edFileListRowHeight->setValue(look.RowHeight);
  m_chFileListAllowRowMoving->setChecked(look.AllowRowMoving);
  m_chFileListAllowColumnMoving->setChecked(look.AllowColumnMoving);
  m_chFileListGridLines->setChecked(look.GridLines);
  m_chFileListFooter->setChecked(look.GridFooter);
  m_chFileListRowIndicator->setChecked(look.RowIndicator);
  const TAppParams& params = m_context.AppParams;
  m_chFileListIconClickOpen->setChecked(params.OpenFileAfterIconClick);
  m_cbDefaultVideoCodec->setCurrentIndex(
      m_context.DefaultVideoCodecIndex == vcH264 ? CodecItemH264 : CodecItemXvid);
  m_cbFileListFileAnalysis->setCurrentIndex(AnalysisItem(params.FileAnalysis));
  m_context.UpdatingControls = previous;
}

void FormOptions::ConnectHandlers() {
  connect(m_cbFileListFont, &QComboBox::currentIndexChanged, this, &FormOptions::FontNameChanged);
  connect(m_edFileListFontSize, &QSpinBox::valueChanged, this, &FormOptions::FontSizeChanged);
  connect(m_edFileListRowHeight, &QSpinBox::valueChanged, this, &FormOptions::RowHeightChanged);
  for (QCheckBox* box : {m_chFileListAllowRowMoving, m_chFileListAllowColumnMoving,
                         m_chFileListGridLines, m_chFileListFooter, m_chFileListRowIndicator})
    connect(box, &QCheckBox::toggled, this, &FormOptions::GridOptionChanged);
  connect(m_chFileListIconClickOpen, &QCheckBox::toggled, this, &FormOptions::IconClickChanged);
  connect(m_cbDefaultVideoCodec, &QComboBox::currentIndexChanged, this,
          &FormOptions::DefaultCodecChanged);
  connect(m_cbFileListFileAnalysis, &QComboBox::currentIndexChanged, this,
          &FormOptions::FileAnalysisChanged);
  // On every choice, the item shown too: without a stored language the
  // list shows its first language over the English interface.
  connect(m_cbLanguage, &QComboBox::activated, this, &FormOptions::LanguageChanged);
  connect(m_btnCreateShortcutOnDesktop, &QPushButton::clicked, this,
          &FormOptions::btnCreateShortcutOnDesktopClick);
}

// Without a language folder the design item stays; with one the list holds
// its languages (none at all when it has no language files).
void FormOptions::FillLanguageList() {
  if (!DirectoryExists(m_context.AppParams.LangDir)) return;
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  const TLangIniList& languages = m_links.Languages;
  m_cbLanguage->clear();
  for (const TLangIniListItem& item : languages.Items())
    m_cbLanguage->addItem(ToQString(item.LangName_Native));
  const TLangIniListItem* current =
      languages.GetItemByShortFileName(m_context.AppParams.LanguageIni);
  if (current != nullptr)
    m_cbLanguage->setCurrentIndex(static_cast<int>(current - languages.Items().data()));
  else if (m_cbLanguage->count() > 0)
    m_cbLanguage->setCurrentIndex(0);
  m_context.UpdatingControls = previous;
}

void FormOptions::FontNameChanged() {
  if (Quiet() || m_cbFileListFont->currentIndex() < 0) return;
  m_links.FileListLook.ListFontName = ToStdString(m_cbFileListFont->currentText());
  m_links.Grid.ApplyGridOptions(m_links.FileListLook);
}

void FormOptions::FontSizeChanged(int size) {
  if (Quiet()) return;
  TSettingsRecord& look = m_links.FileListLook;
  look.ListFontSize = size;
  look.HeaderHeight = HeaderHeightForFontSize(size);
  m_links.Grid.ApplyGridOptions(look);
}

void FormOptions::RowHeightChanged(int height) {
  if (Quiet()) return;
  m_links.FileListLook.RowHeight = height;
  // The grid's default row height resizes every existing row with it.
  m_links.Grid.ApplyGridOptions(m_links.FileListLook);
}

void FormOptions::GridOptionChanged() {
  if (Quiet()) return;
  TSettingsRecord& look = m_links.FileListLook;
  look.AllowRowMoving = m_chFileListAllowRowMoving->isChecked();
  look.AllowColumnMoving = m_chFileListAllowColumnMoving->isChecked();
  look.GridLines = m_chFileListGridLines->isChecked();
  look.GridFooter = m_chFileListFooter->isChecked();
  look.RowIndicator = m_chFileListRowIndicator->isChecked();
  m_links.Grid.ApplyGridOptions(look);
}

void FormOptions::IconClickChanged(bool on) {
  if (Quiet()) return;
  m_context.AppParams.OpenFileAfterIconClick = on;
}

// Only the default changes; the AVI page keeps the codec it shows until
// "Default encoder settings" or a profile without a valid codec.
void FormOptions::DefaultCodecChanged(int index) {
  if (Quiet() || index < 0) return;
  m_context.DefaultVideoCodecIndex = index == CodecItemH264 ? vcH264 : vcXvid;
}

// Files added from now on are analysed to the new depth.
void FormOptions::FileAnalysisChanged(int index) {
  if (Quiet() || index < 0 || index > 2) return;
  m_context.AppParams.FileAnalysis = AnalysisItems[index];
}

void FormOptions::LanguageChanged() {
  if (Quiet() || m_cbLanguage->currentIndex() < 0) return;
  TLanguageObservers observers;
  if (m_links.SetLangOfWindows) observers.Add(m_links.SetLangOfWindows);
  ChangeLanguage(ToStdString(m_cbLanguage->currentText()), m_links.Languages, m_context.Strings,
                 m_context.AppParams.LanguageIni, observers);
}

// A launcher already there (the user's own, perhaps edited) is left alone,
// so pressing the button again writes nothing. Failures say nothing: the
// launcher is a convenience, and the desktop shows whether it came.
void FormOptions::btnCreateShortcutOnDesktopClick() {
  const std::string desktopDir = m_links.Desktop.DesktopDir();
  if (desktopDir.empty()) return;
  std::string name = m_context.AppParams.LnkShortName;
  if (name.empty()) name = DesktopLauncherFileName;
  const std::string file = JoinPath(desktopDir, name);
  if (FileExists(file) || DirectoryExists(file)) return;
  const TAppParams& params = m_context.AppParams;
  (void)m_links.Desktop.WriteDesktopLauncher(file,
                                             ProgramLauncher(m_links.AppDir, params.Installed));
}

}  // namespace zelmora
