#include "base/numbers.h"
#include "filelist/display_format.h"
#include "filelist/file_list_model.h"

namespace zelmora {

namespace {

using enum TFileListColumn;

std::string PositiveSize(int64_t sum) {
  return sum > 0 ? FormatByteSize(sum) : std::string();
}

std::string MeanText(const TPositiveMean& mean, const TAppStrings& strings, int decimals) {
  if (mean.Sum <= 0 || mean.Count == 0) return {};
  return strings.Main.AverageShort + "  " + FormatFixedLocale(mean.Sum / mean.Count, decimals);
}

}  // namespace

void TListTotals::Add(const TFileListRow& row) {
  Grid.RowCount++;
  (row.Active ? Grid.CheckedCount : Grid.UncheckedCount)++;
  if (row.Selected) {
    Grid.SelectedCount++;
    (row.Active ? Grid.SelectedCheckedCount : Grid.SelectedUncheckedCount)++;
  }
  if (!row.Active) return;
  Size += row.Size;
  Duration += row.Duration;
  VideoStreamSize += row.VideoStreamSize;
  AudioStreamSize += row.AudioStreamSize;
  VideoBitrate.Add(static_cast<double>(row.VideoBitrate));
  VideoFPS.Add(row.VideoFPS);
  VideoBpp.Add(row.VideoBpp);
  AudioBitrate.Add(static_cast<double>(row.AudioBitrate));
}

TFileListFooter FooterFromTotals(const TListTotals& totals, const TAppStrings& strings) {
  TFileListFooter footer;
  if (totals.Grid.RowCount == 0) return footer;
  auto text = [&footer](TFileListColumn column) -> std::string& {
    return footer.Texts[static_cast<size_t>(column)];
  };
  text(colNo) = FormatThousands(totals.Grid.RowCount);
  text(colActive) = FormatThousands(totals.Grid.CheckedCount);
  text(colSize) = PositiveSize(totals.Size);
  if (totals.Duration > 0) text(colDuration) = FormatHms(RoundHalfEven(totals.Duration));
  text(colVideoStreamSize) = PositiveSize(totals.VideoStreamSize);
  text(colAudioStreamSize) = PositiveSize(totals.AudioStreamSize);
  text(colVideoBitrate) = MeanText(totals.VideoBitrate, strings, 2);
  text(colVideoFPS) = MeanText(totals.VideoFPS, strings, 2);
  text(colVideoBpp) = MeanText(totals.VideoBpp, strings, 3);
  text(colAudioBitrate) = MeanText(totals.AudioBitrate, strings, 2);
  return footer;
}

TFileListFooter ComputeFooter(const std::vector<TFileListRow>& rows, const TAppStrings& strings) {
  TListTotals totals;
  for (const TFileListRow& row : rows) totals.Add(row);
  return FooterFromTotals(totals, strings);
}

const TListTotals& FileListModel::Totals() const {
  if (m_totalsStale || m_totalledRows > m_rows.size()) {
    m_totals = TListTotals{};
    m_totalledRows = 0;
    m_totalsStale = false;
  }
  for (; m_totalledRows < m_rows.size(); ++m_totalledRows) m_totals.Add(m_rows[m_totalledRows]);
  return m_totals;
}

}  // namespace zelmora
