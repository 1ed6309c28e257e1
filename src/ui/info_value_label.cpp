#include "ui/info_value_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace zelmora {

InfoValueLabel::InfoValueLabel(QWidget* parent) : QLabel(parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  setTextFormat(Qt::PlainText);
}

void InfoValueLabel::SetValue(const QString& value) {
  setText(value);
  setToolTip(value);
}

void InfoValueLabel::MakeLink() {
  m_link = true;
  QFont linkFont = font();
  linkFont.setUnderline(true);
  setFont(linkFont);
  setCursor(Qt::PointingHandCursor);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colours.color(QPalette::Link));
  setPalette(colours);
}

QSize InfoValueLabel::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

void InfoValueLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                        shown, foregroundRole());
}

void InfoValueLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (m_link && event->button() == Qt::LeftButton && !text().isEmpty() &&
      rect().contains(event->position().toPoint()))
    emit Clicked();
}

}  // namespace zelmora
