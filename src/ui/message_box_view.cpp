#include "ui/message_box_view.h"

#include <QMessageBox>

#include "base/text.h"
#include "core/program_title.h"
#include "ui/qt_text.h"

namespace zelmora {

void MessageBoxView::ShowWarning(const std::string& text) {
  // Interface strings end their lines with CR LF; Qt wants LF alone.
  QMessageBox box(QMessageBox::Warning, ToQString(ProgramName),
                  ToQString(ReplaceAll(text, "\r\n", "\n")), QMessageBox::Ok, m_owner);
  box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  box.exec();
}

}  // namespace zelmora
