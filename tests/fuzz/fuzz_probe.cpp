// The probe text parser of the analysis: the lines the runner delivered from
// `ffmpeg -i`, read into the file's record; then what is made of the record
// (the video size estimate, the information window's texts, the report, the
// summary and the JSON form), which must keep within the record's entries
// however many streams the text counts.
#include <string>
#include <vector>

#include "base/text.h"
#include "fuzz_support.h"
#include "i18n/app_strings.h"
#include "media/analysis_json.h"
#include "media/analysis_summary.h"
#include "media/file_analysis.h"
#include "media/file_info_report.h"
#include "media/file_info_texts.h"
#include "media/probe_parser.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TAppStrings strings;
  const std::vector<std::string> lines = Split(fuzz::AsText(data, size), '\n');
  TVideoFileInfo info;
  ApplyProbeOutput(lines, info);
  // The counts may pass the entries (every consumer clamps), not the kept lines.
  Require(info.NumberOfVideoStreams + info.NumberOfAudioStreams < MaxStreamLines,
          "streams counted from kept lines only");
  for (const std::string& line : lines) ProbeStreamIndex(line);

  EstimateVideoStreamSize(info);
  const int last = info.NumberOfVideoStreams + info.NumberOfAudioStreams + 1;
  for (int number = -1; number <= last; ++number) {
    VideoStreamChooser(info, number);
    AudioStreamChooser(info, number);
    VideoStreamTexts(info, number, strings.FileInfo);
    AudioStreamTexts(info, number);
  }
  GeneralInfoTexts(info);
  DataStreamRows(info);
  GetInfoAsText(info, strings.FileInfo, "Zelmora 1.5  [64-bit]");
  FormatAnalysisSummary(info);
  VideoFileInfoToJson(info, 2);
  return 0;
}
