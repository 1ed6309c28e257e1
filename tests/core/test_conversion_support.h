#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "base/files.h"
#include "core/app_context.h"
#include "core/conversion_run.h"
#include "core/conversion_view.h"
#include "core/encoder_settings.h"
#include "core/error_log.h"
#include "core/row_source.h"
#include "support/recording_desktop_services.h"
#include "support/temp_dir.h"

namespace zelmora::test {

// Rows given as full paths; every row checked unless said otherwise.
class TestRows : public RowSource {
public:
  struct Row {
    std::string path;
    bool checked = true;
    std::string status = "Ready";
    std::optional<TColor> colour;
  };
  std::vector<Row> rows;

  void Add(const std::string& path, bool checked = true) { rows.push_back({path, checked}); }
  int RowCount() const override { return static_cast<int>(rows.size()); }
  bool IsRowChecked(int row) const override { return Valid(row) && rows[row].checked; }
  std::string RowFullFileName(int row) const override { return Valid(row) ? rows[row].path : ""; }
  void SetRowStatus(int row, const std::string& text, std::optional<TColor> colour) override {
    if (!Valid(row)) return;
    rows[row].status = text;
    rows[row].colour = colour;
    statusLog.push_back(std::to_string(row) + ":" + text);
  }
  std::vector<std::string> Statuses() const {
    std::vector<std::string> out;
    for (const Row& row : rows) out.push_back(row.status);
    return out;
  }
  std::vector<std::string> statusLog;

private:
  bool Valid(int row) const { return row >= 0 && row < RowCount(); }
};

// Records what the run shows; the error log is kept as the window's pane.
class RecordingConversionView : public ConversionView {
public:
  void ProcessEvents() override {
    ++eventPumps;
    if (onEvents) onEvents();
  }
  bool IsEncoderOutputHidden() const override { return false; }
  void SetProgressPosition(int percent) override { progress.push_back(percent); }
  void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
  void SetAppTitle(const std::string& title) override { appTitle = title; }
  void SetProgressCaption(const std::string& caption) override { progressCaption = caption; }
  void SetOutputText(const std::string& text) override { outputText = text; }
  void ScrollOutputToBottom() override {}
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  void DisableAll() override { calls.push_back("DisableAll"); }
  void EnableAll() override { calls.push_back("EnableAll"); }
  void CloseMainWindow() override { calls.push_back("CloseMainWindow"); }
  void ShowProgressWindow() override { calls.push_back("ShowProgressWindow"); }
  bool IsCloseAfterConversion() const override { return closeAfterConversion; }
  void HideProgressWindow() override { calls.push_back("HideProgressWindow"); }
  void SetAbortCaption(const std::string& text) override { abortCaption = text; }
  void SetFileProgressVisible(bool visible) override { progressVisible = visible; }
  void SetInputFileText(const std::string& text) override { inputTexts.push_back(text); }
  void SetOutputFileText(const std::string& text) override { outputLabels.push_back(text); }
  void SetStatusColour(std::optional<TColor> colour) override { statusColour = colour; }
  void ClearErrorLog() override { errorLog.Clear(); }
  void AddErrorRecord(const std::string& text) override {
    errorLog.AddRecordText(text);
    ++records;
  }
  void SetErrorLogCaption(const std::string& caption) override { errorCaption = caption; }
  void ShowErrorLog() override { calls.push_back("ShowErrorLog"); }

