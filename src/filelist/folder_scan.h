#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zelmora {

inline constexpr int FolderSearchDepth = 20;

// Every file in `root` and in its subfolders down to `maxDepth` levels below
// it, as full paths. The folders are collected breadth-first and then sorted
// without regard to case; each folder's files follow in the same order.
// Unreadable folders are skipped. Symbolic links to folders are not followed
// (a link back up the tree would otherwise multiply the search), and are not
// files either. `onFound` is called after every 30 files found.
std::vector<std::string> FindFilesInTree(const std::string& root, int maxDepth = FolderSearchDepth,
                                         const std::function<void()>& onFound = {});

// The files of the tree that the list accepts, in the same order.
std::vector<std::string> FindSupportedFilesInTree(const std::string& root,
                                                  const std::function<void()>& onFound = {});

}  // namespace zelmora
