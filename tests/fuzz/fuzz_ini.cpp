// The INI reader over arbitrary bytes, and the write/read round trip: every
// key read from the document, written into a new document and into the
// document itself, reads back with the value it had.
#include <string>
#include <vector>

#include "base/ini_document.h"
#include "base/text.h"
#include "fuzz_support.h"

using namespace zelmora;
using zelmora::fuzz::Require;

namespace {

struct Entry {
  std::string section;
  std::string key;
  std::string value;
};

std::vector<Entry> ReadEverything(const IniDocument& ini) {
  std::vector<std::string> sections{""};
  for (const std::string& s : ini.Sections()) {
    if (!SameText(s, "")) sections.push_back(s);
  }
  std::vector<Entry> entries;
  for (const std::string& section : sections) {
    Require(section.empty() || ini.SectionExists(section), "a listed section exists");
    for (const std::string& key : ini.Keys(section)) {
      Require(ini.KeyExists(section, key), "a listed key exists");
      entries.push_back({section, key, ini.ReadString(section, key, "")});
      ini.ReadInteger(section, key, 0);
      ini.ReadInt64(section, key, 0);
      ini.ReadBool(section, key, false);
    }
  }
  return entries;
}

void RequireReadBack(const IniDocument& written, const std::vector<Entry>& entries,
                     const char* what) {
  IniDocument reread;
  reread.LoadFromText(written.Text());
  for (const Entry& e : entries) {
    Require(reread.KeyExists(e.section, e.key), what);
    Require(reread.ReadString(e.section, e.key, "\x01") == e.value, what);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  IniDocument ini;
  ini.LoadFromText(fuzz::AsText(data, size));
  const std::vector<Entry> entries = ReadEverything(ini);

  IniDocument fresh;
  for (const Entry& e : entries) fresh.WriteString(e.section, e.key, e.value);
  RequireReadBack(fresh, entries, "a key written into a new document reads back");

  IniDocument same = ini;
  for (const Entry& e : entries) same.WriteString(e.section, e.key, e.value);
  RequireReadBack(same, entries, "a key written over itself reads back");

  // Erasing must leave a document that still reads.
  if (!entries.empty()) {
    same.EraseKey(entries.front().section, entries.front().key);
    Require(!same.KeyExists(entries.front().section, entries.front().key), "an erased key is gone");
    same.EraseSection(entries.back().section);
    ReadEverything(same);
  }
  return 0;
}
