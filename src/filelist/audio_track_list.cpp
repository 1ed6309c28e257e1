#include "filelist/audio_track_list.h"

#include <algorithm>
#include <memory>

namespace zelmora {

namespace {

std::string TrackItem(size_t index, const TAudioStreamInfo& audio, const TAppStrings& strings) {
  const std::string codec =
      audio.Codec.find("(MP3)") != std::string::npos ? std::string("MP3") : audio.Codec;
  std::string text = std::to_string(index + 1) + ": " + codec;
  // A stream whose bitrate is not known shows no bitrate part at all.
  if (audio.Bitrate != 0) text += " - " + std::to_string(audio.Bitrate) + " kbit/s";
  text += " - " + strings.Main.AudioChannels + " " + std::to_string(audio.Channels);
  const std::string& language =
      audio.Language.empty() ? strings.Main.AudioLanguageUndefined : audio.Language;
  text += " - " + strings.Main.AudioLanguage + " " + language;
  return text;
}

}  // namespace

std::vector<std::string> AudioTrackItems(const TVideoFileInfo& info, const TAppStrings& strings) {
  std::vector<std::string> items{strings.Main.Auto + " " + strings.Main.FirstAudioTrack};
  const size_t count = std::min<size_t>(info.NumberOfAudioStreams, MaxAudioStreams);
  for (size_t i = 0; i < count; ++i) items.push_back(TrackItem(i, info.AudioStreams[i], strings));
  return items;
}

int KeptAudioTrackIndex(int previousIndex, int itemCount) {
  return previousIndex >= 0 && previousIndex < itemCount ? previousIndex : 0;
}

std::optional<TAudioTrackList> UpdateCbAudioTrackNo(const FileListModel& list, int row,
                                                    int previousIndex, FileAnalyzer& analyzer,
                                                    const TAppStrings& strings) {
  if (!list.IsValidRowIndex(row)) return std::nullopt;
  auto info = std::make_unique<TVideoFileInfo>();
  InitVideoFileInfo(*info);
  analyzer.AnalyzeFull(list.GetNgFullFileName(row), *info);
  TAudioTrackList result;
  result.Items = AudioTrackItems(*info, strings);
  result.ItemIndex = KeptAudioTrackIndex(previousIndex, static_cast<int>(result.Items.size()));
  return result;
}

}  // namespace zelmora
