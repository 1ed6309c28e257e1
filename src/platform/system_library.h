#pragma once

#include <string>
#include <vector>

namespace zelmora {

// The folders the dynamic loader searches for shared libraries: those of
// $LD_LIBRARY_PATH, then the usual multiarch and plain library folders.
std::vector<std::string> SystemLibraryDirs();

// Full path of the first regular file called `fileName` in `dirs`; "".
std::string FindLibraryInDirs(const std::string& fileName, const std::vector<std::string>& dirs);

// FindLibraryInDirs over SystemLibraryDirs(); when that finds nothing, the
// dynamic loader itself is asked (the library is loaded and unloaded again),
// which also covers folders named in /etc/ld.so.conf.
std::string FindSystemLibrary(const std::string& fileName);

}  // namespace zelmora
