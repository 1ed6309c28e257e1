#pragma once

#include <string>

#include "base/result.h"
#include "filelist/file_list_model.h"
#include "i18n/app_strings.h"
#include "platform/desktop_services.h"

namespace zelmora {

enum class TExploreAction {
  None,          // no row is selected
  ShowFile,      // the file manager shows the file selected
  OpenFolder,    // the file is gone: its folder is opened
  WarnNoFolder,  // the folder is gone: the warning box is shown
};

struct TExploreDecision {
  TExploreAction Action = TExploreAction::None;
  std::string Path;  // the file (ShowFile) or the folder (OpenFolder)
  std::string WarningTitle;
  std::string WarningText;
};

// What "open directory" does for a row, looking at what exists now.
TExploreDecision DecideExploreDirectory(const FileListModel& list, int row);

// Carries the decision out through the desktop services. The warning of
// WarnNoFolder is the window's to show; the status is the desktop's answer.
Status ExploreDirectory(const TExploreDecision& decision, DesktopServices& desktop);

// Caption (and hint) of the open-directory command for the current row; an
// invalid row gives the caption with an empty folder.
std::string ExploreDirectoryCaption(const TAppStrings& strings, const FileListModel& list, int row);

// The file a click on a row's icon opens with its associated program: only
// when that is switched on and the file still exists; empty otherwise.
std::string FileOpenedByIconClick(const FileListModel& list, int row, bool openFileAfterIconClick);

}  // namespace zelmora
