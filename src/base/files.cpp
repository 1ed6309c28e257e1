#include "base/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <filesystem>
#include <random>

#include "base/paths.h"

namespace zelmora {
namespace {

// Closes a descriptor when it goes out of scope.
class FdGuard {
public:
  explicit FdGuard(int fd) : m_fd(fd) {}
  ~FdGuard() {
    if (m_fd >= 0) close(m_fd);
  }
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  int get() const { return m_fd; }
  int release() { return std::exchange(m_fd, -1); }

private:
  int m_fd;
};

Status WriteAll(int fd, std::string_view content, const std::string& path) {
  while (!content.empty()) {
    const ssize_t n = write(fd, content.data(), content.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrnoError("Cannot write " + path);
    }
    content.remove_prefix(static_cast<size_t>(n));
  }
  return Status::Ok();
}

// A name beside the target that no other writer picks: pid, a counter and
// random bits, opened with O_EXCL so a clash is retried, never shared.
int CreateTempBeside(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = target + ".tmp" + std::to_string(getpid()) + "_" +
               std::to_string(counter.fetch_add(1)) + "_" + std::to_string(rd() % 100000);
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Writing through a link must replace the file it points to, not the link.
std::string ResolveTarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* resolved = realpath(path.c_str(), nullptr);
  if (resolved == nullptr) return path;
  std::string out = resolved;
  free(resolved);
  return out;
}

std::vector<std::string> ListEntries(const std::string& dir, bool wantDirs) {
  std::vector<std::string> names;
  DIR* d = opendir(dir.c_str());
  if (d == nullptr) return names;
  while (const dirent* e = readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const std::string full = JoinPath(dir, name);
    if (wantDirs ? DirectoryExists(full) : FileExists(full)) names.push_back(name);
  }
  closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int64_t GetFileSize(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

Result<std::string> ReadWholeFile(const std::string& path) {
  // Opening a named pipe for reading waits for a writer unless it is non-blocking.
  FdGuard fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) return ErrnoError("Cannot open " + path);
  struct stat info {};
  if (fstat(fd.get(), &info) != 0) return ErrnoError("Cannot read " + path);
  if (!S_ISREG(info.st_mode)) return Error{EINVAL, "Cannot read " + path + ": not a regular file"};
  std::string content;
  char buf[65536];
  while (true) {
    const ssize_t n = read(fd.get(), buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrnoError("Cannot read " + path);
    }
    content.append(buf, static_cast<size_t>(n));
  }
  return content;
}

Status WriteFileAtomic(const std::string& path, std::string_view content) {
  const std::string target = ResolveTarget(path);
  std::string tempPath;
  FdGuard fd(CreateTempBeside(target, tempPath));
  if (fd.get() < 0) return ErrnoError("Cannot create a temporary file for " + path);
  struct stat old {};
  if (stat(target.c_str(), &old) == 0) fchmod(fd.get(), old.st_mode & 07777);
  Status written = WriteAll(fd.get(), content, path);
  if (written && fsync(fd.get()) != 0) written = ErrnoError("Cannot write " + path);
  if (close(fd.release()) != 0 && written) written = ErrnoError("Cannot write " + path);
  if (written && rename(tempPath.c_str(), target.c_str()) != 0) {
    written = ErrnoError("Cannot replace " + path);
  }
  if (!written) unlink(tempPath.c_str());
  return written;
}

Status CreateDirectories(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) return Error{ec.value(), "Cannot create folder " + path + ": " + ec.message()};
  if (!DirectoryExists(path)) return Error{ENOTDIR, "Cannot create folder " + path};
  return Status::Ok();
}

Status RemoveFile(const std::string& path) {
  if (unlink(path.c_str()) != 0) return ErrnoError("Cannot delete " + path);
  return Status::Ok();
}

Status RemoveTree(const std::string& path) {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
  if (ec) return Error{ec.value(), "Cannot delete " + path + ": " + ec.message()};
  return Status::Ok();
}

std::vector<std::string> ListSubdirectories(const std::string& dir) {
  return ListEntries(dir, true);
}

std::vector<std::string> ListFiles(const std::string& dir) {
  return ListEntries(dir, false);
}

}  // namespace zelmora
