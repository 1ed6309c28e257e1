#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// Cuts the byte stream of a console child into text lines.
//
// A carriage return completes a line; ffmpeg rewrites its progress line in
// place by ending it with a bare CR, so the next completed line replaces the
// list's last entry instead of adding one. A line feed after a CR only marks
// that the next line starts a new entry. A line feed that does not follow a
// CR (ordinary lines on Linux) completes the line exactly as CR LF would.
// A line that reaches MaxLineLength bytes is delivered at once.
class LineCutter {
public:
  static constexpr size_t MaxLineLength = 20480;
  using LineHandler = std::function<void(const std::string& line)>;

  // outputLines may be null: then lines are only announced.
  LineCutter(std::vector<std::string>* outputLines, LineHandler onLine);

  void Feed(std::string_view bytes);
  // The completion after the output has ended: a last line without a line
  // end is delivered, and after a final CR LF an empty entry is added.
  void Finish();

private:
  void Complete();
  void CompleteFullLine();

  std::vector<std::string>* m_outputLines;
  LineHandler m_onLine;
  std::string m_line;
  bool m_newLine = true;
  bool m_afterCr = false;
  // The line just delivered was cut at MaxLineLength: a line end that follows
  // at once belongs to it and must not add an empty entry of its own.
  bool m_afterFullLine = false;
};

}  // namespace zelmora
