#include "filelist/add_files.h"

#include <algorithm>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "filelist/folder_scan.h"
#include "filelist/list_file.h"

namespace zelmora {

namespace {

// Adds the files checked. Before the 1st, 11th, 21st ... file the window
// serves its pending events, shows the newest row and gets the footer, so a
// long addition stays responsive while the work per file stays constant.
int AddInBatches(FileListModel& list, const std::vector<std::string>& files, bool bracket) {
  FileListEvents& events = list.Events();
  int added = 0;
  if (bracket) events.BeginUpdate();
  for (size_t i = 0; i < files.size(); ++i) {
    if (i % 10 == 0) {
      if (bracket) events.EndUpdate();
      events.ProcessPendingEvents();
      events.ScrollToLastRow();
      list.Refresh();
      if (bracket) events.BeginUpdate();
    }
    if (list.AddToList(files[i], true)) ++added;
  }
  if (bracket) events.EndUpdate();
  return added;
}

int AddTree(FileListModel& list, const std::string& folder, bool bracket) {
  FileListEvents& events = list.Events();
  events.UpdateInitialFolders(folder);
  const std::vector<std::string> files =
      FindSupportedFilesInTree(folder, [&events] { events.ProcessPendingEvents(); });
  return AddInBatches(list, files, bracket);
}

bool TextLess(const std::string& a, const std::string& b) {
  const int order = CompareText(a, b);
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

int AddFiles(FileListModel& list, const std::vector<std::string>& files) {
  if (files.empty()) return 0;
  list.Events().UpdateInitialFolders(ExtractFileDir(ExpandFileName(files.front())));
  int added = 0;
  for (const std::string& file : files) {
    if (list.AddToList(file, true)) ++added;
  }
  list.Refresh();
  return added;
}

int AddFolder(FileListModel& list, const std::string& folder) {
  if (folder.empty()) return 0;
  const int added = AddTree(list, folder, true);
  list.Refresh();
  return added;
}

TDropResult HandleDrop(FileListModel& list, std::vector<std::string> names,
                       bool dragAcceptDirectories) {
  std::sort(names.begin(), names.end(), TextLess);
  TDropResult result;
  const int before = list.RowCount();
  for (const std::string& name : names) {
    if (UpperCase(ExtractFileExt(name)) == ".LST") {
      Status status = LoadFileList(list, name);
      if (!status) result.FailedListFiles.emplace_back(name, status.error());
    } else if (dragAcceptDirectories && DirectoryExists(name)) {
      AddTree(list, name, false);
    } else {
      list.AddToList(name, true);
      list.Events().UpdateInitialFolders(ExtractFileDir(ExpandFileName(name)));
    }
  }
  result.Added = list.RowCount() - before;
  list.RenumNg();
  list.Refresh();
  return result;
}

bool AddFromCommandLine(FileListModel& list, const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments.front().empty() || !FileExists(arguments.front())) {
    return false;
  }
  const bool added = list.AddToList(arguments.front(), true);
  list.Refresh();
  return added;
}

}  // namespace zelmora
