// zelmora-cli convert against a plain shell loop doing the least a
// conversion needs per file: the probe ("ffmpeg -i FILE") and the same
// encode command line. The variants alternate within each iteration, so a
// busy machine slows all of them alike. Reported: seconds per variant and
// the ratios engine / shell with and without the pauses between files.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "core/batch_script.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ClipCount = 10;
const std::string WorkDir = ZELMORA_BENCH_CONVERT_DIR;
const std::string Cli = ZELMORA_CLI;

std::string Capture(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    pclose(pipe);
  }
  return text;
}

std::vector<std::string> MakeClips() {
  std::vector<std::string> clips;
  (void)zelmora::CreateDirectories(WorkDir + "/in");
  for (int i = 0; i < ClipCount; ++i) {
    std::string clip = WorkDir + "/in/clip" + std::to_string(i) + ".mp4";
    if (!zelmora::FileExists(clip)) {
      std::string command =
          "ffmpeg -v error -y -f lavfi -i testsrc=size=640x360:rate=25:duration=6 "
          "-f lavfi -i sine=frequency=" +
          std::to_string(300 + 50 * i) +
          ":duration=6 -c:v libx264 -preset ultrafast -c:a aac -shortest " +
          zelmora::ShellQuote(clip) + " </dev/null";
      if (std::system(command.c_str()) != 0) return {};
    }
    clips.push_back(clip);
  }
  return clips;
}

// The shell loop: per file the probe, then exactly the command line the
// program itself prints for it.
std::string ShellLoopScript(const std::vector<std::string>& clips, const std::string& outDir) {
  std::string script = "ffmpeg=$(command -v ffmpeg)\n";
  for (const std::string& clip : clips) {
    std::string line =
        Capture(zelmora::ShellQuote(Cli) + " command --if-exists overwrite --out-dir " +
                zelmora::ShellQuote(outDir) + " " + zelmora::ShellQuote(clip));
    std::string args;
    for (const std::string& arg : zelmora::SplitCommandLine(zelmora::Trim(line)))
      args += " " + zelmora::ShellQuote(arg);
    script += "\"$ffmpeg\" -i " + zelmora::ShellQuote(clip) + " </dev/null >/dev/null 2>&1\n";
    script += "\"$ffmpeg\"" + args + " </dev/null >/dev/null 2>&1\n";
  }
  return script;
}

double TimeCommand(const std::string& command) {
  Clock::time_point start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_ConvertAgainstShellLoop(benchmark::State& state) {
  std::vector<std::string> clips = MakeClips();
  if (clips.empty()) {
    state.SkipWithError("could not generate the clips");
    return;
  }
  const std::string outDir = WorkDir + "/out";
  (void)zelmora::CreateDirectories(outDir);
  const std::string script = WorkDir + "/shell_loop.sh";
  (void)zelmora::WriteFileAtomic(script, ShellLoopScript(clips, outDir));
  std::string files;
  for (const std::string& clip : clips) files += " " + zelmora::ShellQuote(clip);
  const std::string convert = zelmora::ShellQuote(Cli) +
                              " convert --if-exists overwrite --out-dir " +
                              zelmora::ShellQuote(outDir);
  double times[3] = {0, 0, 0};  // shell loop, convert without pauses, convert
  const std::string commands[3] = {"bash " + zelmora::ShellQuote(script),
                                   convert + " --no-wait" + files + " >/dev/null 2>&1 </dev/null",
                                   convert + files + " >/dev/null 2>&1 </dev/null"};
  int round = 0;
  for (auto _ : state) {
    // Each round starts with another variant, so none always runs first.
    for (int k = 0; k < 3; ++k) {
      const int variant = (round + k) % 3;
      times[variant] += TimeCommand(commands[variant]);
    }
    ++round;
  }
  const double shell = times[0], engine = times[1], engineWaits = times[2];
  const double n = static_cast<double>(state.iterations());
  state.counters["shell_s"] = shell / n;
  state.counters["convert_no_wait_s"] = engine / n;
  state.counters["convert_s"] = engineWaits / n;
  state.counters["ratio_no_wait"] = engine / shell;
  state.counters["ratio_with_waits"] = engineWaits / shell;
}

BENCHMARK(BM_ConvertAgainstShellLoop)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
