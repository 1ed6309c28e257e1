// Cost of following ffmpeg's output: the line cutter's throughput and the
// output handler's cost per completed line. ffmpeg writes a progress line
// about every half second of encoding, so the handler's cost per call
// against 500 ms of encoder time is the share of CPU the watching takes.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "platform/program_search.h"
#include "process/abort_controller.h"
#include "process/console_runner.h"
#include "process/encoder_output_handler.h"
#include "process/line_cutter.h"

namespace zelmora {
namespace {

// A stream like a long encode: stream descriptions and progress updates.
std::string MakeTranscript(size_t bytes) {
  std::string text;
  for (int frame = 1; text.size() < bytes; ++frame) {
    if (frame % 50 == 0)
      text += "  Stream #0:0: Video: mpeg4 (FMP4 / 0x34504D46), yuv420p, 640x360, q=2-31\n";
    text +=
        "frame=" + std::to_string(frame) +
        " fps= 30 q=2.0 size=    2048kB time=00:00:04.80 bitrate=3495.3kbits/s speed=1.5x    \r";
  }
  return text;
}

void BM_LineCutter(benchmark::State& state) {
  std::string transcript = MakeTranscript(4 << 20);
  constexpr size_t Chunk = 20481;  // the runner's read size
  for (auto _ : state) {
    std::vector<std::string> lines;
    size_t announced = 0;
    LineCutter cutter(&lines, [&announced](const std::string&) { ++announced; });
    for (size_t pos = 0; pos < transcript.size(); pos += Chunk)
      cutter.Feed(std::string_view(transcript).substr(pos, Chunk));
    cutter.Finish();
    benchmark::DoNotOptimize(announced);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * transcript.size()));
}
BENCHMARK(BM_LineCutter)->Unit(benchmark::kMillisecond);

class NullView : public ProgressView {
public:
  bool hidden = false;
  void ProcessEvents() override {}
  bool IsEncoderOutputHidden() const override { return hidden; }
  void SetProgressPosition(int) override {}
  void SetStatusText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void SetAppTitle(const std::string&) override {}
  void SetProgressCaption(const std::string&) override {}
  void SetOutputText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void ScrollOutputToBottom() override {}
};

// One call of the handler with N lines in the encoder output (log lines
// that the filter keeps, then the progress line).
void RunHandler(benchmark::State& state, bool hidden) {
  std::vector<std::string> output;
  for (int64_t i = 1; i < state.range(0); ++i)
    output.push_back("[mpeg4 @ 0x55d0a8] Stream #0:0 line " + std::to_string(i) +
                     ": Video: mpeg4, yuv420p, 640x360 [SAR 1:1 DAR 16:9], 25 fps");
  output.push_back(
      "frame=  120 fps= 30 q=2.0 size=    2048kB time=00:00:04.80 "
      "bitrate=3495.3kbits/s speed=1.5x    ");
  TConversionState conversion;
  conversion.Running = true;
  conversion.Pass = 1;
  ConsoleRunner runner;
  AbortController abort(conversion, runner);
  TAppStrings strings;
  NullView view;
  view.hidden = hidden;
  EncoderOutputHandler handler(output, conversion, strings, view, abort);
  handler.Params().ExpectedFrames = 480;
  for (auto _ : state) handler.OnLine(0, output.back());
}

void BM_OutputHandlerShown(benchmark::State& state) {
  RunHandler(state, false);
}
void BM_OutputHandlerHidden(benchmark::State& state) {
  RunHandler(state, true);
}
BENCHMARK(BM_OutputHandlerShown)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OutputHandlerHidden)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The whole watch of a real encode: this program's CPU time (runner, line
// cutter, handler with the output shown) against ffmpeg's.
void BM_WatchRealEncode(benchmark::State& state) {
  std::string ffmpeg = FindProgramOnPath("ffmpeg");
  if (ffmpeg.empty()) {
    state.SkipWithError("ffmpeg is not installed");
    return;
  }
  double self = 0, children = 0;
  for (auto _ : state) {
    TConversionState conversion;
    conversion.Running = true;
    conversion.Pass = 1;
    ConsoleRunner runner;
    AbortController abort(conversion, runner);
    TAppStrings strings;
    NullView view;
    std::vector<std::string> output;
    EncoderOutputHandler handler(output, conversion, strings, view, abort);
    handler.Params().ExpectedFrames = 250;
    double self0 = CpuSeconds(RUSAGE_SELF), children0 = CpuSeconds(RUSAGE_CHILDREN);
    runner.RunConsoleProgram(ffmpeg,
                             "-hide_banner -f lavfi -i testsrc=size=640x360:rate=25:duration=10 "
                             "-c:v mpeg4 -q:v 3 -f avi -y /dev/null",
                             &output, {}, &handler);
    self += CpuSeconds(RUSAGE_SELF) - self0;
    children += CpuSeconds(RUSAGE_CHILDREN) - children0;
  }
  state.counters["watch_cpu_percent"] = children > 0 ? 100.0 * self / children : 0;
  state.counters["ffmpeg_cpu_s"] = children / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WatchRealEncode)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zelmora

BENCHMARK_MAIN();
