#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "media/file_info_texts.h"
#include "ui/form_file_info.h"
#include "ui/form_file_info_rows.h"
#include "ui/info_value_label.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

template <typename Texts, size_t N>
void Fill(const std::vector<InfoValueLabel*>& values,
          const file_info_rows::RowSpec<Texts> (&rows)[N], const Texts& texts) {
  for (size_t i = 0; i < N && i < values.size(); ++i)
    values[i]->SetValue(ToQString(texts.*(rows[i].Value)));
}

void FillChooser(QComboBox* chooser, const TStreamChooser& streams) {
  chooser->clear();
  for (const std::string& item : streams.Items) chooser->addItem(ToQString(item));
  chooser->setCurrentIndex(streams.Selected);
  chooser->setEnabled(streams.Enabled);
}

}  // namespace

void FormFileInfo::SetLang() {
  const TFileInfoModuleStrings& s = m_context.Strings.FileInfo;
  setWindowTitle(ToQString(s.Caption));
  for (const Caption& caption : m_captions) caption.Label->setText(ToQString(s.*caption.Text));
  m_gbGeneralInfo->setTitle(ToQString(s.gbGeneralInfo));
  m_gbVideoStream->setTitle(ToQString(s.gbVideoStream));
  m_gbAudioStream->setTitle(ToQString(s.gbAudioStream));
  m_lblDataStreams->setText(ToQString(DataStreamsHeading(s)));
  m_lvDataStreams->setHeaderLabels(
      {ToQString(s.ColumnTitle_Stream), ToQString(s.ColumnTitle_Details)});
  auto label = [](QAction* action, QPushButton* button, const std::string& actionText,
                  const std::string& buttonText) {
    action->setText(ToQString(actionText));
    action->setToolTip(ToQString(actionText));
    button->setText(ToQString(buttonText));
    button->setToolTip(ToQString(actionText));
  };
  label(m_actClose, m_btnClose, s.actClose, s.actClose);
  label(m_actSave, m_btnSave, s.actSave, s.actSave);
  label(m_actCopyToClipboard, m_btnCopy, s.actCopy, s.btnCopy);
  // The scan type's words are interface strings too: the shown file is
  // filled again from what the window knows, without a new analysis.
  if (m_hasFile) {
    const TVideoFileInfo shown = m_shown;
    UpdateList(shown, m_cbAudioStreamNo->currentIndex() + 1, m_cbVideoStreamNo->currentIndex() + 1);
  }
}

void FormFileInfo::ClearAll() {
  m_hasFile = false;
  InitVideoFileInfo(m_shown);
  m_lblFileName->SetValue({});
  m_lblDirectory->SetValue({});
  for (auto* values : {&m_generalValues, &m_videoValues, &m_audioValues})
    for (InfoValueLabel* value : *values) value->SetValue({});
  {
    const QSignalBlocker videoBlocker(m_cbVideoStreamNo);
    const QSignalBlocker audioBlocker(m_cbAudioStreamNo);
    FillChooser(m_cbVideoStreamNo, {});
    FillChooser(m_cbAudioStreamNo, {});
  }
  m_lvDataStreams->clear();
  UpdateActions();
}

void FormFileInfo::UpdateList(const TVideoFileInfo& info, int audioStreamNo, int videoStreamNo) {
  ClearAll();
  m_shown = info;
  m_hasFile = !info.FileName.empty();
  FillChoosers(info, audioStreamNo, videoStreamNo);
  FillGeneral(info);
  FillVideo(info, videoStreamNo);
  FillAudio(info, audioStreamNo);
  FillDataStreams(info);
  UpdateActions();
}

void FormFileInfo::FillChoosers(const TVideoFileInfo& info, int audioStreamNo, int videoStreamNo) {
  const QSignalBlocker videoBlocker(m_cbVideoStreamNo);
  const QSignalBlocker audioBlocker(m_cbAudioStreamNo);
  FillChooser(m_cbAudioStreamNo, zelmora::AudioStreamChooser(info, audioStreamNo));
  FillChooser(m_cbVideoStreamNo, zelmora::VideoStreamChooser(info, videoStreamNo));
}

void FormFileInfo::FillGeneral(const TVideoFileInfo& info) {
  const TGeneralInfoTexts texts = GeneralInfoTexts(info);
  m_lblFileName->SetValue(ToQString(texts.FileName));
  m_lblDirectory->SetValue(ToQString(texts.Directory));
  Fill(m_generalValues, file_info_rows::General, texts);
}

void FormFileInfo::FillVideo(const TVideoFileInfo& info, int number) {
  Fill(m_videoValues, file_info_rows::Video,
       VideoStreamTexts(info, number, m_context.Strings.FileInfo));
}

void FormFileInfo::FillAudio(const TVideoFileInfo& info, int number) {
  Fill(m_audioValues, file_info_rows::Audio, AudioStreamTexts(info, number));
}

void FormFileInfo::FillDataStreams(const TVideoFileInfo& info) {
  QList<QTreeWidgetItem*> items;
  for (const TDataStreamRow& row : DataStreamRows(info))
    items << new QTreeWidgetItem(QStringList{ToQString(row.Stream), ToQString(row.Details)});
  m_lvDataStreams->addTopLevelItems(items);
}

void FormFileInfo::UpdateActions() {
  // A report needs a file to describe.
  m_actCopyToClipboard->setEnabled(m_hasFile);  // the buttons follow their actions
  m_actSave->setEnabled(m_hasFile);
}

InfoValueLabel* FormFileInfo::Value(const QString& key) const {
  if (auto* value = findChild<InfoValueLabel*>(key + QStringLiteral("Value"))) return value;
  return findChild<InfoValueLabel*>(key);
}

}  // namespace zelmora
