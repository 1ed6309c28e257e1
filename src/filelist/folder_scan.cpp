#include "filelist/folder_scan.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <system_error>

#include "base/paths.h"
#include "base/text.h"
#include "filelist/supported_types.h"

namespace zelmora {

namespace fs = std::filesystem;

namespace {

struct FolderFiles {
  std::string dir;
  std::vector<std::string> names;
};

struct PendingFolder {
  std::string dir;
  int depth;
};

bool TextLess(const std::string& a, const std::string& b) {
  const int order = CompareText(a, b);
  return order != 0 ? order < 0 : a < b;
}

std::string JoinName(const std::string& dir, const std::string& name) {
  return !dir.empty() && dir.back() == '/' ? dir + name : dir + "/" + name;
}

// The root as an absolute path without a trailing "/" (the root folder
// itself stays "/").
std::string AbsoluteFolder(const std::string& root) {
  std::string dir = ExpandFileName(root);
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

// A symbolic link counts as a folder when its target is one.
bool IsLinkToFolder(const fs::directory_entry& entry) {
  std::error_code ec;
  return fs::is_directory(entry.status(ec)) && !ec;
}

class TreeSearch {
public:
  TreeSearch(int maxDepth, const std::function<void()>& onFound)
      : m_maxDepth(maxDepth), m_onFound(onFound) {}

  std::vector<FolderFiles> Run(const std::string& root) {
    std::deque<PendingFolder> queue{{root, 0}};
    std::vector<FolderFiles> folders;
    while (!queue.empty()) {
      PendingFolder next = std::move(queue.front());
      queue.pop_front();
      FolderFiles files{next.dir, {}};
      if (ListFolder(next, files, queue)) folders.push_back(std::move(files));
    }
    return folders;
  }

private:
  bool ListFolder(const PendingFolder& folder, FolderFiles& files,
                  std::deque<PendingFolder>& queue) {
    std::error_code ec;
    fs::directory_iterator it(folder.dir, fs::directory_options::skip_permission_denied, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
      if (ec) break;
      std::error_code statError;
      const fs::file_status status = it->symlink_status(statError);
      if (statError) continue;
      const std::string name = it->path().filename().string();
      if (fs::is_directory(status)) {
        if (folder.depth < m_maxDepth)
          queue.push_back({JoinName(folder.dir, name), folder.depth + 1});
        continue;
      }
      if (fs::is_symlink(status) && IsLinkToFolder(*it)) continue;
      files.names.push_back(name);
      if (++m_found % 30 == 0 && m_onFound) m_onFound();
    }
    return true;
  }

  int m_maxDepth;
  const std::function<void()>& m_onFound;
  long m_found = 0;
};

}  // namespace

std::vector<std::string> FindFilesInTree(const std::string& root, int maxDepth,
                                         const std::function<void()>& onFound) {
  std::vector<FolderFiles> folders = TreeSearch(maxDepth, onFound).Run(AbsoluteFolder(root));
  std::sort(folders.begin(), folders.end(),
            [](const FolderFiles& a, const FolderFiles& b) { return TextLess(a.dir, b.dir); });
  std::vector<std::string> paths;
  for (FolderFiles& folder : folders) {
    std::sort(folder.names.begin(), folder.names.end(), TextLess);
    for (const std::string& name : folder.names) paths.push_back(JoinName(folder.dir, name));
  }
  return paths;
}

std::vector<std::string> FindSupportedFilesInTree(const std::string& root,
                                                  const std::function<void()>& onFound) {
  std::vector<std::string> paths = FindFilesInTree(root, FolderSearchDepth, onFound);
  std::erase_if(paths, [](const std::string& path) { return !IsSupportedVideoFile(path); });
  return paths;
}

}  // namespace zelmora
