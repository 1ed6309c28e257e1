#include "filelist/explore_directory.h"

#include "base/files.h"

namespace zelmora {

TExploreDecision DecideExploreDirectory(const FileListModel& list, int row) {
  TExploreDecision decision;
  if (!list.IsValidRowIndex(row)) return decision;
  const std::string folder = list.GetNgDirectory(row);
  if (!DirectoryExists(folder)) {
    decision.Action = TExploreAction::WarnNoFolder;
    decision.WarningTitle = "Warning";
    // Fixed English text: this warning was never part of the translations.
    decision.WarningText = "Directory \"" + folder + "\" does not exists!";
    return decision;
  }
  const std::string file = list.GetNgFullFileName(row);
  if (FileExists(file)) {
    decision.Action = TExploreAction::ShowFile;
    decision.Path = file;
  } else {
    decision.Action = TExploreAction::OpenFolder;
    decision.Path = folder;
  }
  return decision;
}

Status ExploreDirectory(const TExploreDecision& decision, DesktopServices& desktop) {
  switch (decision.Action) {
    case TExploreAction::ShowFile:
      return desktop.ShowInFileManager(decision.Path);
    case TExploreAction::OpenFolder:
      return desktop.OpenDocument(decision.Path);
    case TExploreAction::None:
    case TExploreAction::WarnNoFolder:
      break;
  }
  return Status::Ok();
}

std::string ExploreDirectoryCaption(const TAppStrings& strings, const FileListModel& list,
                                    int row) {
  return ExpandMessageText(strings.Main.actExploreDirectory, list.GetNgDirectory(row));
}

std::string FileOpenedByIconClick(const FileListModel& list, int row, bool openFileAfterIconClick) {
  if (!openFileAfterIconClick || !list.IsValidRowIndex(row)) return {};
  std::string file = list.GetNgFullFileName(row);
  return FileExists(file) ? file : std::string();
}

}  // namespace zelmora
