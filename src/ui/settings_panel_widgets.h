#pragma once

#include <QString>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QWidget;

namespace zelmora {

// Small makers for the panel's controls: each gets its name as objectName,
// which is also the key of its interface string.

template <typename W>
W* MakeNamed(QWidget* parent, const char* name) {
  auto* widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QComboBox* MakeList(QWidget* parent, const char* name, bool editable);
QLabel* MakeUnitLabel(QWidget* parent, const char* name, const char* text);
QLabel* MakePanelHeader(QWidget* parent, const char* name);
QPushButton* MakeInfoButton(QWidget* parent, const char* name);
QSlider* MakeSlider(QWidget* parent, const char* name, int minimum, int maximum);
QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int step);
QGridLayout* MakeFormGrid(QWidget* parent);
// Label, field and an optional unit label or button in one grid row.
void AddFormRow(QGridLayout* grid, int row, QWidget* label, QWidget* field,
                QWidget* extra = nullptr);

}  // namespace zelmora
