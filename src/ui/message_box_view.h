#pragma once

#include <QPointer>
#include <QWidget>

#include "core/message_view.h"

namespace zelmora {

// Messages of the core shown as modal, top-most warning boxes titled
// "Zelmora" over the owner window.
class MessageBoxView : public MessageView {
public:
  explicit MessageBoxView(QWidget* owner) : m_owner(owner) {}
  void ShowWarning(const std::string& text) override;

private:
  QPointer<QWidget> m_owner;
};

}  // namespace zelmora
