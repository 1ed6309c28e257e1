#pragma once

#include <string>
#include <string_view>

namespace zelmora {

constexpr char PathDelim = '/';

// Removes one trailing "." and then one trailing "/" ("/" itself stays "/").
std::string NormalizeDir(std::string_view dir);
// Joins with exactly one "/" between the parts.
std::string JoinPath(std::string_view dir, std::string_view name);
// "/a/b/c.webm" -> "c.webm"
std::string ExtractFileName(std::string_view path);
// "/a/b/c.webm" -> "/a/b"; "c.webm" -> ""; "/c" -> "/"
std::string ExtractFileDir(std::string_view path);
// "/a/b/c.webm" -> ".webm"; no dot in the name -> ""
std::string ExtractFileExt(std::string_view path);
// "/a/b/c.webm" -> "c"
std::string ExtractFileNameNoExt(std::string_view path);
// Replaces (or adds) the extension; ext includes its dot (".avi").
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// Absolute path against the current directory, "." and ".." resolved
// lexically and "//" collapsed; the leading "/" always kept.
std::string ExpandFileName(std::string_view path);
// ExpandFileName, then symbolic links resolved where the path exists.
std::string CanonicalPath(std::string_view path);
bool IsAbsolutePath(std::string_view path);

}  // namespace zelmora
