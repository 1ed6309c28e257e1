#pragma once

#include <string>

namespace zelmora {

inline constexpr const char* ProgramName = "Zelmora";
inline constexpr const char* ProgramVersion = "1.5";
inline constexpr const char* ProgramReleaseDate = "2018.07.06";
// The maker, named in the about window.
inline constexpr const char* ProgramMaker = "Kestrin";

// "Zelmora 1.5  [64-bit]" (two blanks), with the build's real bitness.
std::string ProgramTitle();

}  // namespace zelmora
