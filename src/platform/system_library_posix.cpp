#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "platform/environment.h"
#include "platform/system_library.h"

namespace zelmora {
namespace {

// The Debian multiarch folder name of this build's target.
const char* MultiarchTriplet() {
#if defined(__x86_64__) && defined(__LP64__)
  return "x86_64-linux-gnu";
#elif defined(__x86_64__)
  return "x86_64-linux-gnux32";
#elif defined(__i386__)
  return "i386-linux-gnu";
#elif defined(__aarch64__)
  return "aarch64-linux-gnu";
#elif defined(__arm__)
  return "arm-linux-gnueabihf";
#elif defined(__powerpc64__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  return "powerpc64le-linux-gnu";
#elif defined(__riscv) && __riscv_xlen == 64
  return "riscv64-linux-gnu";
#else
  return "";
#endif
}

std::string AskLoader(const std::string& fileName) {
  // RTLD_LAZY keeps the cost down: nothing of the library runs but its
  // constructors, and it is unloaded at once.
  void* handle = dlopen(fileName.c_str(), RTLD_LAZY | RTLD_LOCAL);
  if (!handle) return {};
  std::string path;
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name) path = map->l_name;
  dlclose(handle);
  return IsAbsolutePath(path) ? path : std::string();
}

bool ReadAt(int fd, void* buffer, size_t size, off_t offset) {
  return pread(fd, buffer, size, offset) == static_cast<ssize_t>(size);
}

bool HeadersFitTheFile(int fd, off_t fileSize) {
  ElfW(Ehdr) header;
  if (!ReadAt(fd, &header, sizeof header, 0)) return false;
  if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return false;
  // Another class or byte order cannot be read here; the loader refuses it anyway.
  constexpr unsigned char NativeClass = __ELF_NATIVE_CLASS == 64 ? ELFCLASS64 : ELFCLASS32;
  constexpr unsigned char NativeData =
      __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;
  if (header.e_ident[EI_CLASS] != NativeClass || header.e_ident[EI_DATA] != NativeData ||
      header.e_type != ET_DYN || header.e_phentsize != sizeof(ElfW(Phdr)))
    return false;
  const auto size = static_cast<uint64_t>(fileSize);
  if (header.e_phoff > size ||
      header.e_phnum * uint64_t{sizeof(ElfW(Phdr))} > size - header.e_phoff)
    return false;
  for (unsigned i = 0; i < header.e_phnum; ++i) {
    ElfW(Phdr) segment;
    if (!ReadAt(fd, &segment, sizeof segment,
                static_cast<off_t>(header.e_phoff + i * sizeof(ElfW(Phdr)))))
      return false;
    if (segment.p_type == PT_LOAD &&
        (segment.p_offset > size || segment.p_filesz > size - segment.p_offset))
      return false;
  }
  return true;
}

}  // namespace

bool IsLoadableSharedObject(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  const bool ok =
      fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && HeadersFitTheFile(fd, info.st_size);
  close(fd);
  return ok;
}

std::vector<std::string> SystemLibraryDirs() {
  std::vector<std::string> dirs;
  for (const std::string& entry : Split(GetEnvironmentVariable("LD_LIBRARY_PATH"), ':'))
    if (!entry.empty()) dirs.push_back(entry);
  std::string triplet = MultiarchTriplet();
  for (const char* prefix : {"/usr/local/lib", "/lib", "/usr/lib"}) {
    if (!triplet.empty()) dirs.push_back(JoinPath(prefix, triplet));
  }
  for (const char* dir : {"/usr/local/lib", "/lib64", "/usr/lib64", "/lib", "/usr/lib"})
    dirs.push_back(dir);
  return dirs;
}

std::string FindLibraryInDirs(const std::string& fileName, const std::vector<std::string>& dirs) {
  for (const std::string& dir : dirs) {
    std::string candidate = ExpandFileName(JoinPath(dir, fileName));
    if (FileExists(candidate)) return candidate;
  }
  return {};
}

std::string FindSystemLibrary(const std::string& fileName) {
  std::string found = FindLibraryInDirs(fileName, SystemLibraryDirs());
  return found.empty() ? AskLoader(fileName) : found;
}

}  // namespace zelmora
