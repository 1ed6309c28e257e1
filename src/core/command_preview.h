#pragma once

#include <string>

#include "core/argument_builder.h"

namespace zelmora {

inline constexpr const char* InputFilePlaceholder = "<input_file>";
inline constexpr const char* OutputFilePlaceholder = "<output_file>";

// The text of the command-line preview: one line per pass (two whenever the
// active format's Video2Pass is set, two line breaks between them), built
// from the pieces with placeholders for the files. A refused video, audio or
// advanced piece is left out (its message has been shown). Runs of three
// blanks are reduced once, left to right; the input placeholder is replaced
// by inputText (the quoted file name, or the placeholder when no row is
// selected).
std::string BuildCommandPreview(const BuilderInput& in, const std::string& inputText);

// The input text for a selected file: its name quoted as the runner gets it.
std::string PreviewInputText(const std::string& fileName);

// Replaces each run of three blanks by one blank in a single left-to-right
// pass (so five blanks become three).
std::string ReduceTripleBlanks(const std::string& text);

}  // namespace zelmora

#include <set>
#include <vector>

namespace zelmora {

struct AppContext;
class ConsoleRunner;

// The whole preview for the current selection: ffmpeg is located, the
// selected file (none when empty) analysed afresh into CurrentFileInfo, and
// the text built from the pieces.
std::string BuildSelectionPreview(AppContext& context, ConsoleRunner& runner,
                                  const EncoderSettings& settings,
                                  const std::vector<std::string>& resolutions,
                                  const std::set<std::string>& encoders, MessageView& messages,
                                  const std::string& selectedFile);

}  // namespace zelmora
