#include "ui/profile_selector.h"

#include <QAbstractItemView>
#include <QLinearGradient>
#include <QPainter>
#include <QStylePainter>

#include "config/profile_colors.h"
#include "ui/qt_text.h"

namespace zelmora {

namespace {

constexpr int ItemHeight = 26;
constexpr int VisibleItems = 14;
constexpr int LookRole = Qt::UserRole + 40;

QColor ToQColor(TColor c) {
  return QColor(c.r, c.g, c.b);
}

TColor FromQColor(const QColor& c) {
  return TColor{static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
                static_cast<uint8_t>(c.blue())};
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

TItemLook LookOf(const QModelIndex& index) {
  const QVariant data = index.data(LookRole);
  if (!data.isValid()) return {};
  const QList<QVariant> v = data.toList();
  return TItemLook{FromQColor(v.value(0).value<QColor>()), FromQColor(v.value(1).value<QColor>()),
                   v.value(2).toBool()};
}

void PaintItem(QPainter* painter, const QRect& rect, const TItemLook& look, bool selected,
               bool open, const QPalette& palette, const QString& text, const QFont& baseFont) {
  TColor top = LightenColor(look.Background, 4);
  TColor bottom = look.Background;
  TColor textColour = look.Text;
  if (selected) {
    top = FromQColor(palette.color(QPalette::Highlight));
    bottom = DarkenColor(top, 15);
    textColour = FromQColor(palette.color(QPalette::HighlightedText));
  }
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, ToQColor(top));
  gradient.setColorAt(1, ToQColor(bottom));
  painter->fillRect(rect, gradient);
  if (open) {
    painter->setPen(ToQColor(DarkenColor(look.Background, 6)));
    painter->drawLine(rect.topLeft(), rect.topRight());
  }
  QFont font = baseFont;
  font.setBold(look.Bold);
  painter->setFont(font);
  painter->setPen(ToQColor(textColour));
  const QRect textRect = rect.adjusted(4, 0, -2, 0);
  QString shown = text;
  shown.replace(QLatin1Char('\t'), QStringLiteral("    "));
  if (shown.contains(QLatin1Char('\n')))
    painter->drawText(textRect.adjusted(0, 2, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
  else
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
}

}  // namespace

TItemLook ResolutionItemLook(int index, const std::string& text) {
  TItemLook look{{248, 248, 248}, {0, 0, 0}, index == 0 || index == 1};
  bool aspectRule = true;
  if (Contains(text, "%")) {
    look.Background = {251, 244, 198};
  } else if (Contains(text, "16:9") || Contains(text, "16/9")) {
    look.Background = {67, 126, 90};
    look.Text = {240, 240, 240};
  } else if ((Contains(text, "4:3") || Contains(text, "4/3")) && !Contains(text, "64")) {
    look.Background = {232, 193, 193};
    look.Text = {20, 20, 20};
  } else {
    aspectRule = false;
  }
  if (index == 1 && !aspectRule) {
    look.Background = {91, 91, 91};
    look.Text = {220, 220, 220};
  }
  return look;
}

TItemLook ProfileItemLook(const TProfileSelectorItem& item) {
  TItemLook look{item.Background, item.TextColor, item.Bold};
  if (look.Background == ProfileWhite && look.Text == ProfileWhite) {
    look.Background = {236, 244, 238};
    look.Text = {0, 0, 0};
  }
  if (look.Background == look.Text) {
    look.Background = {51, 51, 51};
    look.Text = {230, 230, 230};
  }
  return look;
}

void GradientItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  painter->save();
  PaintItem(painter, option.rect, LookOf(index), option.state & QStyle::State_Selected, true,
            option.palette, index.data(Qt::DisplayRole).toString(), option.font);
  painter->restore();
}

QSize GradientItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.setHeight(ItemHeight);
  return size;
}

GradientComboBox::GradientComboBox(QWidget* parent) : QComboBox(parent) {
  setItemDelegate(new GradientItemDelegate(this));
  setMaxVisibleItems(VisibleItems);
}

void GradientComboBox::SetItemLook(int index, const TItemLook& look) {
  setItemData(index, QList<QVariant>{ToQColor(look.Background), ToQColor(look.Text), look.Bold},
              LookRole);
}

void GradientComboBox::paintEvent(QPaintEvent* event) {
  if (isEditable() || currentIndex() < 0 || !isEnabled()) {
    QComboBox::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const TItemLook look = LookOf(model()->index(currentIndex(), modelColumn(), rootModelIndex()));
  QString text = currentText();
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  PaintItem(&painter, field, look, false, false, palette(), text, font());
}

ProfileSelector::ProfileSelector(QWidget* parent) : GradientComboBox(parent) {
  setObjectName(QStringLiteral("cbProfileNew"));
}

void ProfileSelector::SetItems(const std::vector<TProfileSelectorItem>& items) {
  clear();
  for (size_t i = 0; i < items.size(); ++i) {
    addItem(ToQString(items[i].Text));
    SetItemLook(static_cast<int>(i), ProfileItemLook(items[i]));
  }
}

void ProfileSelector::SetFixedItemTexts(const std::string& lastSession,
                                        const std::string& defaults) {
  if (count() <= 1) return;
  const int chosen = currentIndex() < 0 ? 0 : currentIndex();
  setItemText(0, ToQString(lastSession));
  setItemText(1, ToQString(defaults));
  setCurrentIndex(chosen);
}

}  // namespace zelmora
