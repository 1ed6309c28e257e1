#include "media/file_analysis.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "base/files.h"
#include "base/numbers.h"
#include "media/media_info_library.h"
#include "media/probe_parser.h"

namespace zelmora {

int64_t ReadFileSize(const std::string& fileName) {
  struct stat entry {};
  if (stat(fileName.c_str(), &entry) != 0 || !S_ISREG(entry.st_mode)) return 0;
  int fd = open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd >= 0) {
    struct stat opened {};
    bool ok = fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode);
    close(fd);
    if (ok) return opened.st_size;
  }
  // Unreadable, but its directory entry still tells the size.
  return entry.st_size;
}

bool ReadMediaInfo(const std::string& fileName, const std::string& libraryPath,
                   TVideoFileInfo& info) {
  return ReadMediaInfo(ProcessMediaInfoLibrary(), fileName, libraryPath, info);
}

bool ReadMediaInfo(MediaInfoLibrary& library, const std::string& fileName,
                   const std::string& libraryPath, TVideoFileInfo& info) {
  // An empty file is never given to the library.
  if (!FileExists(libraryPath) || ReadFileSize(fileName) == 0) return false;
  if (!library.LoadMediaInfoLibrary(libraryPath) || !library.IsUsable()) return false;
  MediaInfoSession session(library);
  if (!session.Open(fileName)) return false;
  ReadMediaInfoParameters(session, info);
  return true;
}

void EstimateVideoStreamSize(TVideoFileInfo& info) {
  TVideoStreamInfo& video = info.VideoStreams[0];
  if (info.NumberOfVideoStreams != 1 || video.StreamSize > 0) return;
  int64_t audioSize = 0;
  size_t audioCount = std::min<size_t>(info.NumberOfAudioStreams, MaxAudioStreams);
  for (size_t i = 0; i < audioCount; ++i) audioSize += info.AudioStreams[i].StreamSize;
  // Audio sizes that add up to the whole file (or more) leave nothing to
  // estimate; a negative video size would only mislead.
  if (audioSize <= 0 || info.FileSize - audioSize <= 0) return;
  video.StreamSize = info.FileSize - audioSize;
  video.StreamSizeStr = FormatByteSize(video.StreamSize);
  int64_t percent = RoundHalfEven(static_cast<double>(video.StreamSize) * 100 / info.FileSize);
  video.StreamSizeInPercent = static_cast<uint8_t>(std::clamp<int64_t>(percent, 0, 100));
}

void AnalyzeVideoFile(ConsoleRunner& runner, const std::string& fileName,
                      const std::string& ffmpegPath, const std::string& mediaInfoPath,
                      TVideoFileInfo& info) {
  TVideoFileInfo local;
  local.FileName = fileName;
  local.FileSize = ReadFileSize(fileName);
  info = local;  // the caller has at least the name and size, whatever follows
  if (!FileExists(fileName) || !FileExists(ffmpegPath)) return;
  ApplyProbeOutput(RunFfmpegProbe(runner, ffmpegPath, fileName), local);
  ReadMediaInfo(fileName, mediaInfoPath, local);
  EstimateVideoStreamSize(local);
  local.FileName = fileName;
  info = std::move(local);
}

void AnalyzeAddedFile(TFileAnalysis depth, ConsoleRunner& runner, const std::string& fileName,
                      const std::string& ffmpegPath, const std::string& mediaInfoPath,
                      TVideoFileInfo& info) {
  InitVideoFileInfo(info);
  info.FileName = fileName;
  info.FileSize = ReadFileSize(fileName);
  if (depth == TFileAnalysis::faNone) return;
  bool read = ReadMediaInfo(fileName, mediaInfoPath, info);
  if (depth != TFileAnalysis::faFull) return;
  const TVideoStreamInfo& video = info.VideoStreams[0];
  // A file whose MediaInfo data is complete is not probed while it is added.
  bool incomplete = info.NumberOfVideoStreams > 0 && (video.Bitrate <= 0 || video.FPS <= 0);
  if (!read || incomplete) AnalyzeVideoFile(runner, fileName, ffmpegPath, mediaInfoPath, info);
}

}  // namespace zelmora
