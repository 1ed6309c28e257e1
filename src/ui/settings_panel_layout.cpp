#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/profile_selector.h"
#include "ui/settings_panel.h"
#include "ui/settings_panel_widgets.h"

namespace zelmora {

SettingsPanel::SettingsPanel(AppContext& context, EncoderSettings& settings, QWidget* parent)
    : QWidget(parent), m_context(context), m_settings(settings) {
  setObjectName(QStringLiteral("pnConversionSettingsContent"));
  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->setSpacing(4);
  leftLayout->addWidget(BuildProfileRow());
  auto* pages = new QHBoxLayout;
  pages->setSpacing(5);
  pages->addWidget(BuildVideoPanel());
  pages->addWidget(BuildAudioPanel());
  leftLayout->addLayout(pages, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(5);
  layout->addWidget(left);
  layout->addWidget(BuildAdvancedPanel(), 1);
  ConnectControls();
}

QWidget* SettingsPanel::BuildProfileRow() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  m_lblProfile = MakeNamed<QLabel>(row, "lblProfile");
  m_cbProfileNew = new ProfileSelector(row);
  m_cbProfileNew->setMinimumContentsLength(20);
  m_cbProfileNew->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  m_btnLoadSelected = MakeNamed<QPushButton>(row, "btnLoadSelectedProfile");
  layout->addWidget(m_lblProfile);
  layout->addWidget(m_cbProfileNew, 1);
  layout->addWidget(m_btnLoadSelected);
  return row;
}

QWidget* SettingsPanel::BuildVideoPanel() {
  auto* panel = MakeNamed<QWidget>(this, "pnVideo");
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  m_lblOutputFormatVideoSettings = MakePanelHeader(panel, "lblOutputFormatVideoSettings");
  m_pcOutputFormat = MakeNamed<QTabWidget>(panel, "pcOutputFormat");
  m_pcOutputFormat->addTab(BuildAviPage(), QStringLiteral("AVI"));
  m_pcOutputFormat->addTab(BuildMpgPage(), QStringLiteral("MPG"));
  layout->addWidget(m_lblOutputFormatVideoSettings);
  layout->addWidget(m_pcOutputFormat, 1);
  panel->setFixedWidth(290);
  return panel;
}

QWidget* SettingsPanel::BuildAviPage() {
  auto* page = MakeNamed<QWidget>(this, "tsAvi");
  auto* grid = MakeFormGrid(page);
  m_lblAviVideoCodec = MakeNamed<QLabel>(page, "lblAviVideoCodec");
  m_cbAviVideoCodec = MakeList(page, "cbAviVideoCodec", false);
  m_lblAviVideoThreads = MakeNamed<QLabel>(page, "lblAviVideoThreads");
  m_cbAviVideoThreads = MakeList(page, "cbAviVideoThreads", true);
  m_lblAviVideoBitrate = MakeNamed<QLabel>(page, "lblAviVideoBitrate");
  m_cbAviVideoBitrate = MakeList(page, "cbAviVideoBitrate", true);
  m_lblAviVideoBitrateUnit = MakeUnitLabel(page, "lblAviVideoBitrateUnit", "kbit/s");
  m_lblAviVideoFPS = MakeNamed<QLabel>(page, "lblAviVideoFPS");
  m_cbAviVideoFPS = MakeList(page, "cbAviVideoFPS", true);
  m_lblAviVideoAspect = MakeNamed<QLabel>(page, "lblAviVideoAspect");
  m_cbAviVideoAspect = MakeList(page, "cbAviVideoAspect", true);
  m_chAviVideo2Pass = MakeNamed<QCheckBox>(page, "chAviVideo2Pass");
  m_chAviVideoDontCopy = MakeNamed<QCheckBox>(page, "chAviVideoDontCopy");
  AddFormRow(grid, 0, m_lblAviVideoCodec, m_cbAviVideoCodec);
  AddFormRow(grid, 1, m_lblAviVideoThreads, m_cbAviVideoThreads);
  AddFormRow(grid, 2, m_lblAviVideoBitrate, m_cbAviVideoBitrate, m_lblAviVideoBitrateUnit);
  AddFormRow(grid, 3, m_lblAviVideoFPS, m_cbAviVideoFPS);
  AddFormRow(grid, 4, m_lblAviVideoAspect, m_cbAviVideoAspect);
  grid->addWidget(m_chAviVideo2Pass, 5, 0, 1, 3);
  grid->addWidget(m_chAviVideoDontCopy, 6, 0, 1, 3);
  grid->setRowStretch(7, 1);
  return page;
}

QWidget* SettingsPanel::BuildMpgPage() {
  auto* page = MakeNamed<QWidget>(this, "tsMpg");
  auto* grid = MakeFormGrid(page);
  m_lblMpgVideo = MakeNamed<QLabel>(page, "lblMpgVideo");
  m_cbMpgVideo = MakeList(page, "cbMpgVideo", false);
  m_lblMpgInfo = MakeNamed<QLabel>(page, "lblMpgInfo");
  m_lblMpgInfo->setWordWrap(true);
  m_lblMpegVersion = MakeNamed<QLabel>(page, "lblMpegVersion");
  m_cbMpegVersion = MakeList(page, "cbMpegVersion", false);
  m_lblMpgVideoBitrate = MakeNamed<QLabel>(page, "lblMpgVideoBitrate");
  m_cbMpgVideoBitrate = MakeList(page, "cbMpgVideoBitrate", true);
  m_lblMpgVideoBitrateUnit = MakeUnitLabel(page, "lblMpgVideoBitrateUnit", "kbit/s");
  m_lblMpgVideoFPS = MakeNamed<QLabel>(page, "lblMpgVideoFPS");
  m_cbMpgVideoFPS = MakeList(page, "cbMpgVideoFPS", true);
  m_chMpgVideo2Pass = MakeNamed<QCheckBox>(page, "chMpgVideo2Pass");
  m_chMpgVideoDontCopy = MakeNamed<QCheckBox>(page, "chMpgVideoDontCopy");
  AddFormRow(grid, 0, m_lblMpgVideo, m_cbMpgVideo);
  grid->addWidget(m_lblMpgInfo, 1, 1, 1, 2);
  AddFormRow(grid, 2, m_lblMpegVersion, m_cbMpegVersion);
  AddFormRow(grid, 3, m_lblMpgVideoBitrate, m_cbMpgVideoBitrate, m_lblMpgVideoBitrateUnit);
  AddFormRow(grid, 4, m_lblMpgVideoFPS, m_cbMpgVideoFPS);
  grid->addWidget(m_chMpgVideo2Pass, 5, 0, 1, 3);
  grid->addWidget(m_chMpgVideoDontCopy, 6, 0, 1, 3);
  grid->setRowStretch(7, 1);
  return page;
}

QWidget* SettingsPanel::BuildAudioPanel() {
  auto* panel = MakeNamed<QWidget>(this, "pnAudio");
  auto* outer = new QVBoxLayout(panel);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(2);
  m_lblAudioSettings = MakePanelHeader(panel, "lblAudioSettings");
  auto* body = new QWidget(panel);
  body->setObjectName(QStringLiteral("pnAudioBody"));
  auto* grid = MakeFormGrid(body);
  m_lblAudioCodec = MakeNamed<QLabel>(body, "lblAudioCodec");
  m_cbAudioCodec = MakeList(body, "cbAudioCodec", false);
  m_btnInfoAudioBitrates = MakeInfoButton(body, "btnInfoAudioBitrates");
  m_lblAudioBitrate = MakeNamed<QLabel>(body, "lblAudioBitrate");
  m_cbAudioBitrate = MakeList(body, "cbAudioBitrate", true);
  m_lblAudioBitrateUnit = MakeUnitLabel(body, "lblAudioBitrateUnit", "kbit/s");
  m_lblAudioSampling = MakeNamed<QLabel>(body, "lblAudioSampling");
  m_cbAudioSampling = MakeList(body, "cbAudioSampling", true);
  m_lblAudioSamplingUnit = MakeUnitLabel(body, "lblAudioSamplingUnit", "Hz");
  m_lblAudioChannels = MakeNamed<QLabel>(body, "lblAudioChannels");
  m_cbAudioChannels = MakeList(body, "cbAudioChannels", false);
  m_chAudioDontCopy = MakeNamed<QCheckBox>(body, "chAudioDontCopy");
  m_lblAudioVolumeInfo = MakeNamed<QLabel>(body, "lblAudioVolumeInfo");
  m_tbAudioVolume = MakeSlider(body, "tbAudioVolume", 1, 300);
  m_lblAudioVolume = MakeNamed<QLabel>(body, "lblAudioVolume");
  m_lblAudioVolume->setMinimumWidth(
      m_lblAudioVolume->fontMetrics().horizontalAdvance(QStringLiteral("8.88x")));
  AddFormRow(grid, 0, m_lblAudioCodec, m_cbAudioCodec, m_btnInfoAudioBitrates);
  AddFormRow(grid, 1, m_lblAudioBitrate, m_cbAudioBitrate, m_lblAudioBitrateUnit);
  AddFormRow(grid, 2, m_lblAudioSampling, m_cbAudioSampling, m_lblAudioSamplingUnit);
  AddFormRow(grid, 3, m_lblAudioChannels, m_cbAudioChannels);
  grid->addWidget(m_chAudioDontCopy, 4, 0, 1, 3);
  AddFormRow(grid, 5, m_lblAudioVolumeInfo, m_tbAudioVolume, m_lblAudioVolume);
  grid->setRowStretch(6, 1);
  outer->addWidget(m_lblAudioSettings);
  outer->addWidget(body, 1);
  panel->setFixedWidth(270);
  return panel;
}

}  // namespace zelmora
