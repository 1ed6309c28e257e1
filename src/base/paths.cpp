#include "base/paths.h"

#include <errno.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <vector>

#include "base/text.h"

namespace zelmora {
namespace {

std::string CurrentDirectory() {
  std::vector<char> buf(PATH_MAX);
  while (getcwd(buf.data(), buf.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buf.resize(buf.size() * 2);
  }
  return buf.data();
}

// Position of the dot that starts the extension of the last path part, or npos.
size_t ExtensionDot(std::string_view path) {
  const size_t slash = path.rfind(PathDelim);
  const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) return std::string_view::npos;
  return dot;
}

}  // namespace

std::string NormalizeDir(std::string_view dir) {
  std::string s(dir);
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s.size() > 1 && s.back() == PathDelim) s.pop_back();
  // "/." loses its dot and must still name the root.
  if (s.empty() && !dir.empty() && dir.front() == PathDelim) s = "/";
  return s;
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  if (dir.empty()) return std::string(name);
  if (name.empty()) return std::string(dir);
  std::string out(dir);
  while (out.size() > 1 && out.back() == PathDelim) out.pop_back();
  while (!name.empty() && name.front() == PathDelim) name.remove_prefix(1);
  if (out.back() != PathDelim) out += PathDelim;
  out.append(name);
  return out;
}

std::string ExtractFileName(std::string_view path) {
  const size_t slash = path.rfind(PathDelim);
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFileDir(std::string_view path) {
  const size_t slash = path.rfind(PathDelim);
  if (slash == std::string_view::npos) return {};
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string ExtractFileExt(std::string_view path) {
  const size_t dot = ExtensionDot(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ExtractFileNameNoExt(std::string_view path) {
  const std::string name = ExtractFileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t dot = ExtensionDot(path);
  std::string out(dot == std::string_view::npos ? path : path.substr(0, dot));
  out.append(ext);
  return out;
}

bool IsAbsolutePath(std::string_view path) {
  return !path.empty() && path.front() == PathDelim;
}

std::string ExpandFileName(std::string_view path) {
  std::string full = IsAbsolutePath(path) ? std::string(path) : JoinPath(CurrentDirectory(), path);
  std::vector<std::string> parts;
  for (std::string& part : Split(full, PathDelim)) {
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(std::move(part));
  }
  return "/" + Join(parts, "/");
}

std::string CanonicalPath(std::string_view path) {
  const std::string expanded = ExpandFileName(path);
  // Resolve the longest prefix that exists; the rest is kept as written.
  std::string head = expanded;
  std::string tail;
  while (true) {
    char* resolved = realpath(head.c_str(), nullptr);
    if (resolved != nullptr) {
      std::string out = JoinPath(resolved, tail);
      free(resolved);
      return out;
    }
    if (head == "/") return expanded;
    tail = tail.empty() ? ExtractFileName(head) : JoinPath(ExtractFileName(head), tail);
    head = ExtractFileDir(head);
  }
}

}  // namespace zelmora
