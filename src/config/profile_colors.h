#pragma once

#include <optional>
#include <string_view>

#include "core/app_params.h"

namespace zelmora {

inline constexpr TColor ProfileWhite{255, 255, 255};

// A colour written by hand in a profile, trimmed, in one of three notations:
// "#RRGGBB" or "#RGB" (blanks ignored); a hexadecimal number with or without
// "$" or "0x", read as the reference platform's 0x00BBGGRR (digits alone are
// hexadecimal too); three decimal components 0..255 separated by commas or
// blanks, optionally as "rgb(r, g, b)". Nothing for anything else.
std::optional<TColor> ParseProfileColor(std::string_view text);
// The same, white when the text is none of them.
TColor ProfileColorOrWhite(std::string_view text);

// Each component raised (lowered) by percent of itself, kept within 0..255;
// the selector's gradients and lines are made with these.
TColor LightenColor(TColor color, int percent);
TColor DarkenColor(TColor color, int percent);

}  // namespace zelmora
