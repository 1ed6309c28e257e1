#include "ui/window_strip.h"

#include <QFrame>
#include <QPalette>

namespace zelmora {

QFrame* MakeWindowStrip(QWidget* parent, const char* name, bool lineAbove) {
  auto* strip = new QFrame(parent);
  strip->setObjectName(QLatin1String(name));
  strip->setFrameShape(QFrame::NoFrame);
  strip->setAutoFillBackground(true);
  strip->setStyleSheet(
      QStringLiteral("QFrame#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                     "stop:0 #F7F7F7, stop:1 #E9E9E9); %2 }")
          .arg(QLatin1String(name),
               lineAbove ? QStringLiteral("border-top: 1px solid #C8C8C8;") : QString()));
  return strip;
}

void KeepSelectionVisible(QWidget* pane) {
  QPalette palette = pane->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight,
                   palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  pane->setPalette(palette);
}

}  // namespace zelmora
