#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "filelist/file_list_model.h"

namespace zelmora {

// The text of a list file as UTF-8: a UTF-8 or UTF-16 (little or big endian)
// byte-order mark is honoured and removed; without one the bytes are taken
// as they stand, which is what file names are on this system.
std::string DecodeListFileText(std::string_view bytes);

// The path a list-file line names: the folder part (before the last "/")
// loses a trailing "." component and trailing "/"s, then the file name is
// appended after one "/". An absolute path stays absolute ("/a.webm" keeps
// its "/"); a line without a folder stays relative.
std::string ListLineToPath(std::string_view line);

// Adds every file a list file names, checked, in file order; the list itself
// skips empty lines, unsupported types, listed and missing files. A file that
// cannot be read is an error and adds nothing. The window is not told.
Status LoadFileList(FileListModel& list, const std::string& listFile);
// The load-file-list command: the list file's folder becomes the initial
// folder, the files are added and the window is told.
Status LoadFileListCommand(FileListModel& list, const std::string& listFile);

struct TListFileText {
  std::string Text;  // one full path per line, each ended by CR LF
  int LeftOut = 0;   // rows whose path holds a line break, which no line can keep
};
TListFileText MakeListFileText(const FileListModel& list);

// Writes every row in display order through a temporary file, so an existing
// list survives a failed write. Returns how many rows were left out.
Result<int> SaveFileList(const FileListModel& list, const std::string& listFile);

}  // namespace zelmora
