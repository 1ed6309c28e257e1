// The probe text parser of the analysis: the lines the runner delivered from
// `ffmpeg -i`, read into the file's record, then the video size estimate and
// the record's JSON form.
#include <string>
#include <vector>

#include "base/text.h"
#include "media/analysis_json.h"
#include "media/file_analysis.h"
#include "media/probe_parser.h"
#include "fuzz_support.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines = Split(fuzz::AsText(data, size), '\n');
  TVideoFileInfo info;
  ApplyProbeOutput(lines, info);
  Require(info.NumberOfVideoStreams <= MaxVideoStreams, "video streams fit their slots");
  Require(info.NumberOfAudioStreams <= MaxAudioStreams, "audio streams fit their slots");
  EstimateVideoStreamSize(info);
  VideoFileInfoToJson(info, 2);
  for (const std::string& line : lines) ProbeStreamIndex(line);
  return 0;
}
