#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "media/video_file_info.h"

namespace zelmora {

class ConsoleRunner;
class MediaInfoLibrary;

// Size of a regular file in bytes; 0 for anything else or when it cannot
// be read. Tried through an open read-only descriptor first and through
// the directory entry when the file cannot be opened.
int64_t ReadFileSize(const std::string& fileName);

// The MediaInfo pass: nothing happens unless the library file exists, the
// input file is not empty and the library loads and is usable; a file the
// library cannot open leaves the record as it was. Does not initialise the
// record. True when the library read the file. The first form uses the
// process's library binding.
bool ReadMediaInfo(const std::string& fileName, const std::string& libraryPath,
                   TVideoFileInfo& info);
bool ReadMediaInfo(MediaInfoLibrary& library, const std::string& fileName,
                   const std::string& libraryPath, TVideoFileInfo& info);

// With exactly one video stream whose size MediaInfo did not give, the file
// size less the audio stream sizes is taken as the video stream's size.
void EstimateVideoStreamSize(TVideoFileInfo& info);

// Runs `ffmpeg -i "FILE"` through the runner and returns every line it
// printed. Only regular files are probed: anything else (a pipe, a device)
// could keep ffmpeg waiting forever.
std::vector<std::string> RunFfmpegProbe(ConsoleRunner& runner, const std::string& ffmpegPath,
                                        const std::string& fileName);

// The full analysis: name and size first (handed to the caller at once), the
// ffmpeg probe, the MediaInfo pass, the video size estimate. A missing file
// or ffmpeg leaves the record with name and size only. Never shows a message.
void AnalyzeVideoFile(ConsoleRunner& runner, const std::string& fileName,
                      const std::string& ffmpegPath, const std::string& mediaInfoPath,
                      TVideoFileInfo& info);

// The analysis of a file being added to the list, by depth: faNone only name
// and size; faQuick the MediaInfo pass alone; faFull the MediaInfo pass, and
// the full analysis when MediaInfo lacks the first video stream's bitrate or
// frame rate, or could not read the file at all (no library: the probe is
// then the only source).
void AnalyzeAddedFile(TFileAnalysis depth, ConsoleRunner& runner, const std::string& fileName,
                      const std::string& ffmpegPath, const std::string& mediaInfoPath,
                      TVideoFileInfo& info);

}  // namespace zelmora
