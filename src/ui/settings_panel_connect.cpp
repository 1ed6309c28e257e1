#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include "ui/profile_selector.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

// Every handler returns at once while the window fills its controls
// (the updating-controls flag), so only the user's changes reach the record.

namespace {

template <typename Handler>
void OnIndex(SettingsPanel* panel, QComboBox* list, Handler handler) {
  QObject::connect(list, &QComboBox::currentIndexChanged, panel, handler);
}

template <typename Handler>
void OnText(SettingsPanel* panel, QComboBox* list, Handler handler) {
  QObject::connect(list, &QComboBox::currentTextChanged, panel, handler);
}

template <typename Handler>
void OnCheck(SettingsPanel* panel, QCheckBox* box, Handler handler) {
  QObject::connect(box, &QCheckBox::toggled, panel, handler);
}

template <typename Handler>
void OnSpin(SettingsPanel* panel, QSpinBox* spin, Handler handler) {
  QObject::connect(spin, &QSpinBox::valueChanged, panel, handler);
}

}  // namespace

void SettingsPanel::Changed(bool rulesNeeded) {
  emit SettingsChanged(rulesNeeded);
}

void SettingsPanel::ConnectControls() {
  connect(m_pcOutputFormat, &QTabWidget::currentChanged, this, [this](int page) {
    if (Updating()) return;
    m_settings.OutputFormat = page == 1 ? TOutputFormat::ofMPG : TOutputFormat::ofAVI;
    Changed(true);
  });
  ConnectVideoControls();
  ConnectAudioControls();
  ConnectAdvancedControls();
  ConnectFilterControls();
  connect(m_btnInfoAudioBitrates, &QPushButton::clicked, this,
          &SettingsPanel::InfoAudioBitratesClicked);
  connect(m_btnInfoFourcc, &QPushButton::clicked, this, &SettingsPanel::InfoFourccClicked);
  connect(m_btnFFParams, &QPushButton::clicked, this, &SettingsPanel::FFParamsClicked);
}

// A handler that stores a value into a field of the record.
#define ZELMORA_STORE(field, rules) \
  [this](auto value) {              \
    if (Updating()) return;         \
    m_settings.field = value;       \
    Changed(rules);                 \
  }
#define ZELMORA_STORE_TEXT(field)         \
  [this](const QString& text) {           \
    if (Updating()) return;               \
    m_settings.field = ToStdString(text); \
    Changed(false);                       \
  }

void SettingsPanel::ConnectVideoControls() {
  OnIndex(this, m_cbAviVideoCodec, ZELMORA_STORE(Avi.VideoCodec, true));
  OnText(this, m_cbAviVideoThreads, ZELMORA_STORE_TEXT(Avi.EncoderThreads));
  OnText(this, m_cbAviVideoBitrate, ZELMORA_STORE_TEXT(Avi.VideoBitrate));
  OnText(this, m_cbAviVideoFPS, ZELMORA_STORE_TEXT(Avi.VideoFPS));
  OnText(this, m_cbAviVideoAspect, ZELMORA_STORE_TEXT(Avi.VideoAspect));
  OnCheck(this, m_chAviVideo2Pass, ZELMORA_STORE(Avi.Video2Pass, true));
  OnCheck(this, m_chAviVideoDontCopy, ZELMORA_STORE(Avi.DoNotCopyVideo, true));
  OnIndex(this, m_cbMpgVideo, ZELMORA_STORE(Mpg.VideoFormat, true));
  OnIndex(this, m_cbMpegVersion, ZELMORA_STORE(Mpg.MPEGVersion, false));
  OnText(this, m_cbMpgVideoBitrate, ZELMORA_STORE_TEXT(Mpg.VideoBitrate));
  OnText(this, m_cbMpgVideoFPS, ZELMORA_STORE_TEXT(Mpg.VideoFPS));
  OnCheck(this, m_chMpgVideo2Pass, ZELMORA_STORE(Mpg.Video2Pass, true));
  OnCheck(this, m_chMpgVideoDontCopy, ZELMORA_STORE(Mpg.DoNotCopyVideo, true));
}

