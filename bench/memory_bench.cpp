// Memory over many analyses in one process: the full analysis (ffmpeg probe
// and MediaInfo pass, the same call the conversion run and zelmora-cli make)
// of one small generated WebM clip, 1,000 times by default. Prints the
// resident set size, the heap in use and the open descriptors before the
// first analysis, after the warm-up and at the end. Whatever the first
// analyses load (the library, its tables) is there after the warm-up; from
// then on the numbers must stay where they are.
//
//   bench_memory [ANALYSES]
//
// The exit status is 1 when the heap or the descriptors grew after the
// warm-up, 2 when the clip or the tools are missing.

#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "media/file_analysis.h"
#include "platform/program_search.h"
#include "platform/run_program.h"
#include "platform/system_library.h"
#include "platform/temp_dir.h"
#include "process/console_runner.h"

namespace zelmora {
namespace {

namespace fs = std::filesystem;

constexpr int DefaultAnalyses = 1000;
constexpr int WarmUp = 100;
// Heap growth after the warm-up above this counts as a leak: a few bytes
// per analysis over 900 analyses.
constexpr long long HeapGrowthLimit = 64 * 1024;

struct Sample {
  long long residentKiB = 0;
  long long heapBytes = 0;
  long long descriptors = 0;
};

long long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atoll(line.c_str() + 6);
  return -1;
}

long long OpenDescriptors() {
  long long count = 0;
  std::error_code error;
  for (fs::directory_iterator it("/proc/self/fd", error), end; !error && it != end;
       it.increment(error))
    ++count;
  return count;
}

Sample Measure() {
  Sample s;
  s.residentKiB = ResidentKiB();
  s.heapBytes = static_cast<long long>(mallinfo2().uordblks);
  s.descriptors = OpenDescriptors();
  return s;
}

void Print(const char* when, const Sample& s) {
  std::printf("%-22s VmRSS %8lld KiB   heap in use %10lld bytes   open descriptors %lld\n", when,
              s.residentKiB, s.heapBytes, s.descriptors);
}

// A one-second 160x120 VP8 + Vorbis clip, the program's most common input.
bool MakeClip(const std::string& ffmpeg, const std::string& path) {
  Result<int> rc = RunProgramAndWait(
      {ffmpeg, "-nostdin", "-y", "-loglevel", "error", "-f", "lavfi", "-i",
       "testsrc=size=160x120:rate=25:duration=1", "-f", "lavfi", "-i",
       "sine=frequency=440:duration=1", "-c:v", "libvpx", "-b:v", "200k", "-c:a", "libvorbis",
       path});
  return rc.ok() && rc.value() == 0 && ReadFileSize(path) > 0;
}

int Run(int analyses) {
  std::string ffmpeg = FindProgramOnPath("ffmpeg");
  std::string library = FindSystemLibrary("libmediainfo.so.0");
  if (ffmpeg.empty() || library.empty()) {
    std::fprintf(stderr, "bench_memory: ffmpeg or libmediainfo.so.0 is not installed\n");
    return 2;
  }
  std::string dirTemplate = TempDir() + "/zelmora-memory-XXXXXX";
  if (mkdtemp(dirTemplate.data()) == nullptr) {
    std::perror("bench_memory: mkdtemp");
    return 2;
  }
  fs::path dir = dirTemplate;
  std::string clip = (dir / "clip one.webm").string();
  if (!MakeClip(ffmpeg, clip)) {
    std::fprintf(stderr, "bench_memory: ffmpeg could not make the clip\n");
    fs::remove_all(dir);
    return 2;
  }

  ConsoleRunner runner;
  int complete = 0;
  Sample before = Measure();
  Sample warm;
  for (int i = 1; i <= analyses; ++i) {
    TVideoFileInfo info;
    AnalyzeVideoFile(runner, clip, ffmpeg, library, info);
    if (info.NumberOfVideoStreams == 1 && info.NumberOfAudioStreams == 1 &&
        info.StreamsStr[0].StreamExists)
      ++complete;
    if (i == WarmUp) warm = Measure();
  }
  Sample after = Measure();
  fs::remove_all(dir);

  std::printf("bench_memory: %d full analyses of %s (%d found both streams)\n", analyses,
              clip.c_str(), complete);
  Print("before", before);
  if (analyses >= WarmUp) Print("after 100", warm);
  Print(("after " + std::to_string(analyses)).c_str(), after);
  if (analyses < WarmUp) return 0;
  long long heapGrowth = after.heapBytes - warm.heapBytes;
  std::printf("growth after warm-up: VmRSS %+lld KiB, heap %+lld bytes, descriptors %+lld\n",
              after.residentKiB - warm.residentKiB, heapGrowth,
              after.descriptors - warm.descriptors);
  bool flat = heapGrowth <= HeapGrowthLimit && after.descriptors <= warm.descriptors;
  std::printf("%s\n", flat ? "memory stays flat" : "MEMORY GROWS");
  return flat && complete == analyses ? 0 : 1;
}

}  // namespace
}  // namespace zelmora

int main(int argc, char** argv) {
  int analyses = argc > 1 ? std::atoi(argv[1]) : zelmora::DefaultAnalyses;
  if (analyses <= 0) {
    std::fprintf(stderr, "usage: bench_memory [ANALYSES]\n");
    return 2;
  }
  return zelmora::Run(analyses);
}
