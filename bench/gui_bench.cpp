// The main window's two everyday costs:
// - StartUp: from the start of a new process to the main window shown, in a
//   program folder holding the shipped languages, profiles and data (the
//   child is this program started again, doing what zelmora's main does);
// - AddFiles/5000: adding 5,000 files with the analysis set to None through
//   the window's own "Add files" command, as a user choosing them in the
//   open dialog does.
// Both run on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QStringList>
#include <QStyleFactory>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app_context.h"
#include "platform/utf8_locale.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"

extern char** environ;

namespace zelmora {
namespace {

namespace fs = std::filesystem;

constexpr const char* ChildFlag = "--start-up-child";
constexpr int FilesToAdd = 5000;

std::string g_self;  // this program, for the start-up children

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// A program folder of its own with the shipped folders copied in, and a
// settings file that turns the analysis off.
std::string MakeProgramFolder(const char* name) {
  const fs::path dir = fs::temp_directory_path() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  for (const char* shipped : {"lang", "profiles", "data"})
    fs::copy(fs::path(ZELMORA_SOURCE_DIR) / shipped, dir / shipped, fs::copy_options::recursive);
  std::ofstream(dir / "zelmora.ini") << "[MAIN]\r\nFileAnalysis=None\r\n";
  return dir.string();
}

void SetUpApplication() {
  SetUpUtf8CType();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("Zelmora"));
}

// The child: the program's start, then the moment the window is shown and
// its first events are served goes to stdout.
int RunStartUpChild(int argc, char** argv, const std::string& appDir) {
  QApplication app(argc, argv);
  SetUpApplication();
  AppContext context;
  MainWindowOptions options;
  options.AppDir = appDir;
  MainWindow window(context, std::move(options));
  window.show();
  QTimer::singleShot(0, &app, [] {
    std::printf("%lld\n", MonotonicNs());
    std::fflush(stdout);
    std::_Exit(0);  // no settings written: every child starts alike
  });
  return app.exec();
}

// Starts a child and returns the nanoseconds to its window, or -1.
long long TimeOneStartUp(const std::string& appDir) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  std::vector<std::string> args{g_self, ChildFlag, appDir};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const long long started = MonotonicNs();
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string out;
  char buffer[256];
  ssize_t n = 0;
  while (rc == 0 && (n = read(fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, n);
  close(fds[0]);
  int status = 0;
  if (rc != 0 || waitpid(pid, &status, 0) < 0 || out.empty()) return -1;
  return std::stoll(out) - started;
}

void StartUp(benchmark::State& state) {
  const std::string appDir = MakeProgramFolder("zelmora-bench-start-up");
  for (auto _ : state) {
    const long long ns = TimeOneStartUp(appDir);
    if (ns < 0) {
      state.SkipWithError("the child did not show its window");
      break;
    }
    state.SetIterationTime(static_cast<double>(ns) / 1e9);
  }
  fs::remove_all(appDir);
}
BENCHMARK(StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void AddFiles(benchmark::State& state) {
  const std::string appDir = MakeProgramFolder("zelmora-bench-add-files");
  QStringList names;
  const fs::path clips = fs::path(appDir) / "clips";
  fs::create_directories(clips);
  for (int i = 0; i < state.range(0); ++i) {
    const fs::path file = clips / ("clip " + std::to_string(i) + ".webm");
    std::ofstream(file) << "x";
    names << QString::fromStdString(file.string());
  }
  for (auto _ : state) {
    AppContext context;
    MainWindowOptions options;
    options.AppDir = appDir;
    MainWindow window(context, std::move(options));
    window.show();
    QApplication::processEvents();
    FileDialogs::setNextFileNames(names);
    const auto started = std::chrono::steady_clock::now();
    window.actAddFiles->trigger();
    QApplication::processEvents();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    state.SetIterationTime(took.count());
    if (window.FileList().RowCount() != state.range(0)) {
      state.SkipWithError("not every file was added");
      break;
    }
  }
  state.counters["files/s"] = benchmark::Counter(
      static_cast<double>(state.range(0) * state.iterations()), benchmark::Counter::kIsRate);
  fs::remove_all(appDir);
}
BENCHMARK(AddFiles)
    ->Arg(FilesToAdd)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  zelmora::g_self = std::filesystem::read_symlink("/proc/self/exe").string();
  if (argc == 3 && std::string(argv[1]) == zelmora::ChildFlag)
    return zelmora::RunStartUpChild(argc, argv, argv[2]);
  QApplication app(argc, argv);
  zelmora::SetUpApplication();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
