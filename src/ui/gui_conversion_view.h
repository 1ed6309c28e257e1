#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/conversion_view.h"

class QWidget;

namespace zelmora {

class FileListView;
class FormErrors;
class FormProgress;

// What the conversion run does to the main window itself; the main window
// fills these in. A missing callback does nothing (a warning without one
// goes to a warning box over the progress window).
struct GuiConversionCallbacks {
  std::function<void()> DisableAll;
  std::function<void()> EnableAll;
  std::function<void()> CloseMainWindow;
  std::function<void(const std::string&)> SetAppTitle;  // the taskbar title
  std::function<void(const std::string&)> ShowWarning;
};

// The conversion run shown in the windows: the progress window, the error
// log, the grid's status cells (the list tells the grid; this keeps the row
// being worked on in view) and the main window through the callbacks.
// QApplication::processEvents is the event pump between ffmpeg's lines.
class GuiConversionView : public ConversionView {
public:
  // grid may be null (no row is scrolled into view then).
  GuiConversionView(FormProgress& progress, FormErrors& errors, FileListView* grid,
                    GuiConversionCallbacks callbacks);

  // ProgressView
  void ProcessEvents() override;
  bool IsEncoderOutputHidden() const override;
  void SetProgressPosition(int percent) override;
  void SetStatusText(const std::string& richText) override;
  void RepaintStatus() override;
  void SetAppTitle(const std::string& title) override;
  void SetProgressCaption(const std::string& caption) override;
  void SetOutputText(const std::string& text) override;
  void ScrollOutputToBottom() override;
  // MessageView
  void ShowWarning(const std::string& text) override;
  // ConversionView
  void DisableAll() override;
  void EnableAll() override;
  void CloseMainWindow() override;
  void ShowProgressWindow() override;
  bool IsCloseAfterConversion() const override;
  void HideProgressWindow() override;
  void SetAbortCaption(const std::string& text) override;
  void SetFileProgressVisible(bool visible) override;
  void SetInputFileText(const std::string& text) override;
  void SetOutputFileText(const std::string& richText) override;
  void SetStatusColour(std::optional<TColor> colour) override;
  void FileFinished(const TFinishedFile& file) override;
  void ClearErrorLog() override;
  void AddErrorRecord(const std::string& recordText) override;
  void SetErrorLogCaption(const std::string& caption) override;
  void ShowErrorLog() override;

private:
  FormProgress& m_progress;
  FormErrors& m_errors;
  FileListView* m_grid;
  GuiConversionCallbacks m_callbacks;
};

}  // namespace zelmora
