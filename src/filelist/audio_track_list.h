#pragma once

#include <optional>
#include <string>
#include <vector>

#include "filelist/file_analyzer.h"
#include "filelist/file_list_model.h"
#include "i18n/app_strings.h"
#include "media/video_file_info.h"

namespace zelmora {

// The items of the audio track list for a file: item 0 lets the encoder take
// the first audio track; item n names audio track n - 1 of the file.
std::vector<std::string> AudioTrackItems(const TVideoFileInfo& info, const TAppStrings& strings);

// The item chosen before stays chosen when the new list still has it.
int KeptAudioTrackIndex(int previousIndex, int itemCount);

struct TAudioTrackList {
  std::vector<std::string> Items;
  int ItemIndex = 0;
};

// The list for a row, its file analysed afresh; nothing for an invalid row.
std::optional<TAudioTrackList> UpdateCbAudioTrackNo(const FileListModel& list, int row,
                                                    int previousIndex, FileAnalyzer& analyzer,
                                                    const TAppStrings& strings);

}  // namespace zelmora
