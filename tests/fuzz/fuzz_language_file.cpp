// The language-file loader over arbitrary bytes: the decoder, the parser and
// the overlay of the interface strings, then every string in display form.
#include <string>

#include "fuzz_support.h"
#include "i18n/app_strings.h"
#include "i18n/language_file.h"

using namespace zelmora;
using zelmora::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFile scratch("language.ini");
  const std::string_view bytes = fuzz::AsText(data, size);

  const LanguageFile file = LanguageFile::FromText(bytes);
  file.Read("INFO", "LangName_InEnglish", "");

  TAppStrings strings;
  Require(LoadFromFile(strings, scratch.Write(bytes)), "a readable language file loads");
  for (const AppStringEntry& entry : AppStringTable()) {
    const std::string& text = entry.Of(strings);
    Require(text == file.Read(entry.group, entry.key, entry.english),
            "the loaded string is the file's value or the English text");
    ExpandMessageText(text, "a %s \\n b", "%s");
  }
  return 0;
}
