#include "ui/settings_panel_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace zelmora {

QComboBox* MakeList(QWidget* parent, const char* name, bool editable) {
  auto* list = MakeNamed<QComboBox>(parent, name);
  list->setEditable(editable);
  if (editable) list->setInsertPolicy(QComboBox::NoInsert);
  list->setMaxVisibleItems(20);
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(8);
  return list;
}

QLabel* MakeUnitLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = MakeNamed<QLabel>(parent, name);
  label->setText(QString::fromLatin1(text));
  return label;
}

QLabel* MakePanelHeader(QWidget* parent, const char* name) {
  auto* label = MakeNamed<QLabel>(parent, name);
  label->setStyleSheet(QStringLiteral(
      "QLabel { background: #dfe9e2; color: #203028; font-weight: bold; padding: 2px 6px; }"));
  return label;
}

QPushButton* MakeInfoButton(QWidget* parent, const char* name) {
  auto* button = MakeNamed<QPushButton>(parent, name);
  button->setText(QStringLiteral("Info"));
  button->setAutoDefault(false);
  button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Info")) + 20);
  return button;
}

QSlider* MakeSlider(QWidget* parent, const char* name, int minimum, int maximum) {
  auto* slider = MakeNamed<QSlider>(parent, name);
  slider->setOrientation(Qt::Horizontal);
  slider->setRange(minimum, maximum);
  return slider;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int step) {
  auto* spin = MakeNamed<QSpinBox>(parent, name);
  spin->setRange(minimum, maximum);
  spin->setSingleStep(step);
  return spin;
}

QGridLayout* MakeFormGrid(QWidget* parent) {
  auto* grid = new QGridLayout(parent);
  grid->setContentsMargins(6, 6, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);
  grid->setColumnStretch(1, 1);
  return grid;
}

void AddFormRow(QGridLayout* grid, int row, QWidget* label, QWidget* field, QWidget* extra) {
  grid->addWidget(label, row, 0);
  if (extra) {
    grid->addWidget(field, row, 1);
    grid->addWidget(extra, row, 2);
  } else {
    grid->addWidget(field, row, 1, 1, 2);
  }
}

}  // namespace zelmora
