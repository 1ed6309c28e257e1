#include "ui/gui_conversion_view.h"

#include <QCoreApplication>

#include "ui/file_dialogs.h"
#include "ui/file_list_view.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/qt_text.h"

namespace zelmora {

GuiConversionView::GuiConversionView(FormProgress& progress, FormErrors& errors, FileListView* grid,
                                     GuiConversionCallbacks callbacks)
    : m_progress(progress), m_errors(errors), m_grid(grid), m_callbacks(std::move(callbacks)) {}

void GuiConversionView::ProcessEvents() {
  m_progress.ProcessEvents();
}
bool GuiConversionView::IsEncoderOutputHidden() const {
  return m_progress.IsEncoderOutputHidden();
}
void GuiConversionView::SetProgressPosition(int percent) {
  m_progress.SetProgressPosition(percent);
}
void GuiConversionView::SetStatusText(const std::string& richText) {
  m_progress.SetStatusText(richText);
}
void GuiConversionView::RepaintStatus() {
  m_progress.RepaintStatus();
}

void GuiConversionView::SetAppTitle(const std::string& title) {
  if (m_callbacks.SetAppTitle) {
    m_callbacks.SetAppTitle(title);
  } else {
    m_progress.SetAppTitle(title);
  }
}

void GuiConversionView::SetProgressCaption(const std::string& caption) {
  m_progress.SetProgressCaption(caption);
}
void GuiConversionView::SetOutputText(const std::string& text) {
  m_progress.SetOutputText(text);
}
void GuiConversionView::ScrollOutputToBottom() {
  m_progress.ScrollOutputToBottom();
}

void GuiConversionView::ShowWarning(const std::string& text) {
  if (m_callbacks.ShowWarning) {
    m_callbacks.ShowWarning(text);
  } else {
    MessageBoxes::ShowWarning(m_progress.isVisible() ? &m_progress : m_progress.parentWidget(),
                              ToQString(text));
  }
}

void GuiConversionView::DisableAll() {
  if (m_callbacks.DisableAll) m_callbacks.DisableAll();
}

void GuiConversionView::EnableAll() {
  if (m_callbacks.EnableAll) m_callbacks.EnableAll();
}

void GuiConversionView::CloseMainWindow() {
  if (m_callbacks.CloseMainWindow) m_callbacks.CloseMainWindow();
}

void GuiConversionView::ShowProgressWindow() {
  m_progress.ShowCentred();
}
bool GuiConversionView::IsCloseAfterConversion() const {
  return m_progress.IsCloseAfterConversion();
}
void GuiConversionView::HideProgressWindow() {
  m_progress.hide();
}
void GuiConversionView::SetAbortCaption(const std::string& text) {
  m_progress.SetAbortCaption(text);
}
void GuiConversionView::SetFileProgressVisible(bool visible) {
  m_progress.SetFileProgressVisible(visible);
}

void GuiConversionView::SetInputFileText(const std::string& text) {
  m_progress.SetInputFileText(text);
}
void GuiConversionView::SetOutputFileText(const std::string& richText) {
  m_progress.SetOutputFileText(richText);
}
void GuiConversionView::SetStatusColour(std::optional<TColor> colour) {
  m_progress.SetStatusColour(colour);
}

void GuiConversionView::FileFinished(const TFinishedFile& file) {
  if (m_grid == nullptr) return;
  m_grid->RowChanged(file.Row);
}

void GuiConversionView::ClearErrorLog() {
  m_errors.ClearErrorLog();
}
void GuiConversionView::AddErrorRecord(const std::string& recordText) {
  m_errors.AddErrorRecord(recordText);
}
void GuiConversionView::SetErrorLogCaption(const std::string& caption) {
  m_errors.SetCaption(caption);
}
void GuiConversionView::ShowErrorLog() {
  m_errors.ShowCentred();
}

}  // namespace zelmora
