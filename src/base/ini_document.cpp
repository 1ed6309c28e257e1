#include "base/ini_document.h"

#include <algorithm>
#include <optional>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text.h"

namespace zelmora {
namespace {

enum class LineKind { Other, Section, Key };

// Names longer than this are not names but garbage (a binary file read as
// text); such lines are kept but never matched.
constexpr size_t MaxNameLength = 4096;

struct Line {
  std::string text;
  LineKind kind = LineKind::Other;
  std::string name;    // section or key name as written, trimmed
  std::string folded;  // the name upper-cased, for matching
};

Line ParseLine(std::string text) {
  Line line;
  line.text = std::move(text);
  const std::string_view t = line.text;
  // U+FEFF (a byte-order mark, or the invisible blank it once was) counts as
  // a blank before a name: a line must mean the same when a save turns its
  // mark into the file's mark, which reading removes.
  size_t b = 0;
  while (b < t.size()) {
    if (static_cast<unsigned char>(t[b]) <= ' ')
      ++b;
    else if (t.compare(b, 3, "\xEF\xBB\xBF") == 0)
      b += 3;
    else
      break;
  }
  if (b == t.size() || t[b] == ';' || t[b] == '#') return line;
  if (t[b] == '[') {
    const size_t close = t.find(']', b);
    line.name = Trim(t.substr(b + 1, close == std::string_view::npos ? t.npos : close - b - 1));
    line.kind = LineKind::Section;
  } else {
    const size_t eq = t.find('=', b);
    if (eq == std::string_view::npos) return line;
    line.name = Trim(t.substr(b, eq - b));
    if (line.name.empty()) return line;
    line.kind = LineKind::Key;
  }
  if (line.name.size() > MaxNameLength) {
    line.kind = LineKind::Other;
    line.name.clear();
    return line;
  }
  line.folded = UpperCase(line.name);
  return line;
}

std::string RemoveQuotes(std::string s) {
  if (s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\'')) {
    return s.substr(1, s.size() - 2);
  }
  return s;
}

// A line break inside a name or value would split the line and could plant
// a key of its own when the file is read back.
std::string OneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

// Values are written as they are, except those that reading would change
// (surrounding blanks or quotes): they get one pair of quotes, which reading
// removes again.
std::string EncodeValue(std::string_view value) {
  std::string v = OneLine(value);
  if (RemoveQuotes(Trim(v)) != v) return "\"" + v + "\"";
  return v;
}

std::string DecodeText(std::string_view bytes) {
  auto utf16 = [&](bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
      const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
      units += static_cast<char16_t>((hi << 8) | lo);
    }
    return Utf16ToUtf8(units);
  };
  std::string text;
  if (bytes.starts_with("\xEF\xBB\xBF"))
    text = SanitizeUtf8(bytes.substr(3));
  else if (bytes.starts_with("\xFF\xFE"))
    text = utf16(false);
  else if (bytes.starts_with("\xFE\xFF"))
    text = utf16(true);
  else
    text = SanitizeUtf8(bytes);
  // A mark doubled by an editor is no text either. Kept, it would hide the
  // first line's header, and saving (UTF-8 without a mark) would turn it into
  // the file's mark, so the saved file would read differently.
  size_t marks = 0;
  while (text.compare(marks, 3, "\xEF\xBB\xBF") == 0) marks += 3;
  text.erase(0, marks);
  return text;
}

}  // namespace

struct IniDocument::Impl {
  std::vector<Line> lines;

  // Calls f(index, line) for every line inside a section of that name; the
  // lines before the first header form the section "". Stops when f returns true.
  template <typename F>
  void ForEachInSection(const std::string& folded, F f) const {
    bool inside = folded.empty();
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].kind == LineKind::Section) {
        inside = lines[i].folded == folded;
        continue;
      }
      if (inside && f(i, lines[i])) return;
    }
  }

  std::optional<size_t> FindKey(std::string_view section, std::string_view key) const {
    const std::string fk = UpperCase(key);
    std::optional<size_t> found;
    ForEachInSection(UpperCase(section), [&](size_t i, const Line& line) {
      if (line.kind == LineKind::Key && line.folded == fk) found = i;
      return found.has_value();
    });
    return found;
  }

  // Where a new key of the section goes: after its last key (or its header)
  // in the first block of that name; nullopt when the section is missing.
  std::optional<size_t> InsertionPoint(const std::string& folded) const {
    std::optional<size_t> header;
    if (folded.empty()) header = 0;
    for (size_t i = 0; i < lines.size() && !header; ++i) {
      if (lines[i].kind == LineKind::Section && lines[i].folded == folded) header = i + 1;
    }
    if (!header) return std::nullopt;
    size_t at = *header;
    for (size_t i = *header; i < lines.size() && lines[i].kind != LineKind::Section; ++i) {
      if (lines[i].kind == LineKind::Key) at = i + 1;
    }
    return at;
  }
};

