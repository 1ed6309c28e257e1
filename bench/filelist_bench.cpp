// Adding many files to the list and recalculating its footer. Adding must
// stay linear in the number of files: the window hears from the list once
// per ten files, and duplicate detection is a hash look-up.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app_params.h"
#include "filelist/add_files.h"
#include "filelist/file_analyzer.h"
#include "filelist/file_list_model.h"
#include "i18n/app_strings.h"

namespace zelmora {
namespace {

namespace fs = std::filesystem;

// A folder of generated (empty-bodied) video files, made once per size and
// removed at exit.
class GeneratedFolder {
public:
  explicit GeneratedFolder(int count) {
    std::string pattern = (fs::temp_directory_path() / "zelmora_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    m_path = pattern;
    for (int i = 0; i < count; ++i) {
      // Ten subfolders, like a collection sorted into folders.
      const std::string sub = m_path + "/set" + std::to_string(i % 10);
      fs::create_directories(sub);
      const std::string file = sub + "/clip " + std::to_string(i) + ".webm";
      std::ofstream(file) << "x";
      m_files.push_back(file);
    }
  }
  ~GeneratedFolder() {
    std::error_code ec;
    if (!m_path.empty()) fs::remove_all(m_path, ec);
  }
  const std::string& path() const { return m_path; }
  const std::vector<std::string>& files() const { return m_files; }

private:
  std::string m_path;
  std::vector<std::string> m_files;
};

const GeneratedFolder& Folder(int count) {
  static GeneratedFolder small(1000);
  static GeneratedFolder large(10000);
  return count <= 1000 ? small : large;
}

struct Setup {
  Setup() { params.FileAnalysis = TFileAnalysis::faNone; }
  TAppParams params;
  TAppStrings strings;
  NullFileAnalyzer analyzer;
  FileListEvents events;
};

// The add-folder command as the window runs it: search, filter, add with
// the every-tenth-file footer and window refresh.
void BM_AddFolder(benchmark::State& state) {
  const GeneratedFolder& folder = Folder(static_cast<int>(state.range(0)));
  Setup setup;
  for (auto _ : state) {
    FileListModel list(setup.params, setup.strings, setup.analyzer, setup.events);
    benchmark::DoNotOptimize(AddFolder(list, folder.path()));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// AddToList alone for every file, no window refreshes.
void BM_AddToList(benchmark::State& state) {
  const GeneratedFolder& folder = Folder(static_cast<int>(state.range(0)));
  Setup setup;
  for (auto _ : state) {
    FileListModel list(setup.params, setup.strings, setup.analyzer, setup.events);
    for (const std::string& file : folder.files()) list.AddToList(file, true);
    benchmark::DoNotOptimize(list.RowCount());
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AddToList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// The footer once the totals are up to date (a window refresh with no
// change in between).
void BM_CalcFooter(benchmark::State& state) {
  const GeneratedFolder& folder = Folder(static_cast<int>(state.range(0)));
  Setup setup;
  FileListModel list(setup.params, setup.strings, setup.analyzer, setup.events);
  for (const std::string& file : folder.files()) list.AddToList(file, true);
  for (auto _ : state) {
    list.CalcFooter();
    benchmark::DoNotOptimize(list.Footer().Text(TFileListColumn::colSize));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CalcFooter)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity();

// The footer after a change that makes the list count every row again (a
// check mark toggled), as after every check command.
void BM_CalcFooterRecount(benchmark::State& state) {
  const GeneratedFolder& folder = Folder(static_cast<int>(state.range(0)));
  Setup setup;
  FileListModel list(setup.params, setup.strings, setup.analyzer, setup.events);
  for (const std::string& file : folder.files()) list.AddToList(file, true);
  bool checked = false;
  for (auto _ : state) {
    list.SetChecked(0, checked = !checked);
    list.CalcFooter();
    benchmark::DoNotOptimize(list.Footer().Text(TFileListColumn::colSize));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CalcFooterRecount)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace
}  // namespace zelmora

BENCHMARK_MAIN();
