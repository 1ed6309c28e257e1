#pragma once

#include <string>

namespace zelmora {

// Positions in the "if the output exists" list (cbOutputExists).
enum TOutputExists : int { oeRename = 0, oeOverwrite = 1, oeSkip = 2 };

// Positions in the "after conversion" list (cbAfterConversion).
enum TAfterConversion : int { acDoNothing = 0, acCloseApplication = 1, acCloseWindows = 2 };

// Where the outputs go and what happens around them, as the main window's
// output panel holds it (the settings file keeps the same fields).
struct OutputOptions {
  bool OutIn = true;                  // the output goes beside its input
  std::string OutDir;                 // used when OutIn is false
  int OutputExists = oeRename;        // key "cbOutputExists"
  int AfterConversion = acDoNothing;  // key "cbAfterConversion"
  bool KeepFileDates = false;
};

// A stored index outside its list (an edited settings file) must never turn
// into an overwrite or a shutdown: it reads as the first entry.
inline TOutputExists EffectiveOutputExists(int index) {
  return index == oeOverwrite || index == oeSkip ? static_cast<TOutputExists>(index) : oeRename;
}
inline TAfterConversion EffectiveAfterConversion(int index) {
  return index == acCloseApplication || index == acCloseWindows
             ? static_cast<TAfterConversion>(index)
             : acDoNothing;
}

}  // namespace zelmora
