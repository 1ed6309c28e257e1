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

// Whether the file can be handed to the dynamic loader: an ELF shared object
// of this build's class and machine whose loadable segments all lie inside
// the file. The loader maps a cut-short library beyond its end and the
// first touch of those pages kills the process with SIGBUS, so a truncated
// or damaged file must never reach dlopen.
bool IsLoadableSharedObject(const std::string& path);

}  // namespace zelmora
