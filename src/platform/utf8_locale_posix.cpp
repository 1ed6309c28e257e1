#include <langinfo.h>

#include <clocale>

#include "base/text.h"
#include "platform/utf8_locale.h"

namespace zelmora {
namespace {

bool CTypeIsUtf8() {
  const char* codeset = nl_langinfo(CODESET);
  return codeset && (SameText(codeset, "UTF-8") || SameText(codeset, "utf8"));
}

std::string CurrentCType() {
  const char* name = std::setlocale(LC_CTYPE, nullptr);
  return name ? name : "";
}

}  // namespace

std::string SetUpUtf8CType() {
  std::setlocale(LC_CTYPE, "");
  if (!CTypeIsUtf8()) {
    // C.UTF-8 is built into glibc 2.35 and later; older systems ship it as
    // a locale, which may be missing: keep whatever there is then.
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "en_US.UTF-8");
  }
  return CurrentCType();
}

}  // namespace zelmora
