#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace zelmora {

bool FileExists(const std::string& path);       // a regular file (or link to one)
bool DirectoryExists(const std::string& path);  // a directory (or link to one)
// Size in bytes, or -1 when it cannot be read.
int64_t GetFileSize(const std::string& path);

// The bytes of a regular file. Anything else is an error without being
// read: a named pipe or a device named where a file is expected would keep
// the reader waiting forever.
Result<std::string> ReadWholeFile(const std::string& path);
// Writes to a temporary file in the same folder, then renames it into place,
// so the previous file survives a failed or interrupted write.
Status WriteFileAtomic(const std::string& path, std::string_view content);
// Creates the folder and its missing parents.
Status CreateDirectories(const std::string& path);
Status RemoveFile(const std::string& path);
// Removes a folder and everything below it.
Status RemoveTree(const std::string& path);

// Names (not paths) of the entries of a folder, sorted by their bytes;
// empty when unreadable.
std::vector<std::string> ListSubdirectories(const std::string& dir);
std::vector<std::string> ListFiles(const std::string& dir);

// CRC-32 (zlib) of a whole file, streamed; error when unreadable.
Result<uint32_t> FileCrc32(const std::string& path);

}  // namespace zelmora
