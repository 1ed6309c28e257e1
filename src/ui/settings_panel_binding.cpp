#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include "core/codec_tables.h"
#include "core/fourcc_list.h"
#include "core/resolution_list.h"
#include "core/value_lists.h"
#include "ui/profile_selector.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

namespace {

void Fill(QComboBox* list, const std::vector<std::string>& items) {
  list->clear();
  for (const std::string& item : items) list->addItem(ToQString(item));
}

// An index from a profile or the settings file is applied as it stands: one
// outside the list leaves the list without a selection.
void SetIndex(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

void SetText(QComboBox* list, const std::string& text) {
  const QString value = ToQString(text);
  const int index = list->findText(value, Qt::MatchExactly);
  if (index >= 0) {
    list->setCurrentIndex(index);
  } else {
    list->setCurrentIndex(-1);
    list->setEditText(value);
  }
}

}  // namespace

void SettingsPanel::PrepareControls() {
  const TAppStrings& s = m_context.Strings;
  Fill(m_cbAviVideoCodec, VideoCodecListTexts(s));
  Fill(m_cbAviVideoThreads, EncoderThreadsList(s));
  Fill(m_cbAviVideoBitrate, AviVideoBitrateList(s));
  Fill(m_cbAviVideoFPS, VideoFpsList(s));
  Fill(m_cbAviVideoAspect, VideoAspectList(s));
  Fill(m_cbMpgVideo, MpgVideoFormatList(s));
  Fill(m_cbMpegVersion, MpegVersionList());
  Fill(m_cbMpgVideoBitrate, MpgVideoBitrateList(s));
  Fill(m_cbMpgVideoFPS, VideoFpsList(s));
  Fill(m_cbAudioCodec, AudioCodecListTexts(s));
  Fill(m_cbAudioBitrate, AudioBitrateList(s));
  Fill(m_cbAudioSampling, AudioSamplingList(s));
  Fill(m_cbAudioChannels, AudioChannelsList(s));
  Fill(m_cbAudioTrackNo, {AudioTrackAutoEntry(s)});
  Fill(m_cbInterlacing, InterlacingList(s));
  Fill(m_cbConvertColors, ConvertColorsList());
  Fill(m_cbRotate, RotateValueList());
  Fill(m_cbVideoTag, InitFourccList(m_context.AppParams.FourccTagsFile));
  m_cbVideoTag->lineEdit()->setMaxLength(4);
  m_resolutions = LoadResolutionList(m_context.AppParams.ResolutionTxt);
  const std::vector<std::string> choices = ResolutionChoiceList(s, m_resolutions);
  Fill(m_cbResolution, choices);
  for (int i = 0; i < static_cast<int>(choices.size()); ++i)
    m_cbResolution->SetItemLook(i, ResolutionItemLook(i, choices[static_cast<size_t>(i)]));
  m_cbAudioTrackNo->setCurrentIndex(0);
}

void SettingsPanel::FromSettings() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  m_pcOutputFormat->setCurrentIndex(m_settings.OutputFormat == TOutputFormat::ofMPG ? 1 : 0);
  FromAviMpg();
  FromAudio();
  FromAdvanced();
  m_context.UpdatingControls = previous;
}

void SettingsPanel::FromAviMpg() {
  const TAviSettings& avi = m_settings.Avi;
  SetIndex(m_cbAviVideoCodec, avi.VideoCodec);
  SetText(m_cbAviVideoThreads, avi.EncoderThreads);
  SetText(m_cbAviVideoBitrate, avi.VideoBitrate);
  SetText(m_cbAviVideoFPS, avi.VideoFPS);
  SetText(m_cbAviVideoAspect, avi.VideoAspect);
  m_chAviVideo2Pass->setChecked(avi.Video2Pass);
  m_chAviVideoDontCopy->setChecked(avi.DoNotCopyVideo);
  const TMpgSettings& mpg = m_settings.Mpg;
  SetIndex(m_cbMpgVideo, mpg.VideoFormat);
  SetIndex(m_cbMpegVersion, mpg.MPEGVersion);
  SetText(m_cbMpgVideoBitrate, mpg.VideoBitrate);
  SetText(m_cbMpgVideoFPS, mpg.VideoFPS);
  m_chMpgVideo2Pass->setChecked(mpg.Video2Pass);
  m_chMpgVideoDontCopy->setChecked(mpg.DoNotCopyVideo);
}

void SettingsPanel::FromAudio() {
  const TAudioSettings& audio = m_settings.Audio;
  SetIndex(m_cbAudioCodec, audio.AudioCodec);
  SetText(m_cbAudioBitrate, audio.AudioBitrate);
  SetText(m_cbAudioSampling, audio.AudioSampling);
  SetIndex(m_cbAudioChannels, audio.AudioChannels);
  m_chAudioDontCopy->setChecked(audio.DoNotCopyAudio);
  m_tbAudioVolume->setValue(audio.Volume);
  m_lblAudioVolume->setText(VolumeText(m_tbAudioVolume->value()));
}

void SettingsPanel::FromAdvanced() {
  const TAdvancedSettings& adv = m_settings.Advanced;
  SetIndex(m_cbResolution, adv.Resolution);
  m_edResWidth->setValue(adv.ResWidth);
  m_edResHeight->setValue(adv.ResHeight);
  m_chVideoFourcc->setChecked(adv.ForceVideoTag);
  SetText(m_cbVideoTag, adv.VideoTag);
  const int crops[4] = {adv.CropTop, adv.CropBottom, adv.CropLeft, adv.CropRight};
  for (int i = 0; i < 4; ++i) m_edCrop[i]->setValue(crops[i]);
  m_meParams->setPlainText(ToQString(adv.AdditionalParams));
  SetIndex(m_cbInterlacing, adv.Interlacing);
  m_chConvertColors->setChecked(adv.ConvertColors);
  SetIndex(m_cbConvertColors, adv.ConvertColorsValue);
  m_chBrightness->setChecked(adv.Brightness);
  m_tbBrightness->setValue(adv.BrightnessValue);
  m_chSaturation->setChecked(adv.Saturation);
  m_tbSaturation->setValue(adv.SaturationValue);
  m_chFlipHorizontal->setChecked(adv.FlipHorizontal);
  m_chFlipVertical->setChecked(adv.FlipVertical);
  m_chNegative->setChecked(adv.Negative);
  m_chRotate->setChecked(adv.Rotate);
  SetText(m_cbRotate, adv.RotateValue);
}

void SettingsPanel::SetAudioTrackItems(const std::vector<std::string>& items, int itemIndex) {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  Fill(m_cbAudioTrackNo, items);
  SetIndex(m_cbAudioTrackNo, itemIndex);
  m_settings.Audio.AudioTrackNo = m_cbAudioTrackNo->currentIndex() < 0 ? 0 : itemIndex;
  m_context.UpdatingControls = previous;
}

QString SettingsPanel::VolumeText(int position) {
  return QString::number(position / 100.0, 'f', 2) + QLatin1Char('x');
}

QString SettingsPanel::TenthsText(int position) {
  // QString::number with 'g' never writes trailing zeros.
  return QString::number(position / 10.0, 'g', 4);
}

}  // namespace zelmora
