#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace zelmora::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  const char* base = getenv("TMPDIR");
  std::string pattern = (base != nullptr && *base != '\0') ? base : "/tmp";
  pattern += "/zelmora_test_XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "mkdtemp " << pattern << ": " << std::strerror(errno);
  }
  m_path = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  // Tests make folders read-only; give the owner access back so removal works.
  fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
  for (auto it = fs::recursive_directory_iterator(m_path, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec) && !it->is_symlink(ec)) {
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
  }
  fs::remove_all(m_path, ec);
}

std::string TempDir::file(std::string_view name) const {
  return m_path + "/" + std::string(name);
}

std::string TempDir::write(std::string_view name, std::string_view bytes) const {
  const std::string path = file(name);
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) ADD_FAILURE() << "cannot write " << path;
  return path;
}

std::string TempDir::mkdir(std::string_view name) const {
  const std::string path = file(name);
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec) ADD_FAILURE() << "cannot create " << path << ": " << ec.message();
  return path;
}

}  // namespace zelmora::test
