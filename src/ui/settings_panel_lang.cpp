#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include "base/text.h"
#include "core/encoder_settings.h"
#include "core/value_lists.h"
#include "ui/profile_selector.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

namespace {

bool IsInteger(const QString& text) {
  return ParseWholeNumber(ToStdString(text)).has_value();
}

bool IsNumber(const QString& text) {
  bool ok = false;
  QString value = text.trimmed();
  value.replace(QLatin1Char(','), QLatin1Char('.'));
  value.toDouble(&ok);
  return ok;
}

void SetItem(QComboBox* list, int index, const std::string& text) {
  if (index < list->count()) list->setItemText(index, ToQString(text));
}

// Item 0 gets the new Auto word; the text goes back as it was unless it
// was one of the words the test says to replace.
template <typename KeepTest>
void RelabelAuto(QComboBox* list, const std::string& autoWord, std::string& field, KeepTest keep) {
  const QString before = list->currentText();
  SetItem(list, 0, autoWord);
  const QString after = keep(before) ? before : ToQString(autoWord);
  list->setEditText(after);
  field = ToStdString(after);
}

}  // namespace

void SettingsPanel::SetLang() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  SetCaptions();
  SetAutoItems();
  SetListTexts();
  m_context.UpdatingControls = previous;
}

void SettingsPanel::SetCaptions() {
  const TMainModuleStrings& m = m_context.Strings.Main;
  const std::pair<QWidget*, const std::string*> captions[] = {
      {m_lblProfile, &m.lblProfile},
      {m_btnLoadSelected, &m.actLoadSelectedProfile},
      {m_lblOutputFormatVideoSettings, &m.lblOutputFormatVideoSettings},
      {m_lblAudioSettings, &m.lblAudioSettings},
      {m_lblAdvancedSettings, &m.lblAdvancedSettings},
      {m_lblAviVideoCodec, &m.lblAviVideoCodec},
      {m_lblAviVideoThreads, &m.lblAviVideoThreads},
      {m_lblAviVideoBitrate, &m.lblAviVideoBitrate},
      {m_lblAviVideoFPS, &m.lblAviVideoFPS},
      {m_lblAviVideoAspect, &m.lblAviVideoAspect},
      {m_chAviVideo2Pass, &m.chAviVideo2Pass},
      {m_chAviVideoDontCopy, &m.chAviVideoDontCopy},
      {m_lblMpgVideo, &m.lblMpgVideo},
      {m_lblMpegVersion, &m.lblMpegVersion},
      {m_lblMpgVideoBitrate, &m.lblMpgVideoBitrate},
      {m_lblMpgVideoFPS, &m.lblMpgVideoFPS},
      {m_chMpgVideo2Pass, &m.chMpgVideo2Pass},
      {m_chMpgVideoDontCopy, &m.chMpgVideoDontCopy},
      {m_lblAudioCodec, &m.lblAudioCodec},
      {m_lblAudioBitrate, &m.lblAudioBitrate},
      {m_lblAudioSampling, &m.lblAudioSampling},
      {m_lblAudioChannels, &m.lblAudioChannels},
      {m_chAudioDontCopy, &m.chAudioDontCopy},
      {m_lblAudioVolumeInfo, &m.lblAudioVolume},
      {m_gbAudioTrackNo, &m.gbAudioTrackNo},
      {m_gbResolution, &m.gbResolution},
      {m_lblResWidth, &m.edResWidth},
      {m_lblResHeight, &m.edResHeight},
      {m_chConvertColors, &m.chConvertColors},
      {m_chBrightness, &m.chBrightness},
      {m_chSaturation, &m.chSaturation},
      {m_chFlipHorizontal, &m.chFlipHorizontal},
      {m_chFlipVertical, &m.chFlipVertical},
      {m_chNegative, &m.chNegative},
      {m_chRotate, &m.chRotate},
      {m_gbCropping, &m.gbCropping},
      {m_lblCrop[0], &m.edCropTop},
      {m_lblCrop[1], &m.edCropBottom},
      {m_lblCrop[2], &m.edCropLeft},
      {m_lblCrop[3], &m.edCropRight},
      {m_gbInterlacing, &m.gbInterlacing},
      {m_chVideoFourcc, &m.chVideoFourcc},
      {m_lblFFmpegParams, &m.gbFFmpegParams},
  };
  for (const auto& [widget, text] : captions) {
    const QString caption = ToQString(*text);
    if (auto* label = qobject_cast<QLabel*>(widget))
      label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
      button->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
      group->setTitle(caption);
  }
}

void SettingsPanel::SetAutoItems() {
  const TAppStrings& s = m_context.Strings;
  const std::string& word = s.Main.Auto;
  const QString oldAspectAuto = m_cbAviVideoAspect->itemText(0);
  RelabelAuto(m_cbAviVideoAspect, word, m_settings.Avi.VideoAspect,
              [&](const QString& text) { return text != oldAspectAuto; });
  RelabelAuto(m_cbAviVideoThreads, word, m_settings.Avi.EncoderThreads, IsInteger);
  RelabelAuto(m_cbAudioBitrate, word, m_settings.Audio.AudioBitrate, IsInteger);
  RelabelAuto(m_cbAudioSampling, word, m_settings.Audio.AudioSampling, IsInteger);
  RelabelAuto(m_cbAviVideoBitrate, word, m_settings.Avi.VideoBitrate, IsInteger);
  RelabelAuto(m_cbMpgVideoBitrate, word, m_settings.Mpg.VideoBitrate, IsInteger);
  RelabelAuto(m_cbAviVideoFPS, word, m_settings.Avi.VideoFPS, IsNumber);
  RelabelAuto(m_cbMpgVideoFPS, word, m_settings.Mpg.VideoFPS, IsNumber);
  SetItem(m_cbAudioChannels, 0, word);
  SetItem(m_cbInterlacing, 0, word);
  SetItem(m_cbAudioCodec, 0, word);
  SetItem(m_cbResolution, 0, word);
}

void SettingsPanel::SetListTexts() {
  const TAppStrings& s = m_context.Strings;
  const TMainModuleStrings& m = s.Main;
  SetItem(m_cbInterlacing, 1, m.cbInterlacing_Deinterlace);
  SetItem(m_cbInterlacing, 2, m.cbInterlacing_KeepOriginal);
  SetItem(m_cbAudioTrackNo, 0, AudioTrackAutoEntry(s));
  SetItem(m_cbAviVideoCodec, vcHuffYuv, m.cbAviVideoCodec_HuffYUV);
  SetItem(m_cbAviVideoCodec, vcCopy, m.cbAviVideoCodec_Copy);
  SetItem(m_cbAudioCodec, acCopy, m.cbAudioCodec_Copy);
  SetItem(m_cbMpgVideo, mfCustom, m.Custom);
  SetItem(m_cbResolution, rsCustom, m.Custom);
  m_cbProfileNew->SetFixedItemTexts(m.cbProfile_TheLastSessionSettings,
                                    m.cbProfile_DefaultSettings);
  m_lblMpgInfo->setText(ToQString(MpgFormatInfoText(m_settings.Mpg.VideoFormat, s)));
}

}  // namespace zelmora