IniDocument::IniDocument() : m_impl(std::make_unique<Impl>()) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(const IniDocument& other)
    : m_impl(std::make_unique<Impl>(*other.m_impl)) {}

IniDocument& IniDocument::operator=(const IniDocument& other) {
  if (this != &other) *m_impl = *other.m_impl;
  return *this;
}

Status IniDocument::LoadFromFile(const std::string& path) {
  m_impl->lines.clear();
  Result<std::string> bytes = ReadWholeFile(path);
  if (!bytes) return bytes.error();
  LoadFromText(bytes.value());
  return Status::Ok();
}

void IniDocument::LoadFromText(std::string_view bytes) {
  m_impl->lines.clear();
  for (std::string& text : SplitLines(DecodeText(bytes))) {
    m_impl->lines.push_back(ParseLine(std::move(text)));
  }
}

Status IniDocument::SaveToFile(const std::string& path) const {
  return WriteFileAtomic(path, Text());
}

std::string IniDocument::Text() const {
  size_t size = 0;
  for (const Line& line : m_impl->lines) size += line.text.size() + 1;
  std::string out;
  out.reserve(size);
  for (const Line& line : m_impl->lines) {
    out += line.text;
    out += '\n';
  }
  return out;
}

bool IniDocument::SectionExists(std::string_view section) const {
  const std::string folded = UpperCase(section);
  for (const Line& line : m_impl->lines) {
    if (line.kind == LineKind::Section && line.folded == folded) return true;
  }
  return false;
}

bool IniDocument::KeyExists(std::string_view section, std::string_view key) const {
  return m_impl->FindKey(section, key).has_value();
}

std::vector<std::string> IniDocument::Sections() const {
  std::vector<std::string> names;
  std::vector<std::string> seen;
  for (const Line& line : m_impl->lines) {
    if (line.kind != LineKind::Section) continue;
    if (std::find(seen.begin(), seen.end(), line.folded) != seen.end()) continue;
    seen.push_back(line.folded);
    names.push_back(line.name);
  }
  return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
  std::vector<std::string> names;
  std::vector<std::string> seen;
  m_impl->ForEachInSection(UpperCase(section), [&](size_t, const Line& line) {
    if (line.kind == LineKind::Key &&
        std::find(seen.begin(), seen.end(), line.folded) == seen.end()) {
      seen.push_back(line.folded);
      names.push_back(line.name);
    }
    return false;
  });
  return names;
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
  const auto index = m_impl->FindKey(section, key);
  if (!index) return std::string(def);
  const std::string& text = m_impl->lines[*index].text;
  const std::string value = RemoveQuotes(Trim(std::string_view(text).substr(text.find('=') + 1)));
  return Utf8Left(value, MaxValueLength);
}

int32_t IniDocument::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t def) const {
  if (!KeyExists(section, key)) return def;
  return ParseInt32(ReadString(section, key, {})).value_or(def);
}

int64_t IniDocument::ReadInt64(std::string_view section, std::string_view key, int64_t def) const {
  if (!KeyExists(section, key)) return def;
  return ParseInt64(ReadString(section, key, {})).value_or(def);
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool def) const {
  if (!KeyExists(section, key)) return def;
  const auto value = ParseInt32(ReadString(section, key, {}));
  return value ? *value != 0 : def;
}

void IniDocument::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  const std::string sectionName = Trim(OneLine(section));
  const std::string keyName = Trim(OneLine(key));
  if (keyName.empty()) return;
  std::vector<Line>& lines = m_impl->lines;
  if (const auto index = m_impl->FindKey(sectionName, keyName)) {
    // The key keeps the spelling it has in the file.
    lines[*index] = ParseLine(lines[*index].name + "=" + EncodeValue(value));
    return;
  }
  Line line = ParseLine(keyName + "=" + EncodeValue(value));
  if (const auto at = m_impl->InsertionPoint(UpperCase(sectionName))) {
    lines.insert(lines.begin() + static_cast<ptrdiff_t>(*at), std::move(line));
    return;
  }
  if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back(ParseLine(""));
  lines.push_back(ParseLine("[" + sectionName + "]"));
  lines.push_back(std::move(line));
}

void IniDocument::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniDocument::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniDocument::EraseKey(std::string_view section, std::string_view key) {
  while (const auto index = m_impl->FindKey(section, key)) {
    m_impl->lines.erase(m_impl->lines.begin() + static_cast<ptrdiff_t>(*index));
  }
}

void IniDocument::EraseSection(std::string_view section) {
  const std::string folded = UpperCase(section);
  std::vector<Line> kept;
  bool inside = folded.empty();
  for (Line& line : m_impl->lines) {
    if (line.kind == LineKind::Section) inside = line.folded == folded;
    // The unnamed part before the first header loses its keys, not its comments.
    const bool drop = inside && (!folded.empty() || line.kind == LineKind::Key);
    if (!drop) kept.push_back(std::move(line));
  }
  m_impl->lines = std::move(kept);
}

}  // namespace zelmora
