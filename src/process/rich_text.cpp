#include "process/rich_text.h"

#include "process/text_match.h"

namespace zelmora {
namespace {

struct FontLook {
  std::optional<uint32_t> color;
  std::optional<uint32_t> background;
};

std::optional<uint32_t> ParseHexColor(std::string_view value) {
  if (value.size() != 7 || value[0] != '#') return std::nullopt;
  uint32_t rgb = 0;
  for (char c : value.substr(1)) {
    char u = AsciiUpper(c);
    int digit = u >= '0' && u <= '9' ? u - '0' : u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
    if (digit < 0) return std::nullopt;
    rgb = rgb * 16 + static_cast<uint32_t>(digit);
  }
  return rgb;
}

// The value of name="..." inside a tag's attribute text.
std::optional<uint32_t> Attribute(std::string_view attrs, std::string_view name) {
  for (size_t pos = FindAsciiText(attrs, name); pos != std::string_view::npos;) {
    bool wordStart = pos == 0 || attrs[pos - 1] == ' ';
    std::string_view rest = attrs.substr(pos + name.size());
    if (wordStart && rest.size() > 1 && rest[0] == '=' && rest[1] == '"') {
      size_t close = rest.find('"', 2);
      if (close != std::string_view::npos) return ParseHexColor(rest.substr(2, close - 2));
    }
    size_t next = FindAsciiText(attrs.substr(pos + 1), name);
    pos = next == std::string_view::npos ? next : pos + 1 + next;
  }
  return std::nullopt;
}

class RunBuilder {
public:
  void Add(std::string_view text, bool bold, const FontLook& look) {
    if (text.empty()) return;
    if (!m_runs.empty() && m_runs.back().Bold == bold && m_runs.back().Color == look.color &&
        m_runs.back().Background == look.background) {
      m_runs.back().Text += text;
      return;
    }
    m_runs.push_back(TRichTextRun{std::string(text), bold, look.color, look.background});
  }
  std::vector<TRichTextRun> Take() { return std::move(m_runs); }

private:
  std::vector<TRichTextRun> m_runs;
};

// Applies a <b>, </b>, <font ...> or </font> tag; false for anything else.
bool ApplyTag(std::string_view tag, int& boldDepth, std::vector<FontLook>& fonts) {
  if (tag.size() == 1 && AsciiUpper(tag[0]) == 'B') {
    ++boldDepth;
  } else if (tag.size() == 2 && StartsWithAsciiText(tag, "/b")) {
    if (boldDepth > 0) --boldDepth;
  } else if (StartsWithAsciiText(tag, "font") && (tag.size() == 4 || tag[4] == ' ')) {
    FontLook look = fonts.back();
    if (auto color = Attribute(tag.substr(4), "color")) look.color = color;
    if (auto background = Attribute(tag.substr(4), "bgcolor")) look.background = background;
    fonts.push_back(look);
  } else if (tag.size() == 5 && StartsWithAsciiText(tag, "/font")) {
    if (fonts.size() > 1) fonts.pop_back();
  } else {
    return false;
  }
  return true;
}

}  // namespace

std::vector<TRichTextRun> ParseRichText(std::string_view text) {
  RunBuilder runs;
  int boldDepth = 0;
  std::vector<FontLook> fonts{FontLook{}};
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('<', pos);
    size_t close = open == std::string_view::npos ? open : text.find('>', open);
    if (close == std::string_view::npos) break;
    // The text before a tag keeps the look in force before it.
    runs.Add(text.substr(pos, open - pos), boldDepth > 0, fonts.back());
    if (!ApplyTag(text.substr(open + 1, close - open - 1), boldDepth, fonts)) {
      // An unknown "<" is text; the scan goes on right after it, so a real
      // tag that follows is still seen.
      runs.Add("<", boldDepth > 0, fonts.back());
      pos = open + 1;
      continue;
    }
    pos = close + 1;
  }
  if (pos < text.size()) runs.Add(text.substr(pos), boldDepth > 0, fonts.back());
  return runs.Take();
}

}  // namespace zelmora
