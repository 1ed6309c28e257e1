#include "config/cli_strings.h"

#include "i18n/language_file.h"

namespace zelmora {

int RunCliStrings(std::ostream& out) {
  out << EnglishLanguageFileText();
  out.flush();
  return out ? 0 : 1;
}

}  // namespace zelmora
