#include "process/line_cutter.h"

#include <cstring>
#include <utility>

#include "base/text.h"

namespace zelmora {
namespace {

// Number of bytes at the end of `s` that start a UTF-8 sequence the text does
// not finish yet; a line cut at the length limit carries them over, so a
// letter that straddles the cut is not turned into two replacement marks.
size_t IncompleteUtf8Tail(const std::string& s) {
  size_t n = s.size();
  for (size_t back = 1; back <= 3 && back <= n; ++back) {
    unsigned char c = static_cast<unsigned char>(s[n - back]);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte: keep looking
    size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    return need > back && c < 0xF8 ? back : 0;
  }
  return 0;
}

}  // namespace

LineCutter::LineCutter(std::vector<std::string>* outputLines, LineHandler onLine)
    : m_outputLines(outputLines), m_onLine(std::move(onLine)) {
  m_line.reserve(MaxLineLength + 1);
}

void LineCutter::Feed(std::string_view bytes) {
  const char* p = bytes.data();
  const char* end = p + bytes.size();
  while (p < end) {
    size_t room = MaxLineLength - m_line.size();
    const char* limit = static_cast<size_t>(end - p) > room ? p + room : end;
    const char* q = p;
    while (q < limit && *q != '\r' && *q != '\n') ++q;
    if (q > p) {
      m_line.append(p, q);
      p = q;
      m_afterCr = false;
      m_afterFullLine = false;
      if (m_line.size() == MaxLineLength) CompleteFullLine();
      continue;
    }
    bool swallow = m_afterFullLine && m_line.empty();
    if (*p++ == '\r') {
      if (!swallow) Complete();
      m_afterCr = true;
    } else {
      if (!m_afterCr && !swallow) Complete();
      m_newLine = true;
      m_afterCr = false;
    }
    m_afterFullLine = false;
  }
}

void LineCutter::Finish() {
  // Output that ended with a bare CR has already delivered its last line;
  // an empty completion would overwrite that entry and lose it.
  if (m_line.empty() && !m_newLine) return;
  Complete();
}

void LineCutter::Complete() {
  std::string text =
      SanitizeUtf8(std::string_view(m_line.data(), strnlen(m_line.data(), m_line.size())));
  if (m_outputLines != nullptr) {
    if (m_newLine || m_outputLines->empty())
      m_outputLines->push_back(text);
    else
      m_outputLines->back() = text;
  }
  m_newLine = false;
  m_line.clear();
  if (m_onLine) m_onLine(text);
}

void LineCutter::CompleteFullLine() {
  size_t tail = IncompleteUtf8Tail(m_line);
  std::string carry = m_line.substr(m_line.size() - tail);
  m_line.resize(m_line.size() - tail);
  m_newLine = true;
  Complete();
  // The bytes after a full line start an entry of their own.
  m_newLine = true;
  m_afterFullLine = true;
  m_line = std::move(carry);
}

}  // namespace zelmora
