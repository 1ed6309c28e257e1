#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

#include "core/settings_rules.h"
#include "core/value_lists.h"
#include "ui/profile_selector.h"
#include "ui/qt_text.h"
#include "ui/settings_panel.h"

namespace zelmora {

// The enabled states follow the same rules the argument builder applies
// (core/settings_rules.h), so a disabled control is always one whose value
// would have no effect.

namespace {

void Enable(std::initializer_list<QWidget*> widgets, bool enabled) {
  for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

}  // namespace

void SettingsPanel::InitControls() {
  const bool previous = m_context.UpdatingControls;
  m_context.UpdatingControls = true;
  const EncoderSettings& s = m_settings;
  ApplyAviRules(s);
  ApplyMpgRules(s);
  ApplyAudioRules(s);
  ApplyAdvancedRules(s);
  m_lblBrightness->setText(TenthsText(m_tbBrightness->value()));
  m_lblSaturation->setText(TenthsText(m_tbSaturation->value()));
  m_lblBrightness->setEnabled(m_tbBrightness->isEnabled());
  m_lblSaturation->setEnabled(m_tbSaturation->isEnabled());
  for (QSlider* slider : {m_tbAudioVolume, m_tbBrightness, m_tbSaturation}) slider->update();
  m_context.UpdatingControls = previous;
}

void SettingsPanel::ApplyAviRules(const EncoderSettings& current) {
  // The AVI page shows the AVI fields whichever page is active.
  EncoderSettings s = current;
  s.OutputFormat = TOutputFormat::ofAVI;
  const bool fields = AviVideoFieldsApply(s);
  Enable({m_cbAviVideoCodec, m_lblAviVideoCodec, m_chAviVideo2Pass, m_cbAviVideoThreads,
          m_lblAviVideoThreads},
         fields);
  const bool threadsVisible = EffectiveVideoCodec(s) == vcH264;
  m_cbAviVideoThreads->setVisible(threadsVisible);
  m_lblAviVideoThreads->setVisible(threadsVisible);
  Enable({m_cbAviVideoBitrate, m_lblAviVideoBitrate, m_lblAviVideoBitrateUnit},
         AviVideoBitrateApplies(s));
  Enable({m_cbAviVideoFPS, m_lblAviVideoFPS}, AviVideoFpsApplies(s));
  Enable({m_cbAviVideoAspect, m_lblAviVideoAspect}, AviVideoAspectEnabled(s));
}

void SettingsPanel::ApplyMpgRules(const EncoderSettings& current) {
  EncoderSettings s = current;
  s.OutputFormat = TOutputFormat::ofMPG;
  const bool fields = MpgVideoFieldsApply(s);
  const bool custom = MpgCustomFieldsApply(s);
  Enable({m_cbMpgVideo, m_lblMpgVideo, m_lblMpgInfo, m_chMpgVideo2Pass}, fields);
  Enable({m_cbMpgVideoBitrate, m_lblMpgVideoBitrate, m_lblMpgVideoBitrateUnit, m_cbMpgVideoFPS,
          m_lblMpgVideoFPS, m_cbMpegVersion, m_lblMpegVersion},
         custom);
  // An index outside the list (a hand-edited profile) shows no text rather
  // than a target that would not be used.
  m_lblMpgInfo->setText(ToQString(MpgFormatInfoText(s.Mpg.VideoFormat, m_context.Strings)));
}

void SettingsPanel::ApplyAudioRules(const EncoderSettings& s) {
  const bool audio = AudioSettingsApply(s);
  m_chAudioDontCopy->setEnabled(DoNotCopyAudioEnabled(s));
  Enable({m_cbAudioCodec, m_lblAudioCodec, m_btnInfoAudioBitrates, m_tbAudioVolume,
          m_lblAudioVolume, m_lblAudioVolumeInfo, m_cbAudioTrackNo, m_gbAudioTrackNo},
         audio);
  Enable({m_cbAudioBitrate, m_lblAudioBitrate, m_lblAudioBitrateUnit}, AudioBitrateApplies(s));
  Enable({m_cbAudioSampling, m_lblAudioSampling, m_lblAudioSamplingUnit}, AudioSamplingApplies(s));
  Enable({m_cbAudioChannels, m_lblAudioChannels}, AudioChannelsApply(s));
  m_cbInterlacing->setEnabled(DeinterlacingApplies(s));
}

void SettingsPanel::ApplyAdvancedRules(const EncoderSettings& s) {
  const bool scaling = ScalingApplies(s);
  const bool filters = FiltersApply(s);
  Enable({m_cbResolution}, scaling);
  for (int i = 0; i < 4; ++i) Enable({m_edCrop[i], m_lblCrop[i]}, scaling);
  Enable({m_edResWidth, m_edResHeight, m_lblResWidth, m_lblResHeight, m_lblResX},
         CustomSizeApplies(s));
  const TAdvancedSettings& adv = s.Advanced;
  Enable({m_chConvertColors, m_chBrightness, m_chSaturation, m_chFlipHorizontal, m_chFlipVertical,
          m_chNegative, m_chRotate},
         filters);
  m_cbConvertColors->setEnabled(filters && adv.ConvertColors);
  m_tbBrightness->setEnabled(filters && adv.Brightness);
  m_tbSaturation->setEnabled(filters && adv.Saturation);
  m_cbRotate->setEnabled(filters && adv.Rotate);
  const bool tag = VideoTagApplies(s);
  Enable({m_chVideoFourcc, m_lblFourcc}, tag);
  m_cbVideoTag->setEnabled(tag && adv.ForceVideoTag);
}

void SettingsPanel::SetPanelsEnabled(bool enabled) {
  for (QWidget* panel :
       {static_cast<QWidget*>(m_pcOutputFormat->parentWidget()),
        m_tbAudioVolume->parentWidget()->parentWidget(), m_pnAdvancedSettings->parentWidget()})
    panel->setEnabled(enabled);
  m_cbProfileNew->parentWidget()->setEnabled(enabled);
}

}  // namespace zelmora
