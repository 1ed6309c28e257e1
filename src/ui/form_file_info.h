#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "base/result.h"
#include "core/app_context.h"
#include "i18n/app_string_groups.h"
#include "media/video_file_info.h"
#include "platform/desktop_services.h"

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace zelmora {

class InfoValueLabel;

// The file information window: the general values of one file, one video
// and one audio stream chosen by number, and the probe's stream lines. It
// copies or saves a text report of the file. Closing hides it; the main
// window shows, hides and fills it as the grid's current row changes.
class FormFileInfo : public QDialog {
  Q_OBJECT

public:
  static constexpr int DesignWidth = 900;
  static constexpr int DesignHeight = 660;
  static constexpr int MaxExtraWidth = 300;

  // Analyses a file afresh into the record. It answers false, leaving the
  // record alone, while no analysis may run (a conversion or an addition of
  // files is going on); the window then keeps to what it already knows.
  using Analyzer = std::function<bool(const std::string& path, TVideoFileInfo& info)>;

  // mainWindow is the window it is centred over (may be null).
  FormFileInfo(AppContext& context, DesktopServices& desktop, Analyzer analyzer,
               QWidget* mainWindow = nullptr);
  ~FormFileInfo() override;

  // Every caption; the shown values whose words are interface strings too.
  void SetLang();
  // Fills every control from the record. The numbers are 1-based; a negative
  // number counts as 1, and 0 or a number beyond the file's streams leaves
  // that stream's values empty.
  void UpdateList(const TVideoFileInfo& info, int audioStreamNo, int videoStreamNo);
  // Empties the links, every value, the choosers and the data-stream grid.
  void ClearAll();
  // The report of the shown file, from a fresh analysis of it.
  std::string GetInfoAsText();
  // Shows the window, centred over the main window the first time.
  void ShowWindow();

  void actCopyToClipboardExecute();
  void actSaveExecute();  // save dialog, then SaveReportTo
  void actCloseExecute();
  // Writes the report through a temporary file, so a failed write keeps an
  // earlier report of that name.
  Status SaveReportTo(const std::string& fileName);
  // "<folder>/<name>_info.txt": what the save dialog proposes.
  std::string ProposedReportName() const;

  bool HasFile() const { return m_hasFile; }
  const TVideoFileInfo& ShownInfo() const { return m_shown; }
  // The value label of a caption key ("lblDuration"), or the link labels
  // "lblFileName" and "lblDirectory".
  InfoValueLabel* Value(const QString& key) const;
  QComboBox* VideoStreamChooser() const { return m_cbVideoStreamNo; }
  QComboBox* AudioStreamChooser() const { return m_cbAudioStreamNo; }
  QTreeWidget* DataStreams() const { return m_lvDataStreams; }
  QAction* CopyAction() const { return m_actCopyToClipboard; }
  QAction* SaveAction() const { return m_actSave; }
  QAction* CloseAction() const { return m_actClose; }

private:
  // A caption label and the interface string it shows.
  struct Caption {
    QLabel* Label = nullptr;
    std::string TFileInfoModuleStrings::*Text = nullptr;
  };

  void CreateControls();
  QWidget* CreateLinks();
  template <typename Rows>
  QGroupBox* CreatePanel(const char* name, const Rows& rows, const char* chooserName,
                         QComboBox** chooser, std::vector<InfoValueLabel*>& values, int columns);
  QWidget* CreateDataStreams();
  QWidget* CreateButtons();
  void FillChoosers(const TVideoFileInfo& info, int audioStreamNo, int videoStreamNo);
  void FillGeneral(const TVideoFileInfo& info);
  void FillVideo(const TVideoFileInfo& info, int number);
  void FillAudio(const TVideoFileInfo& info, int number);
  void FillDataStreams(const TVideoFileInfo& info);
  void StreamChosen();
  void UpdateActions();
  // The shown file analysed again, or the shown record while that may not run.
  TVideoFileInfo FreshInfo();

  AppContext& m_context;
  DesktopServices& m_desktop;
  Analyzer m_analyzer;
  QWidget* m_mainWindow;
  TVideoFileInfo m_shown;
  bool m_hasFile = false;
  bool m_filling = false;  // chooser changes made by the window itself
  bool m_placed = false;   // centred once; later the user's place stays

  QLabel* m_lblFileNameDesc = nullptr;
  QLabel* m_lblDirectoryDesc = nullptr;
  InfoValueLabel* m_lblFileName = nullptr;
  InfoValueLabel* m_lblDirectory = nullptr;
  QGroupBox* m_gbGeneralInfo = nullptr;
  QGroupBox* m_gbVideoStream = nullptr;
  QGroupBox* m_gbAudioStream = nullptr;
  QComboBox* m_cbVideoStreamNo = nullptr;
  QComboBox* m_cbAudioStreamNo = nullptr;
  std::vector<Caption> m_captions;
  // The panels' values, in the order of their row tables.
  std::vector<InfoValueLabel*> m_generalValues, m_videoValues, m_audioValues;
  QLabel* m_lblDataStreams = nullptr;
  QTreeWidget* m_lvDataStreams = nullptr;
  QPushButton* m_btnCopy = nullptr;
  QPushButton* m_btnSave = nullptr;
  QPushButton* m_btnClose = nullptr;
  QAction* m_actCopyToClipboard = nullptr;
  QAction* m_actSave = nullptr;
  QAction* m_actClose = nullptr;
  QAction* m_actEsc = nullptr;
};

}  // namespace zelmora
