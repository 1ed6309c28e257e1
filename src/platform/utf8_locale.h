#pragma once

#include <string>

namespace zelmora {

// Sets LC_CTYPE from the environment and, when that is not a UTF-8 locale,
// to "C.UTF-8", so C-library conversions of wide file names (libmediainfo
// relies on them) handle every letter. Numbers keep their own rules.
// Returns the LC_CTYPE in effect afterwards.
std::string SetUpUtf8CType();

}  // namespace zelmora
