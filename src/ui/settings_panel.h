#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "core/encoder_settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QTabWidget;

namespace zelmora {

class GradientComboBox;
class ProfileSelector;

// The "Conversion settings" panel: the profile row, the AVI/MPG pages, the
// audio panel and the scrolling advanced panel. Its controls show one
// EncoderSettings record; every change by the user goes straight into the
// record (the argument builder never reads a control), and FromSettings
// writes the whole record back into the controls.
class SettingsPanel : public QWidget {
  Q_OBJECT

public:
  SettingsPanel(AppContext& context, EncoderSettings& settings, QWidget* parent = nullptr);

  // Fills the lists (value lists, resolution and video tag entries).
  void PrepareControls();
  // Every control from the record, with the updating-controls flag raised.
  void FromSettings();
  // The enabling rules of the panel's controls.
  void InitControls();
  void SetLang();
  void SetPanelsEnabled(bool enabled);

  void SetAudioTrackItems(const std::vector<std::string>& items, int itemIndex);
  const std::vector<std::string>& Resolutions() const { return m_resolutions; }
  ProfileSelector* Selector() const { return m_cbProfileNew; }
  QPushButton* LoadSelectedButton() const { return m_btnLoadSelected; }

  // "1.00x": position / 100 with two decimals.
  static QString VolumeText(int position);
  // Brightness and saturation: position / 10, trailing zeros removed.
  static QString TenthsText(int position);

signals:
  // The user changed a setting; rulesNeeded when the enabling rules depend on it.
  void SettingsChanged(bool rulesNeeded);
  void InfoAudioBitratesClicked();
  void InfoFourccClicked();
  void FFParamsClicked();

private:
  QWidget* BuildProfileRow();
  QWidget* BuildVideoPanel();
  QWidget* BuildAviPage();
  QWidget* BuildMpgPage();
  QWidget* BuildAudioPanel();
  QWidget* BuildAdvancedPanel();
  QWidget* BuildFilterGroup();
  QWidget* BuildCroppingGroup();
  QWidget* BuildVideoTagGroup();
  void ConnectControls();
  void ConnectVideoControls();
  void ConnectAudioControls();
  void ConnectAdvancedControls();
  void ConnectFilterControls();
  void FromAviMpg();
  void FromAudio();
  void FromAdvanced();
  void Changed(bool rulesNeeded);
  bool Updating() const { return m_context.UpdatingControls; }
  void ApplyAviRules(const EncoderSettings& s);
  void ApplyMpgRules(const EncoderSettings& s);
  void ApplyAudioRules(const EncoderSettings& s);
  void ApplyAdvancedRules(const EncoderSettings& s);
  void SetAutoItems();
  void SetListTexts();
  void SetCaptions();

  AppContext& m_context;
  EncoderSettings& m_settings;
  std::vector<std::string> m_resolutions;

