#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "config/profile_list.h"
#include "core/app_params.h"

namespace zelmora {

// How one item of an owner-drawn list looks.
struct TItemLook {
  TColor Background{236, 244, 238};
  TColor Text{0, 0, 0};
  bool Bold = false;
};

// The resolution list's colours: "%" entries, 16:9 and 4:3 entries, Custom.
TItemLook ResolutionItemLook(int index, const std::string& text);
// The selector's colours for a profile item: white on white means "not
// set" and takes the fixed items' colours; equal colours become light on dark.
TItemLook ProfileItemLook(const TProfileSelectorItem& item);

// Draws an item as both lists do: a top-down gradient from the colour
// lightened by 4 % to the colour itself (highlight colour darkened by 15 %
// for the selected item), the text 4 pixels from the left.
class GradientItemDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A list drawn with the gradient items; closed, it shows the chosen item's
// colours.
class GradientComboBox : public QComboBox {
  Q_OBJECT

public:
  explicit GradientComboBox(QWidget* parent = nullptr);
  void SetItemLook(int index, const TItemLook& look);

protected:
  void paintEvent(QPaintEvent* event) override;
};

// The profile selector (cbProfileNew): the two fixed items and the profiles.
class ProfileSelector : public GradientComboBox {
  Q_OBJECT

public:
  explicit ProfileSelector(QWidget* parent = nullptr);
  // Replaces every item; selects none (the caller chooses).
  void SetItems(const std::vector<TProfileSelectorItem>& items);
  // The two fixed items' texts after a language change, keeping the choice.
  void SetFixedItemTexts(const std::string& lastSession, const std::string& defaults);
};

}  // namespace zelmora
