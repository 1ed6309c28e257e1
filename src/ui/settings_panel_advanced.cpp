#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/profile_selector.h"
#include "ui/settings_panel.h"
#include "ui/settings_panel_widgets.h"

namespace zelmora {

namespace {

QHBoxLayout* RowLayout(QWidget* parent) {
  auto* layout = new QHBoxLayout(parent);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(6);
  return layout;
}

}  // namespace

QWidget* SettingsPanel::BuildAdvancedPanel() {
  auto* panel = new QWidget(this);
  auto* outer = new QVBoxLayout(panel);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(2);
  m_lblAdvancedSettings = MakePanelHeader(panel, "lblAdvancedSettings");
  m_pnAdvancedSettings = MakeNamed<QScrollArea>(panel, "pnAdvancedSettings");
  m_pnAdvancedSettings->setWidgetResizable(true);
  m_pnAdvancedSettings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* body = new QWidget(m_pnAdvancedSettings);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(6);

  m_gbAudioTrackNo = MakeNamed<QGroupBox>(body, "gbAudioTrackNo");
  m_cbAudioTrackNo = MakeList(m_gbAudioTrackNo, "cbAudioTrackNo", false);
  RowLayout(m_gbAudioTrackNo)->addWidget(m_cbAudioTrackNo);

  m_gbResolution = MakeNamed<QGroupBox>(body, "gbResolution");
  auto* res = MakeFormGrid(m_gbResolution);
  m_cbResolution = MakeNamed<GradientComboBox>(m_gbResolution, "cbResolution");
  m_cbResolution->setMaxVisibleItems(20);
  m_lblResWidth = MakeNamed<QLabel>(m_gbResolution, "lblResWidth");
  m_edResWidth = MakeSpin(m_gbResolution, "edResWidth", 2, 30000, 2);
  m_lblResX = MakeUnitLabel(m_gbResolution, "lblResX", "X");
  m_lblResHeight = MakeNamed<QLabel>(m_gbResolution, "lblResHeight");
  m_edResHeight = MakeSpin(m_gbResolution, "edResHeight", 2, 30000, 2);
  res->addWidget(m_cbResolution, 0, 0, 1, 5);
  res->addWidget(m_lblResWidth, 1, 0);
  res->addWidget(m_lblResHeight, 1, 3, 1, 2);
  res->addWidget(m_edResWidth, 2, 0, 1, 2);
  res->addWidget(m_lblResX, 2, 2);
  res->addWidget(m_edResHeight, 2, 3, 1, 2);

  m_gbInterlacing = MakeNamed<QGroupBox>(body, "gbInterlacing");
  m_cbInterlacing = MakeList(m_gbInterlacing, "cbInterlacing", false);
  RowLayout(m_gbInterlacing)->addWidget(m_cbInterlacing);

  auto* params = new QWidget(body);
  auto* paramsLayout = new QGridLayout(params);
  paramsLayout->setContentsMargins(0, 0, 0, 0);
  m_lblFFmpegParams = MakeNamed<QLabel>(params, "lblFFmpegParams");
  m_lblFFmpegParams->setWordWrap(true);
  m_meParams = MakeNamed<QPlainTextEdit>(params, "meParams");
  m_meParams->setFixedHeight(60);
  m_btnFFParams = MakeInfoButton(params, "btnFFParams");
  paramsLayout->addWidget(m_lblFFmpegParams, 0, 0);
  paramsLayout->addWidget(m_btnFFParams, 0, 1);
  paramsLayout->addWidget(m_meParams, 1, 0, 1, 2);

  layout->addWidget(m_gbAudioTrackNo);
  layout->addWidget(m_gbResolution);
  layout->addWidget(BuildFilterGroup());
  layout->addWidget(BuildCroppingGroup());
  layout->addWidget(m_gbInterlacing);
  layout->addWidget(BuildVideoTagGroup());
  layout->addWidget(params);
  layout->addStretch(1);
  m_pnAdvancedSettings->setWidget(body);
  outer->addWidget(m_lblAdvancedSettings);
  outer->addWidget(m_pnAdvancedSettings, 1);
  panel->setMinimumWidth(240);
  return panel;
}

QWidget* SettingsPanel::BuildFilterGroup() {
  auto* group = MakeNamed<QGroupBox>(this, "pnVideoFilters");
  auto* grid = MakeFormGrid(group);
  m_chConvertColors = MakeNamed<QCheckBox>(group, "chConvertColors");
  m_cbConvertColors = MakeList(group, "cbConvertColors", false);
  m_chBrightness = MakeNamed<QCheckBox>(group, "chBrightness");
  m_tbBrightness = MakeSlider(group, "tbBrightness", -20, 20);
  m_lblBrightness = MakeNamed<QLabel>(group, "lblBrightness");
  m_chSaturation = MakeNamed<QCheckBox>(group, "chSaturation");
  m_tbSaturation = MakeSlider(group, "tbSaturation", 1, 30);
  m_lblSaturation = MakeNamed<QLabel>(group, "lblSaturation");
  m_chFlipHorizontal = MakeNamed<QCheckBox>(group, "chFlipHorizontal");
  m_chFlipVertical = MakeNamed<QCheckBox>(group, "chFlipVertical");
  m_chNegative = MakeNamed<QCheckBox>(group, "chNegative");
  m_chRotate = MakeNamed<QCheckBox>(group, "chRotate");
  m_cbRotate = MakeList(group, "cbRotate", true);
  for (QLabel* value : {m_lblBrightness, m_lblSaturation})
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-0.00")));
  AddFormRow(grid, 0, m_chConvertColors, m_cbConvertColors);
  AddFormRow(grid, 1, m_chBrightness, m_tbBrightness, m_lblBrightness);
  AddFormRow(grid, 2, m_chSaturation, m_tbSaturation, m_lblSaturation);
  grid->addWidget(m_chFlipHorizontal, 3, 0, 1, 3);
  grid->addWidget(m_chFlipVertical, 4, 0, 1, 3);
  grid->addWidget(m_chNegative, 5, 0, 1, 3);
  AddFormRow(grid, 6, m_chRotate, m_cbRotate);
  return group;
}

QWidget* SettingsPanel::BuildCroppingGroup() {
  m_gbCropping = MakeNamed<QGroupBox>(this, "gbCropping");
  auto* grid = MakeFormGrid(m_gbCropping);
  static const char* const labelNames[4] = {"lblCropTop", "lblCropBottom", "lblCropLeft",
                                            "lblCropRight"};
  static const char* const fieldNames[4] = {"edCropTop", "edCropBottom", "edCropLeft",
                                            "edCropRight"};
  for (int i = 0; i < 4; ++i) {
    m_lblCrop[i] = MakeNamed<QLabel>(m_gbCropping, labelNames[i]);
    m_edCrop[i] = MakeSpin(m_gbCropping, fieldNames[i], 0, 5000, 8);
    grid->addWidget(m_lblCrop[i], i / 2, (i % 2) * 2);
    grid->addWidget(m_edCrop[i], i / 2, (i % 2) * 2 + 1);
  }
  grid->setColumnStretch(3, 1);
  return m_gbCropping;
}

QWidget* SettingsPanel::BuildVideoTagGroup() {
  m_gbVideoTag = MakeNamed<QGroupBox>(this, "gbVideoTag");
  auto* row = RowLayout(m_gbVideoTag);
  m_chVideoFourcc = MakeNamed<QCheckBox>(m_gbVideoTag, "chVideoFourcc");
  m_lblFourcc = MakeUnitLabel(m_gbVideoTag, "lblFourcc", "(fourcc):");
  m_cbVideoTag = MakeList(m_gbVideoTag, "cbVideoTag", true);
  m_cbVideoTag->setMinimumContentsLength(5);
  m_btnInfoFourcc = MakeInfoButton(m_gbVideoTag, "btnInfoFourcc");
  row->addWidget(m_chVideoFourcc);
  row->addWidget(m_lblFourcc);
  row->addWidget(m_cbVideoTag, 1);
  row->addWidget(m_btnInfoFourcc);
  return m_gbVideoTag;
}

}  // namespace zelmora
