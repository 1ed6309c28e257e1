#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

// A piece of the status line's rich text with one look.
struct TRichTextRun {
  std::string Text;
  bool Bold = false;
  std::optional<uint32_t> Color;       // 0xRRGGBB
  std::optional<uint32_t> Background;  // 0xRRGGBB
  bool operator==(const TRichTextRun&) const = default;
};

// The small HTML subset of the progress labels: <b>, </b>, <font> with
// color="#RRGGBB" and bgcolor="#RRGGBB", </font>, tag names in either case.
// Everything else, other tags included, is text shown as it stands (a file
// name may well contain "<"). Runs of the same look are merged.
std::vector<TRichTextRun> ParseRichText(std::string_view text);

}  // namespace zelmora
