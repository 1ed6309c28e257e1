#include "ui/message_box_view.h"

#include "ui/file_dialogs.h"
#include "ui/qt_text.h"

namespace zelmora {

void MessageBoxView::ShowWarning(const std::string& text) {
  MessageBoxes::ShowWarning(m_owner, ToQString(text));
}

}  // namespace zelmora