void SettingsPanel::ConnectAudioControls() {
  OnIndex(this, m_cbAudioCodec, ZELMORA_STORE(Audio.AudioCodec, true));
  OnText(this, m_cbAudioBitrate, ZELMORA_STORE_TEXT(Audio.AudioBitrate));
  OnText(this, m_cbAudioSampling, ZELMORA_STORE_TEXT(Audio.AudioSampling));
  OnIndex(this, m_cbAudioChannels, ZELMORA_STORE(Audio.AudioChannels, false));
  OnCheck(this, m_chAudioDontCopy, ZELMORA_STORE(Audio.DoNotCopyAudio, true));
  OnIndex(this, m_cbAudioTrackNo, [this](int index) {
    if (Updating()) return;
    m_settings.Audio.AudioTrackNo = index < 0 ? 0 : index;
    Changed(false);
  });
  connect(m_tbAudioVolume, &QSlider::valueChanged, this, [this](int value) {
    // The label follows the slider even while the window fills it.
    m_lblAudioVolume->setText(VolumeText(value));
    if (Updating()) return;
    m_settings.Audio.Volume = value;
    Changed(false);
  });
}

void SettingsPanel::ConnectAdvancedControls() {
  OnIndex(this, m_cbResolution, ZELMORA_STORE(Advanced.Resolution, true));
  OnSpin(this, m_edResWidth, ZELMORA_STORE(Advanced.ResWidth, false));
  OnSpin(this, m_edResHeight, ZELMORA_STORE(Advanced.ResHeight, false));
  OnSpin(this, m_edCrop[0], ZELMORA_STORE(Advanced.CropTop, false));
  OnSpin(this, m_edCrop[1], ZELMORA_STORE(Advanced.CropBottom, false));
  OnSpin(this, m_edCrop[2], ZELMORA_STORE(Advanced.CropLeft, false));
  OnSpin(this, m_edCrop[3], ZELMORA_STORE(Advanced.CropRight, false));
  OnIndex(this, m_cbInterlacing, ZELMORA_STORE(Advanced.Interlacing, false));
  OnCheck(this, m_chVideoFourcc, ZELMORA_STORE(Advanced.ForceVideoTag, true));
  OnText(this, m_cbVideoTag, ZELMORA_STORE_TEXT(Advanced.VideoTag));
  connect(m_meParams, &QPlainTextEdit::textChanged, this, [this] {
    if (Updating()) return;
    m_settings.Advanced.AdditionalParams = ToStdString(m_meParams->toPlainText());
    Changed(false);
  });
}

void SettingsPanel::ConnectFilterControls() {
  OnCheck(this, m_chConvertColors, ZELMORA_STORE(Advanced.ConvertColors, true));
  OnIndex(this, m_cbConvertColors, ZELMORA_STORE(Advanced.ConvertColorsValue, false));
  OnCheck(this, m_chBrightness, ZELMORA_STORE(Advanced.Brightness, true));
  OnCheck(this, m_chSaturation, ZELMORA_STORE(Advanced.Saturation, true));
  OnCheck(this, m_chFlipHorizontal, ZELMORA_STORE(Advanced.FlipHorizontal, false));
  OnCheck(this, m_chFlipVertical, ZELMORA_STORE(Advanced.FlipVertical, false));
  OnCheck(this, m_chNegative, ZELMORA_STORE(Advanced.Negative, false));
  OnCheck(this, m_chRotate, ZELMORA_STORE(Advanced.Rotate, true));
  OnText(this, m_cbRotate, ZELMORA_STORE_TEXT(Advanced.RotateValue));
  connect(m_tbBrightness, &QSlider::valueChanged, this, [this](int value) {
    m_lblBrightness->setText(TenthsText(value));
    if (Updating()) return;
    m_settings.Advanced.BrightnessValue = value;
    Changed(true);
  });
  connect(m_tbSaturation, &QSlider::valueChanged, this, [this](int value) {
    m_lblSaturation->setText(TenthsText(value));
    if (Updating()) return;
    m_settings.Advanced.SaturationValue = value;
    Changed(true);
  });
}

#undef ZELMORA_STORE
#undef ZELMORA_STORE_TEXT

}  // namespace zelmora
