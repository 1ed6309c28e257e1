#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "base/files.h"
#include "support/temp_dir.h"

namespace zelmora::test {

using FaultClock = std::chrono::steady_clock;

// A symbolic link named ffmpeg to the compiled fake encoder, which then
// answers as ffmpeg and carries out `commands` for every encoding (the
// link's target is what /proc names, as for the real ffmpeg).
inline std::string LinkFakeEncoderAsFfmpeg(const TempDir& dir) {
  const std::string bin = dir.mkdir("link-bin");
  const std::string link = bin + "/ffmpeg";
  (void)symlink(ZELMORA_FAKE_ENCODER, link.c_str());
  return link;
}

// An executable bash script in dir/name with the given body.
inline std::string WriteScript(const TempDir& dir, const std::string& name,
                               const std::string& body) {
  const std::string path = dir.write(name, "#!/bin/bash\n" + body + "\n");
  chmod(path.c_str(), 0755);
  return path;
}

// A small tmpfs mounted on a fresh folder for one test, unmounted again at
// the end. Mounting needs root (and a system that allows it); ok() says
// whether it worked, so a test can take another way or skip.
class TmpfsMount {
public:
  explicit TmpfsMount(const TempDir& dir, const std::string& options) : m_path(dir.mkdir("mnt")) {
    m_mounted = mount("tmpfs", m_path.c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~TmpfsMount() {
    if (m_mounted) (void)umount2(m_path.c_str(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool ok() const { return m_mounted; }
  const std::string& path() const { return m_path; }
  // Makes the mounted file system read-only (root writes to it no more).
  bool MakeReadOnly() {
    return m_mounted &&
           mount("tmpfs", m_path.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

private:
  std::string m_path;
  bool m_mounted = false;
};

// A folder this process cannot write to, holding the given files (name,
// content): a read-only tmpfs when mounting works, else (not root) a folder
// without write permission. Empty path when neither is possible.
class ReadOnlyFolder {
public:
  using Files = std::vector<std::pair<std::string, std::string>>;
  explicit ReadOnlyFolder(const TempDir& dir, const Files& files = {}) : m_mount(dir, "size=1m") {
    std::string folder = m_mount.ok() ? m_mount.path() : dir.mkdir("read-only");
    for (const auto& [name, content] : files) (void)WriteFileAtomic(folder + "/" + name, content);
    if (m_mount.ok()) {
      if (m_mount.MakeReadOnly()) m_path = folder;
    } else if (geteuid() != 0) {
      m_path = folder;
      chmod(m_path.c_str(), 0555);
    }
  }
  ~ReadOnlyFolder() {
    if (!m_mount.ok() && !m_path.empty()) chmod(m_path.c_str(), 0755);
  }
  const std::string& path() const { return m_path; }

private:
  TmpfsMount m_mount;
  std::string m_path;
};

}  // namespace zelmora::test
