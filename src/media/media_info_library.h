#pragma once

#include <cstddef>
#include <string>

#include "media/media_info_reader.h"

namespace zelmora {

// The MediaInfo library's C interface, loaded at run time so that the
// program works without it. Once loaded it stays loaded for the life of the
// process; a failed load changes nothing, so the next call tries again.
class MediaInfoLibrary {
public:
  // Wide-character strings are wchar_t (UTF-32 on Linux).
  using NewFn = void* (*)();
  using DeleteFn = void (*)(void*);
  using OpenFn = size_t (*)(void*, const wchar_t*);
  using CloseFn = void (*)(void*);
  using InformFn = const wchar_t* (*)(void*, size_t);
  using GetIFn = const wchar_t* (*)(void*, int, size_t, size_t, int);
  using GetFn = const wchar_t* (*)(void*, int, size_t, const wchar_t*, int, int);
  using OptionFn = const wchar_t* (*)(void*, const wchar_t*, const wchar_t*);
  using StateGetFn = size_t (*)(void*);
  using CountGetFn = size_t (*)(void*, int, size_t);

  // One slot per entry point; a name the library does not export leaves its
  // slot empty.
  struct EntryPoints {
    NewFn New = nullptr;
    DeleteFn Delete = nullptr;
    OpenFn Open = nullptr;
    CloseFn Close = nullptr;
    InformFn Inform = nullptr;
    GetIFn GetI = nullptr;
    GetFn Get = nullptr;
    OptionFn Option = nullptr;
    StateGetFn State_Get = nullptr;
    CountGetFn Count_Get = nullptr;
  };

  MediaInfoLibrary() = default;
  MediaInfoLibrary(const MediaInfoLibrary&) = delete;
  MediaInfoLibrary& operator=(const MediaInfoLibrary&) = delete;

  // Loads the library at the path unless one is loaded already, then looks
  // up every entry point by name. False when nothing could be loaded.
  bool LoadMediaInfoLibrary(const std::string& libraryPath);
  bool IsLoaded() const { return m_module != nullptr; }
  // Loaded and offering every wide-character function the program calls;
  // a library without one of them is never called at all.
  bool IsUsable() const;

  const EntryPoints& Wide() const { return m_wide; }
  const EntryPoints& Ansi() const { return m_ansi; }

private:
  void* m_module = nullptr;  // never closed
  EntryPoints m_wide;        // "MediaInfo_" names
  EntryPoints m_ansi;        // "MediaInfoA_" names, resolved but not called
};

// The library of this process: a loaded shared library is process-wide by
// nature, so every analysis shares one binding.
MediaInfoLibrary& ProcessMediaInfoLibrary();

// One file read through the library: New on construction, then Open; Close
// and Delete on destruction, so no handle outlives one read.
class MediaInfoSession : public MediaInfoSource {
public:
  explicit MediaInfoSession(const MediaInfoLibrary& library);
  ~MediaInfoSession() override;
  MediaInfoSession(const MediaInfoSession&) = delete;
  MediaInfoSession& operator=(const MediaInfoSession&) = delete;

  // False when the library cannot open the file.
  bool Open(const std::string& fileName);
  // Sets the library-wide "Complete" = "0" option, then returns the report.
  std::string Inform() override;
  std::string Get(MediaInfoStreamKind kind, size_t streamNumber,
                  const std::string& parameter) override;

private:
  const MediaInfoLibrary::EntryPoints& m_api;
  void* m_handle = nullptr;
};

}  // namespace zelmora
