#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/result.h"
#include "filelist/file_list_model.h"

namespace zelmora {

// The ways files get into the list. Each ends in AddToList, which skips
// unsupported, listed and missing files; each tells the window at the end.

// The add-files dialog was confirmed: every chosen file, in the dialog's
// order, checked. Returns the number of rows added.
int AddFiles(FileListModel& list, const std::vector<std::string>& files);

// The add-folder command: the supported files of the folder tree, checked.
// The window hears from the list once per ten files (and serves its events
// then), not after every file.
int AddFolder(FileListModel& list, const std::string& folder);

struct TDropResult {
  int Added = 0;
  // List files that could not be read: the window reports each.
  std::vector<std::pair<std::string, Error>> FailedListFiles;
};

// Items dropped on the window, in their sorted order: list files are loaded,
// folders searched when dragAcceptDirectories is on, anything else added.
// Names are taken whole, however long.
TDropResult HandleDrop(FileListModel& list, std::vector<std::string> names,
                       bool dragAcceptDirectories);
// The same with the list's own TAppParams.DragAcceptDirectories.
inline TDropResult HandleDrop(FileListModel& list, std::vector<std::string> names) {
  return HandleDrop(list, std::move(names), list.Params().DragAcceptDirectories);
}

// The file named by the first command-line argument, when there is one.
bool AddFromCommandLine(FileListModel& list, const std::vector<std::string>& arguments);

}  // namespace zelmora
