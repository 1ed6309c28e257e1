#include "filelist/list_file.h"

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"

namespace zelmora {

namespace {

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return units;
}

}  // namespace

std::string DecodeListFileText(std::string_view bytes) {
  if (StartsWith(bytes, "\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (StartsWith(bytes, "\xFF\xFE")) return Utf16ToUtf8(Utf16Units(bytes.substr(2), false));
  if (StartsWith(bytes, "\xFE\xFF")) return Utf16ToUtf8(Utf16Units(bytes.substr(2), true));
  return std::string(bytes);
}

std::string ListLineToPath(std::string_view line) {
  const size_t slash = line.rfind('/');
  if (slash == std::string_view::npos) return std::string(line);
  std::string folder(line.substr(0, slash));
  const std::string_view name = line.substr(slash + 1);
  // Only a whole "." component goes: ".." and "name." keep their meaning.
  if (folder == ".") {
    folder.clear();
  } else if (EndsWith(folder, "/.")) {
    folder.pop_back();
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  // The folder of "/a.webm" is the root, not nothing.
  if (folder.empty() && line.front() == '/') folder = "/";
  if (folder.empty()) return std::string(name);
  if (folder == "/") return "/" + std::string(name);
  return folder + "/" + std::string(name);
}

Status LoadFileList(FileListModel& list, const std::string& listFile) {
  Result<std::string> bytes = ReadWholeFile(listFile);
  if (!bytes) return bytes.error();
  for (const std::string& line : SplitLines(DecodeListFileText(bytes.value()))) {
    if (!line.empty()) list.AddToList(ListLineToPath(line), true);
  }
  return Status::Ok();
}

Status LoadFileListCommand(FileListModel& list, const std::string& listFile) {
  list.Events().UpdateInitialFolders(ExtractFileDir(ExpandFileName(listFile)));
  Status status = LoadFileList(list, listFile);
  list.Refresh();
  return status;
}

TListFileText MakeListFileText(const FileListModel& list) {
  TListFileText out;
  for (int row = 0; row < list.RowCount(); ++row) {
    const std::string path = list.GetNgFullFileName(row);
    if (path.find_first_of("\r\n") != std::string::npos) {
      ++out.LeftOut;
      continue;
    }
    out.Text += path;
    out.Text += "\r\n";
  }
  return out;
}

Result<int> SaveFileList(const FileListModel& list, const std::string& listFile) {
  const TListFileText text = MakeListFileText(list);
  Status status = WriteFileAtomic(listFile, text.Text);
  if (!status) return status.error();
  return text.LeftOut;
}

}  // namespace zelmora
