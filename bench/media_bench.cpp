// Analysis time per file at each depth over 200 small generated files (40
// each of WebM VP8+Vorbis, MP4 H.264+AAC, MKV with three audio tracks, AVI
// Xvid+MP3 and FLV), against the same files read by the `mediainfo`
// command-line tool, one process per file, as a user's script would do.
// The files are made once with ffmpeg's lavfi sources and kept in the build
// folder for the next run.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "media/file_analysis.h"
#include "platform/program_search.h"
#include "platform/system_library.h"
#include "process/console_runner.h"

extern char** environ;

namespace zelmora {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

constexpr int FilesPerKind = 40;

// Runs a program with its output read through a pipe until it ends.
int RunAndDrain(const Args& args) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  char buffer[65536];
  while (rc == 0 && read(fds[0], buffer, sizeof buffer) > 0) {
  }
  close(fds[0]);
  int status = 0;
  if (rc != 0 || waitpid(pid, &status, 0) < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

Args KindArgs(const std::string& ext, int i) {
  std::string video = "testsrc=size=160x120:rate=25:duration=1";
  auto sine = [i](int k) {
    return "sine=frequency=" + std::to_string(300 + 7 * i + 200 * k) + ":duration=1";
  };
  Args a = {"-f", "lavfi", "-i", video, "-f", "lavfi", "-i", sine(0)};
  if (ext == "webm") a.insert(a.end(), {"-c:v", "libvpx", "-b:v", "200k", "-c:a", "libvorbis"});
  if (ext == "mp4") a.insert(a.end(), {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"});
  if (ext == "avi") a.insert(a.end(), {"-c:v", "libxvid", "-c:a", "libmp3lame"});
  if (ext == "flv") a.insert(a.end(), {"-c:v", "flv", "-c:a", "libmp3lame"});
  if (ext == "mkv")
    a.insert(a.end(), {"-f",    "lavfi",  "-i",        sine(1),   "-f",      "lavfi",     "-i",
                       sine(2), "-map",   "0",         "-map",    "1",       "-map",      "2",
                       "-map",  "3",      "-c:v",      "libx264", "-preset", "ultrafast", "-c:a:0",
                       "aac",   "-c:a:1", "libvorbis", "-c:a:2",  "ac3"});
  return a;
}

struct BenchFiles {
  std::string ffmpeg = FindProgramOnPath("ffmpeg");
  std::string mediainfoTool = FindProgramOnPath("mediainfo");
  std::string library = FindSystemLibrary("libmediainfo.so.0");
  std::vector<std::string> files;

  BenchFiles() {
    fs::path dir = ZELMORA_BENCH_MEDIA_DIR;
    fs::create_directories(dir);
    for (const char* ext : {"webm", "mp4", "mkv", "avi", "flv"}) {
      for (int i = 0; i < FilesPerKind; ++i) {
        std::string path = (dir / ("clip" + std::to_string(i) + "." + ext)).string();
        if (!fs::exists(path) || fs::file_size(path) == 0) Generate(ext, i, path);
        if (fs::exists(path)) files.push_back(path);
      }
    }
  }
  void Generate(const std::string& ext, int i, const std::string& path) {
    Args args = {ffmpeg, "-nostdin", "-y", "-loglevel", "error"};
    Args kind = KindArgs(ext, i);
    args.insert(args.end(), kind.begin(), kind.end());
    args.push_back(path + ".part." + ext);
    if (RunAndDrain(args) == 0) fs::rename(path + ".part." + ext, path);
  }
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

// One iteration analyses one file; 200 iterations visit every file once.
void BM_Analyze(benchmark::State& state) {
  BenchFiles& b = Files();
  if (b.files.size() != 5 * FilesPerKind || b.ffmpeg.empty() || b.library.empty()) {
    state.SkipWithError("ffmpeg, libmediainfo or the generated files are missing");
    return;
  }
  ConsoleRunner runner;
  size_t next = 0;
  int64_t probed = 0;
  for (auto _ : state) {
    const std::string& file = b.files[next++ % b.files.size()];
    TVideoFileInfo info;
    if (state.range(0) == 3)
      AnalyzeVideoFile(runner, file, b.ffmpeg, b.library, info);
    else
      AnalyzeAddedFile(static_cast<TFileAnalysis>(state.range(0)), runner, file, b.ffmpeg,
                       b.library, info);
    if (info.StreamsStr[0].StreamExists) ++probed;
    benchmark::DoNotOptimize(info.FileSize);
  }
  // The share of files that ran ffmpeg: the add depth probes only those
  // whose MediaInfo data lacks the video bitrate or frame rate.
  state.counters["probed"] = static_cast<double>(probed) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Analyze)
    ->ArgName("depth_none0_quick1_add2_full3")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Iterations(5 * FilesPerKind)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_MediainfoProcessPerFile(benchmark::State& state) {
  BenchFiles& b = Files();
  if (b.mediainfoTool.empty() || b.files.empty()) {
    state.SkipWithError("the mediainfo tool is not installed");
    return;
  }
  size_t next = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(RunAndDrain({b.mediainfoTool, b.files[next++ % b.files.size()]}));
}
BENCHMARK(BM_MediainfoProcessPerFile)
    ->Iterations(5 * FilesPerKind)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What starting each tool costs on its own, which is most of a probe.
void BM_ToolStart(benchmark::State& state) {
  BenchFiles& b = Files();
  Args args = state.range(0) == 0 ? Args{b.ffmpeg, "-version"} : Args{b.mediainfoTool, "--Version"};
  if (args[0].empty()) {
    state.SkipWithError("the tool is not installed");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(RunAndDrain(args));
}
BENCHMARK(BM_ToolStart)
    ->ArgName("ffmpeg0_mediainfo1")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace zelmora

BENCHMARK_MAIN();
