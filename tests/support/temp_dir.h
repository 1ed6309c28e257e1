#pragma once

#include <string>
#include <string_view>

namespace zelmora::test {

// A fresh folder under $TMPDIR (or /tmp) that is removed with everything in it
// when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  // The path of `name` inside the folder (nothing is created).
  std::string file(std::string_view name) const;
  // Writes `bytes` to `name` inside the folder (creating subfolders) and
  // returns its path; fails the current test when writing fails.
  std::string write(std::string_view name, std::string_view bytes) const;
  // Creates a subfolder and returns its path.
  std::string mkdir(std::string_view name) const;

private:
  std::string m_path;
};

}  // namespace zelmora::test
