#pragma once

#include <optional>
#include <string>

#include "core/app_params.h"
#include "core/message_view.h"
#include "process/progress_view.h"

namespace zelmora {

// Everything a conversion run does to the windows around it: the progress
// window (through ProgressView, which the output handler drives too), the
// warning boxes, the error log, the main window's enabled state and its
// closing. The GUI and the command line each implement it; the run never
// knows which one it talks to.
// A file the run is done with (converted, failed, aborted or skipped).
struct TFinishedFile {
  int Row = 0;
  std::string Input;
  std::string Output;
  std::string Status;
  bool Success = false;
};

class ConversionView : public ProgressView, public MessageView {
public:
  // --- main window -----------------------------------------------------
  // Every action of the main window off while a run goes on, and back on.
  virtual void DisableAll() = 0;
  virtual void EnableAll() = 0;
  // The after-conversion action "Close application" (and the end of
  // "Close Windows"): the program ends through its normal close.
  virtual void CloseMainWindow() = 0;

  // --- progress window -------------------------------------------------
  virtual void ShowProgressWindow() = 0;
  // The "Close after conversion" check box.
  virtual bool IsCloseAfterConversion() const = 0;
  // Hides the progress window at the end of a run (a minimized main window
  // stays minimized).
  virtual void HideProgressWindow() = 0;
  // The Abort action's and button's text ("Abort" during a run, "Close").
  virtual void SetAbortCaption(const std::string& text) = 0;
  // The bar and its "Progress:" label; hidden when the output has no video.
  virtual void SetFileProgressVisible(bool visible) = 0;
  // The number of the file being worked on and the count of checked files.
  virtual void SetFileCounter(int fileNo, int fileCount) {
    (void)fileNo;
    (void)fileCount;
  }
  virtual void SetInputFileText(const std::string& text) = 0;
  virtual void SetOutputFileText(const std::string& richText) = 0;
  // The status label's text colour; none is the window's ordinary colour.
  virtual void SetStatusColour(std::optional<TColor> colour) = 0;
  // One file is finished: its row, its status and whether it succeeded.
  virtual void FileFinished(const TFinishedFile& file) { (void)file; }

  // --- error log -------------------------------------------------------
  virtual void ClearErrorLog() = 0;
  // Appends one record (its lines each ended by "\n").
  virtual void AddErrorRecord(const std::string& recordText) = 0;
  virtual void SetErrorLogCaption(const std::string& caption) = 0;
  virtual void ShowErrorLog() = 0;
};

}  // namespace zelmora
