#pragma once

#include <string>

#include "core/app_params.h"
#include "media/video_file_info.h"

namespace zelmora {

class ConsoleRunner;

// The analyses the file list asks for. The list takes this interface so that
// adding files without analysis (faNone) needs no tools at all, and so that
// one place decides where ffmpeg and the MediaInfo library are.
class FileAnalyzer {
public:
  virtual ~FileAnalyzer() = default;
  // The analysis of a file being added, by depth; the record arrives
  // initialised. faNone leaves it as it is.
  virtual void AnalyzeForList(const std::string& path, TFileAnalysis depth,
                              TVideoFileInfo& info) = 0;
  // The full analysis (ffmpeg probe, then MediaInfo), as the audio track
  // list of the selected row needs it.
  virtual void AnalyzeFull(const std::string& path, TVideoFileInfo& info) = 0;
};

// An analyzer that analyses nothing: every record stays as it came.
class NullFileAnalyzer : public FileAnalyzer {
public:
  void AnalyzeForList(const std::string&, TFileAnalysis, TVideoFileInfo&) override {}
  void AnalyzeFull(const std::string&, TVideoFileInfo&) override {}
};

// The real analyses: ffmpeg and the MediaInfo library, found through the
// parameters each time (so a tool configured later is picked up), run
// through the program's console runner.
class MediaFileAnalyzer : public FileAnalyzer {
public:
  MediaFileAnalyzer(TAppParams& params, ConsoleRunner& runner)
      : m_params(params), m_runner(runner) {}
  void AnalyzeForList(const std::string& path, TFileAnalysis depth, TVideoFileInfo& info) override;
  void AnalyzeFull(const std::string& path, TVideoFileInfo& info) override;

private:
  TAppParams& m_params;
  ConsoleRunner& m_runner;
};

}  // namespace zelmora
