#include <gtest/gtest.h>

#include "base/files.h"
#include "base/paths.h"
#include "config/settings_file.h"
#include "platform/web_addresses.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

TEST(SettingsUpdateUrl, AHandEditedKeyReplacesTheProductsAddress) {
  const struct {
    const char* name;
    const char* file;  // nullptr: no settings file
    std::string url;
  } cases[] = {
      {"no settings file", nullptr, web::kUpdateEndpoint},
      {"no key", "[MAIN]\nLeft=10\n", web::kUpdateEndpoint},
      {"an empty key", "[MAIN]\nUpdateUrl=\n", web::kUpdateEndpoint},
      {"a mirror, key in any case", "[main]\nupdateurl = http://127.0.0.1:8080/ver.ini \n",
       "http://127.0.0.1:8080/ver.ini"},
      {"the key in another section is not ours", "[PROGRESS]\nUpdateUrl=http://x/ver.ini\n",
       web::kUpdateEndpoint},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    AppContext context;
    InitAppParams(context.AppParams, dir.path());
    const std::string ini = context.AppParams.IniName;
    if (c.file) dir.write(ExtractFileName(ini), c.file);
    EXPECT_EQ(ReadUpdateUrl(ini), c.url) << c.name;
    TSettingsRecord settings;
    LoadSettingsFromIni(ini, context, settings, TScreenSize{}, TToolSearch{});
    EXPECT_EQ(settings.UpdateUrl, c.url) << c.name;
  }
}

TEST(SettingsUpdateUrl, SavingNeverWritesItAndKeepsTheHandEditedOne) {
  test::TempDir dir;
  AppContext context;
  InitAppParams(context.AppParams, dir.path());
  const std::string ini = context.AppParams.IniName;
  TSettingsRecord settings;
  settings.UpdateUrl = "http://changed.example/ver.ini";
  SaveSettingsToIni(ini, context, settings);
  EXPECT_EQ(ReadWholeFile(ini).value().find("UpdateUrl"), std::string::npos);

  dir.write(ExtractFileName(ini), "[MAIN]\nUpdateUrl=http://mirror.example/ver.ini\n");
  SaveSettingsToIni(ini, context, settings);
  EXPECT_EQ(ReadUpdateUrl(ini), "http://mirror.example/ver.ini");
}

}  // namespace
}  // namespace zelmora
