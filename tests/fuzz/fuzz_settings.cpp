// The settings file over arbitrary bytes: read into the window state and the
// program's values, written back key by key, and read again. What the second
// read gives must be what the first one gave: a save never changes a setting.
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/settings_file.h"
#include "core/app_context.h"
#include "fuzz_support.h"

using namespace zelmora;
using zelmora::fuzz::Require;

namespace {

constexpr TScreenSize Screen{1920, 1080};

// The program folder of this process, with a language folder and no tools.
class AppFolder {
public:
  AppFolder() : m_dir("/dev/shm/zelmora-fuzz-" + std::to_string(getpid()) + "-app") {
    mkdir(m_dir.c_str(), 0700);
    mkdir((m_dir + "/lang").c_str(), 0700);
  }
  ~AppFolder() {
    rmdir((m_dir + "/lang").c_str());
    rmdir(m_dir.c_str());
  }
  const std::string& Path() const { return m_dir; }

private:
  std::string m_dir;
};

const std::string& AppDir() {
  static const AppFolder folder;
  return folder.Path();
}

struct Loaded {
  AppContext context;
  TSettingsRecord settings;
};

void Load(const std::string& ini, Loaded& out) {
  InitAppParams(out.context.AppParams, AppDir(), "");
  LoadSettingsFromIni(ini, out.context, out.settings, Screen, TToolSearch{});
}

void RequireSame(const Loaded& a, const Loaded& b) {
  const TSettingsRecord& x = a.settings;
  const TSettingsRecord& y = b.settings;
  Require(x.Maximized == y.Maximized && x.Left == y.Left && x.Top == y.Top && x.Width == y.Width &&
              x.Height == y.Height,
          "the window place reads back");
  Require(x.Output.OutIn == y.Output.OutIn && x.Output.OutDir == y.Output.OutDir &&
              x.Output.OutputExists == y.Output.OutputExists &&
              x.Output.AfterConversion == y.Output.AfterConversion &&
              x.Output.KeepFileDates == y.Output.KeepFileDates,
          "the output options read back");
  Require(x.OutputFormat == y.OutputFormat && x.GridLines == y.GridLines &&
              x.RowIndicator == y.RowIndicator && x.GridFooter == y.GridFooter &&
              x.RowHeight == y.RowHeight && x.ListFontName == y.ListFontName &&
              x.ListFontSize == y.ListFontSize && x.HeaderHeight == y.HeaderHeight,
          "the list appearance reads back");
  for (size_t i = 0; i < x.Columns.size(); ++i) {
    Require(x.Columns[i].Width == y.Columns[i].Width &&
                x.Columns[i].Position == y.Columns[i].Position &&
                x.Columns[i].Visible == y.Columns[i].Visible,
            "the columns read back");
  }
  Require(a.context.AppParams.LanguageIni == b.context.AppParams.LanguageIni &&
              a.context.DefaultVideoCodecIndex == b.context.DefaultVideoCodecIndex,
          "the program's values read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFile file("zelmora.ini");
  const std::string& ini = file.Write(fuzz::AsText(data, size));

  CheckIniFile(ini);
  ReadStoredLanguageIni(ini);
  ReadUpdateUrl(ini);
  Loaded first;
  Load(ini, first);
  LoadProgressSettings(ini, first.settings, first.context.AppParams);

  std::vector<TFileListColumn> order = ColumnDisplayOrder(first.settings);
  Require(order.size() == FileListColumnCount, "every column has a place");
  std::sort(order.begin(), order.end());
  Require(std::adjacent_find(order.begin(), order.end()) == order.end(), "no column twice");

  SaveSettingsToIni(ini, first.context, first.settings);
  Loaded second;
  Load(ini, second);
  RequireSame(first, second);
  return 0;
}