  // Profile row.
  QLabel* m_lblProfile = nullptr;
  ProfileSelector* m_cbProfileNew = nullptr;
  QPushButton* m_btnLoadSelected = nullptr;
  // Video pages.
  QLabel* m_lblOutputFormatVideoSettings = nullptr;
  QTabWidget* m_pcOutputFormat = nullptr;
  QLabel* m_lblAviVideoCodec = nullptr;
  QComboBox* m_cbAviVideoCodec = nullptr;
  QLabel* m_lblAviVideoThreads = nullptr;
  QComboBox* m_cbAviVideoThreads = nullptr;
  QLabel* m_lblAviVideoBitrate = nullptr;
  QComboBox* m_cbAviVideoBitrate = nullptr;
  QLabel* m_lblAviVideoBitrateUnit = nullptr;
  QLabel* m_lblAviVideoFPS = nullptr;
  QComboBox* m_cbAviVideoFPS = nullptr;
  QLabel* m_lblAviVideoAspect = nullptr;
  QComboBox* m_cbAviVideoAspect = nullptr;
  QCheckBox* m_chAviVideo2Pass = nullptr;
  QCheckBox* m_chAviVideoDontCopy = nullptr;
  QLabel* m_lblMpgVideo = nullptr;
  QComboBox* m_cbMpgVideo = nullptr;
  QLabel* m_lblMpgInfo = nullptr;
  QLabel* m_lblMpegVersion = nullptr;
  QComboBox* m_cbMpegVersion = nullptr;
  QLabel* m_lblMpgVideoBitrate = nullptr;
  QComboBox* m_cbMpgVideoBitrate = nullptr;
  QLabel* m_lblMpgVideoBitrateUnit = nullptr;
  QLabel* m_lblMpgVideoFPS = nullptr;
  QComboBox* m_cbMpgVideoFPS = nullptr;
  QCheckBox* m_chMpgVideo2Pass = nullptr;
  QCheckBox* m_chMpgVideoDontCopy = nullptr;
  // Audio.
  QLabel* m_lblAudioSettings = nullptr;
  QLabel* m_lblAudioCodec = nullptr;
  QComboBox* m_cbAudioCodec = nullptr;
  QPushButton* m_btnInfoAudioBitrates = nullptr;
  QLabel* m_lblAudioBitrate = nullptr;
  QComboBox* m_cbAudioBitrate = nullptr;
  QLabel* m_lblAudioBitrateUnit = nullptr;
  QLabel* m_lblAudioSampling = nullptr;
  QComboBox* m_cbAudioSampling = nullptr;
  QLabel* m_lblAudioSamplingUnit = nullptr;
  QLabel* m_lblAudioChannels = nullptr;
  QComboBox* m_cbAudioChannels = nullptr;
  QCheckBox* m_chAudioDontCopy = nullptr;
  QLabel* m_lblAudioVolumeInfo = nullptr;
  QSlider* m_tbAudioVolume = nullptr;
  QLabel* m_lblAudioVolume = nullptr;
  // Advanced.
  QLabel* m_lblAdvancedSettings = nullptr;
  QScrollArea* m_pnAdvancedSettings = nullptr;
  QGroupBox* m_gbAudioTrackNo = nullptr;
  QComboBox* m_cbAudioTrackNo = nullptr;
  QGroupBox* m_gbResolution = nullptr;
  GradientComboBox* m_cbResolution = nullptr;
  QLabel* m_lblResWidth = nullptr;
  QSpinBox* m_edResWidth = nullptr;
  QLabel* m_lblResX = nullptr;
  QLabel* m_lblResHeight = nullptr;
  QSpinBox* m_edResHeight = nullptr;
  QCheckBox* m_chConvertColors = nullptr;
  QComboBox* m_cbConvertColors = nullptr;
  QCheckBox* m_chBrightness = nullptr;
  QSlider* m_tbBrightness = nullptr;
  QLabel* m_lblBrightness = nullptr;
  QCheckBox* m_chSaturation = nullptr;
  QSlider* m_tbSaturation = nullptr;
  QLabel* m_lblSaturation = nullptr;
  QCheckBox* m_chFlipHorizontal = nullptr;
  QCheckBox* m_chFlipVertical = nullptr;
  QCheckBox* m_chNegative = nullptr;
  QCheckBox* m_chRotate = nullptr;
  QComboBox* m_cbRotate = nullptr;
  QGroupBox* m_gbCropping = nullptr;
  QLabel* m_lblCrop[4] = {};
  QSpinBox* m_edCrop[4] = {};  // top, bottom, left, right
  QGroupBox* m_gbInterlacing = nullptr;
  QComboBox* m_cbInterlacing = nullptr;
  QGroupBox* m_gbVideoTag = nullptr;
  QCheckBox* m_chVideoFourcc = nullptr;
  QLabel* m_lblFourcc = nullptr;
  QComboBox* m_cbVideoTag = nullptr;
  QPushButton* m_btnInfoFourcc = nullptr;
  QLabel* m_lblFFmpegParams = nullptr;
  QPlainTextEdit* m_meParams = nullptr;
  QPushButton* m_btnFFParams = nullptr;
};

}  // namespace zelmora
