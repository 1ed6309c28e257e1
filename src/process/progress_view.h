#pragma once

#include <string>

namespace zelmora {

// What the output handler does to the progress window while ffmpeg runs.
// The GUI's progress window and the command line each implement it; the
// conversion run's view extends it.
class ProgressView {
public:
  virtual ~ProgressView() = default;

  // Serves pending window events (the Abort button, timers, repaints).
  virtual void ProcessEvents() = 0;
  // The "Don't show encoder output" check box.
  virtual bool IsEncoderOutputHidden() const = 0;
  // The progress bar, 0 to 100.
  virtual void SetProgressPosition(int percent) = 0;
  // The status label; rich text of the subset in process/rich_text.h.
  virtual void SetStatusText(const std::string& richText) = 0;
  // Draws the status label at once rather than at the next paint.
  virtual void RepaintStatus() {}
  // The application's title in the taskbar.
  virtual void SetAppTitle(const std::string& title) = 0;
  // The progress window's caption.
  virtual void SetProgressCaption(const std::string& caption) = 0;
  // The encoder output pane.
  virtual void SetOutputText(const std::string& text) = 0;
  // Scrolls the output pane so that its last line is visible.
  virtual void ScrollOutputToBottom() = 0;
};

}  // namespace zelmora
