#include "media/media_info_library.h"

#include <dlfcn.h>
#include <langinfo.h>

#include <cstring>

#include "base/text.h"
#include "platform/system_library.h"
#include "platform/utf8_locale.h"

namespace zelmora {

static_assert(sizeof(wchar_t) == sizeof(char32_t), "the library's wide strings are UTF-32 here");

namespace {

constexpr int InfoText = 1;    // the parameter's value as text
constexpr int SearchName = 0;  // look the parameter up by its name

template <typename Fn>
void Resolve(void* module, const std::string& prefix, const char* name, Fn& slot) {
  slot = reinterpret_cast<Fn>(dlsym(module, (prefix + name).c_str()));
}

void ResolveAll(void* module, const std::string& prefix, MediaInfoLibrary::EntryPoints& e) {
  Resolve(module, prefix, "New", e.New);
  Resolve(module, prefix, "Delete", e.Delete);
  Resolve(module, prefix, "Open", e.Open);
  Resolve(module, prefix, "Close", e.Close);
  Resolve(module, prefix, "Inform", e.Inform);
  Resolve(module, prefix, "GetI", e.GetI);
  Resolve(module, prefix, "Get", e.Get);
  Resolve(module, prefix, "Option", e.Option);
  Resolve(module, prefix, "State_Get", e.State_Get);
  Resolve(module, prefix, "Count_Get", e.Count_Get);
}

std::wstring ToWide(std::string_view utf8) {
  std::u32string text = Utf8ToUtf32(utf8);
  return std::wstring(text.begin(), text.end());
}

// The library owns the returned text until its next call: copy it at once.
std::string FromWide(const wchar_t* text) {
  if (text == nullptr) return {};
  std::u32string copy;
  for (; *text != 0; ++text) copy.push_back(static_cast<char32_t>(*text));
  return Utf32ToUtf8(copy);
}

bool CharacterLocaleIsUtf8() {
  const char* codeset = nl_langinfo(CODESET);
  return codeset != nullptr &&
         (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

}  // namespace

bool MediaInfoLibrary::LoadMediaInfoLibrary(const std::string& libraryPath) {
  if (m_module == nullptr) {
    // A bare name is the loader's own search; a file named by its path is
    // checked first (see IsLoadableSharedObject).
    const bool named = libraryPath.find('/') != std::string::npos;
    if (named && !IsLoadableSharedObject(libraryPath)) return false;
    void* module = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return false;
    m_module = module;
    // The library turns wide file names into bytes with the C library,
    // which under the "C" locale fails for every non-ASCII name.
    if (!CharacterLocaleIsUtf8()) SetUpUtf8CType();
  }
  ResolveAll(m_module, "MediaInfo_", m_wide);
  ResolveAll(m_module, "MediaInfoA_", m_ansi);
  return true;
}

bool MediaInfoLibrary::IsUsable() const {
  return m_module != nullptr && m_wide.New && m_wide.Open && m_wide.Option && m_wide.Inform &&
         m_wide.Get && m_wide.Close && m_wide.Delete;
}

MediaInfoLibrary& ProcessMediaInfoLibrary() {
  static MediaInfoLibrary library;
  return library;
}

MediaInfoSession::MediaInfoSession(const MediaInfoLibrary& library) : m_api(library.Wide()) {
  if (library.IsUsable()) m_handle = m_api.New();
}

MediaInfoSession::~MediaInfoSession() {
  if (m_handle == nullptr) return;
  m_api.Close(m_handle);
  m_api.Delete(m_handle);
}

bool MediaInfoSession::Open(const std::string& fileName) {
  if (m_handle == nullptr) return false;
  return m_api.Open(m_handle, ToWide(fileName).c_str()) != 0;
}

std::string MediaInfoSession::Inform() {
  if (m_handle == nullptr) return {};
  m_api.Option(nullptr, L"Complete", L"0");
  return FromWide(m_api.Inform(m_handle, 0));
}

std::string MediaInfoSession::Get(MediaInfoStreamKind kind, size_t streamNumber,
                                  const std::string& parameter) {
  if (m_handle == nullptr) return {};
  return FromWide(m_api.Get(m_handle, static_cast<int>(kind), streamNumber,
                            ToWide(parameter).c_str(), InfoText, SearchName));
}

}  // namespace zelmora
