#include "base/numbers.h"
#include "filelist/display_format.h"
#include "filelist/file_list_model.h"

namespace zelmora {

namespace {

using enum TFileListColumn;

// Mean of the positive values only: a row without a value (a file without
// video, a stream whose bitrate is unknown) must not pull the mean down.
struct PositiveMean {
  double sum = 0;
  int count = 0;
  void Add(double value) {
    if (value <= 0) return;
    sum += value;
    ++count;
  }
  std::string Text(const TAppStrings& strings, int decimals) const {
    if (sum <= 0 || count == 0) return {};
    return strings.Main.AverageShort + "  " + FormatFixedLocale(sum / count, decimals);
  }
};

struct FooterSums {
  int64_t size = 0;
  double duration = 0;
  int64_t videoStreamSize = 0;
  int64_t audioStreamSize = 0;
  PositiveMean videoBitrate, fps, bpp, audioBitrate;

  void Add(const TFileListRow& row) {
    size += row.Size;
    duration += row.Duration;
    videoStreamSize += row.VideoStreamSize;
    audioStreamSize += row.AudioStreamSize;
    videoBitrate.Add(static_cast<double>(row.VideoBitrate));
    fps.Add(row.VideoFPS);
    bpp.Add(row.VideoBpp);
    audioBitrate.Add(static_cast<double>(row.AudioBitrate));
  }
};

std::string PositiveSize(int64_t sum) {
  return sum > 0 ? FormatByteSize(sum) : std::string();
}

}  // namespace

TFileListFooter ComputeFooter(const std::vector<TFileListRow>& rows, const TAppStrings& strings) {
  TFileListFooter footer;
  if (rows.empty()) return footer;
  FooterSums sums;
  int64_t checked = 0;
  for (const TFileListRow& row : rows) {
    if (!row.Active) continue;
    ++checked;
    sums.Add(row);
  }
  auto text = [&footer](TFileListColumn column) -> std::string& {
    return footer.Texts[static_cast<size_t>(column)];
  };
  text(colNo) = FormatThousands(static_cast<int64_t>(rows.size()));
  text(colActive) = FormatThousands(checked);
  text(colSize) = PositiveSize(sums.size);
  if (sums.duration > 0) text(colDuration) = FormatHms(RoundHalfEven(sums.duration));
  text(colVideoStreamSize) = PositiveSize(sums.videoStreamSize);
  text(colAudioStreamSize) = PositiveSize(sums.audioStreamSize);
  text(colVideoBitrate) = sums.videoBitrate.Text(strings, 2);
  text(colVideoFPS) = sums.fps.Text(strings, 2);
  text(colVideoBpp) = sums.bpp.Text(strings, 3);
  text(colAudioBitrate) = sums.audioBitrate.Text(strings, 2);
  return footer;
}

}  // namespace zelmora
