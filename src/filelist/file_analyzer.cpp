#include "filelist/file_analyzer.h"

#include "media/file_analysis.h"

namespace zelmora {

void MediaFileAnalyzer::AnalyzeForList(const std::string& path, TFileAnalysis depth,
                                       TVideoFileInfo& info) {
  if (depth == TFileAnalysis::faNone) return;
  const std::string library = FindMediaInfoDll(m_params);
  const std::string ffmpeg = depth == TFileAnalysis::faFull ? FindFFmpeg(m_params) : std::string();
  AnalyzeAddedFile(depth, m_runner, path, ffmpeg, library, info);
}

void MediaFileAnalyzer::AnalyzeFull(const std::string& path, TVideoFileInfo& info) {
  const std::string ffmpeg = FindFFmpeg(m_params);
  AnalyzeVideoFile(m_runner, path, ffmpeg, m_params.MediaInfoDll, info);
}

}  // namespace zelmora
