#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "core/app_context.h"
#include "core/conversion_run.h"
#include "core/encoder_settings.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_model.h"
#include "process/abort_controller.h"
#include "process/console_runner.h"
#include "process/encoder_list.h"
#include "support/recording_desktop_services.h"
#include "support/temp_dir.h"
#include "ui/file_list_view.h"
#include "ui/form_errors.h"
#include "ui/form_progress.h"
#include "ui/gui_conversion_view.h"

namespace zelmora::test {

// A stand-in ffmpeg: answers the encoder-list and probe calls the way
// ffmpeg does without an output, and hands every encoding to the compiled
// fake encoder with the given commands (see tests/support/fake_encoder).
inline std::string WriteFakeFfmpeg(const TempDir& dir, const std::string& encoderCommands) {
  const std::string script =
      "#!/bin/bash\n"
      "[ \"$1\" = -hide_banner ] && exit 0\n"
      "[ $# -le 2 ] && { echo 'At least one output file must be specified' >&2; exit 1; }\n"
      "exec '" ZELMORA_FAKE_ENCODER "' " +
      encoderCommands + "\n";
  const std::string path = dir.write("fake-bin/ffmpeg", script);
  chmod(path.c_str(), 0755);
  return path;
}

// The windows of a conversion wired as the main window wires them: the
// list and its grid, the progress window, the error log, the view over
// them, and a run that reads the list. Files are added without analysis.
struct GuiRunHarness {
  explicit GuiRunHarness(const std::string& ffmpeg) {
    context.AppParams.ffmpeg = ffmpeg;
    context.AppParams.ColorOK = {0x1F, 0x6C, 0xE0};
    context.AppParams.ColorError = {0xE2, 0x35, 0x1D};
    context.AppParams.ScrollProgressToBottom = true;
    events.SetView(&grid);
    events.OnListChanged = [this] { ++listChanges; };
    SetDefaultParams(settings, 0, context.Strings);
    run.SetWait([](std::chrono::milliseconds) {});
    run.SetToolSearch({"/nonexistent/zelmora/bin", "", {}});
  }

  TConversionOutcome Convert() { return run.actConvert({settings, options, resolutions}); }

  AppContext context;
  NullFileAnalyzer analyzer;
  GridFileListEvents events;
  FileListModel list{context.AppParams, context.Strings, analyzer, events};
  RecordingDesktopServices desktop;
  ConsoleRunner runner;
  AbortController abort{context.ConversionState, runner};
  EncoderListCache encoders{runner};
  FileListView grid{context, list, desktop};
  FormProgress progress{context, abort};
  FormErrors errors{context};
  GuiConversionView view{progress, errors, &grid, {}};
  ConversionRun run{context, list, view, runner, abort, desktop, encoders};
  EncoderSettings settings;
  OutputOptions options;
  std::vector<std::string> resolutions;
  int listChanges = 0;
};

}  // namespace zelmora::test
