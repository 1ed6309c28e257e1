#pragma once

#include <functional>
#include <string>
#include <vector>

#include "process/progress_view.h"

namespace zelmora::test {

// A progress window that remembers what it was told.
class RecordingProgressView : public ProgressView {
public:
  bool outputHidden = false;
  int processEventsCalls = 0;
  std::function<void()> onProcessEvents;  // what the "user" does while events are served
  std::vector<int> positions;
  std::string status;
  std::string title;
  std::string caption;
  std::string pane;
  int scrolls = 0;

  void ProcessEvents() override {
    ++processEventsCalls;
    if (onProcessEvents) onProcessEvents();
  }
  bool IsEncoderOutputHidden() const override { return outputHidden; }
  void SetProgressPosition(int percent) override { positions.push_back(percent); }
  void SetStatusText(const std::string& richText) override { status = richText; }
  void SetAppTitle(const std::string& text) override { title = text; }
  void SetProgressCaption(const std::string& text) override { caption = text; }
  void SetOutputText(const std::string& text) override { pane = text; }
  void ScrollOutputToBottom() override { ++scrolls; }
};

}  // namespace zelmora::test