  std::function<void()> onEvents;
  int eventPumps = 0;
  std::vector<int> progress;
  std::vector<std::string> statusTexts, warnings, calls, inputTexts, outputLabels;
  std::string appTitle, progressCaption, outputText, abortCaption, errorCaption;
  bool closeAfterConversion = true;
  bool progressVisible = true;
  std::optional<TColor> statusColour;
  ErrorLog errorLog;
  int records = 0;
};

// One call of the stand-in ffmpeg: its working folder and arguments.
struct RecordedCall {
  std::string cwd;
  std::vector<std::string> args;
  bool IsProbe() const { return args.size() <= 2 || args[0] == "-hide_banner"; }
};

// A stand-in ffmpeg: a bash script that records every call and then does
// what `behaviour` (bash, run with the call's arguments) says; by default
// it writes a few bytes to the output file (the last argument). Probes
// ("-i FILE") fail the way ffmpeg does without an output.
class FakeFfmpeg {
public:
  FakeFfmpeg(const TempDir& dir, const std::string& behaviour = "",
             const std::string& realFfmpeg = "")
      : m_log(dir.file("ffmpeg-calls.log")), path(dir.file("fake-bin/ffmpeg")) {
    std::string script = "#!/bin/bash\n{ printf '%s\\0' \"$PWD\" \"$@\"; printf '\\1\\0'; } >> '" +
                         m_log + "'\nlast=\"${!#}\"\n";
    if (!realFfmpeg.empty()) {
      script += "exec '" + realFfmpeg + "' \"$@\"\n";
    } else {
      script += "[ \"$1\" = -hide_banner ] && exit 0\n";
      script +=
          "[ $# -le 2 ] && { echo 'At least one output file must be specified' >&2; exit 1; }\n";
      script += behaviour + "\nprintf 'data' > \"$last\"\nexit 0\n";
    }
    dir.write("fake-bin/ffmpeg", script);
    chmod(path.c_str(), 0755);
  }

  std::vector<RecordedCall> Calls() const {
    std::vector<RecordedCall> calls;
    Result<std::string> text = ReadWholeFile(m_log);
    if (!text) return calls;
    RecordedCall call;
    bool cwdRead = false;
    const std::string& all = text.value();
    for (size_t pos = 0; pos < all.size();) {
      size_t end = all.find('\0', pos);
      std::string part = all.substr(pos, end - pos);
      pos = end + 1;
      if (part == "\1") {
        calls.push_back(call);
        call = {};
        cwdRead = false;
      } else if (!cwdRead) {
        call.cwd = part;
        cwdRead = true;
      } else {
        call.args.push_back(part);
      }
    }
    return calls;
  }
  std::vector<RecordedCall> EncodeCalls() const {
    std::vector<RecordedCall> calls;
    for (const RecordedCall& call : Calls())
      if (!call.IsProbe()) calls.push_back(call);
    return calls;
  }
  std::vector<std::string> ProbedFiles() const {
    std::vector<std::string> files;
    for (const RecordedCall& call : Calls())
      if (call.args.size() == 2 && call.args[0] == "-i") files.push_back(call.args[1]);
    return files;
  }
  void ClearLog() const { (void)RemoveFile(m_log); }

private:
  std::string m_log;

public:
  std::string path;
};

// A conversion run over the test rows and view, with the waits left out.
struct ConversionHarness {
  explicit ConversionHarness(const std::string& ffmpeg) {
    context.AppParams.ffmpeg = ffmpeg;
    context.AppParams.ColorOK = {0x1F, 0x6C, 0xE0};
    context.AppParams.ColorError = {0xE2, 0x35, 0x1D};
    SetDefaultParams(settings, 0, context.Strings);
    run.SetWait([](std::chrono::milliseconds) {});
    run.SetToolSearch({"/nonexistent/zelmora/bin", "", {}});
  }
  TConversionOutcome Convert() { return run.actConvert({settings, options, resolutions}); }
  TConversionOutcome SaveBAT(const std::string& file) {
    return run.actSaveBAT({settings, options, resolutions}, file);
  }

  AppContext context;
  TestRows rows;
  RecordingConversionView view;
  ConsoleRunner runner;
  AbortController abort{context.ConversionState, runner};
  RecordingDesktopServices desktop;
  EncoderListCache encoders{runner};
  EncoderSettings settings;
  OutputOptions options;
  std::vector<std::string> resolutions;
  ConversionRun run{context, rows, view, runner, abort, desktop, encoders};
};

}  // namespace zelmora::test
