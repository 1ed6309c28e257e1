#include "media_test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "platform/system_library.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora::test {

namespace {

using Args = std::vector<std::string>;

const std::string Video = "testsrc=size=160x120:rate=25:duration=1";

Args Inputs(bool video, int audioInputs) {
  Args args;
  if (video) args.insert(args.end(), {"-f", "lavfi", "-i", Video});
  for (int i = 0; i < audioInputs; ++i)
    args.insert(args.end(), {"-f", "lavfi", "-i",
                             "sine=frequency=" + std::to_string(440 + 220 * i) +
                                 ":sample_rate=44100:duration=1"});
  return args;
}

Args Join(Args a, const Args& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::map<std::string, Args>& Recipes() {
  static const std::map<std::string, Args> recipes = {
      {"vp8.webm", Join(Inputs(true, 1), {"-c:v", "libvpx", "-b:v", "200k", "-c:a", "libvorbis"})},
      {"vp9.webm", Join(Inputs(true, 1), {"-c:v", "libvpx-vp9", "-pix_fmt", "yuv420p", "-b:v",
                                          "200k", "-deadline", "realtime", "-c:a", "libopus"})},
      {"h264.mp4", Join(Inputs(true, 1), {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt",
                                          "yuv420p", "-c:a", "aac", "-ac", "2"})},
      {"video.mp4",
       Join(Inputs(true, 0), {"-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"})},
      {"three.mkv", Join(Inputs(true, 3), {"-map",
                                           "0",
                                           "-map",
                                           "1",
                                           "-map",
                                           "2",
                                           "-map",
                                           "3",
                                           "-c:v",
                                           "libx264",
                                           "-preset",
                                           "ultrafast",
                                           "-pix_fmt",
                                           "yuv420p",
                                           "-c:a:0",
                                           "aac",
                                           "-ac:a:0",
                                           "2",
                                           "-c:a:1",
                                           "libvorbis",
                                           "-c:a:2",
                                           "ac3",
                                           "-ac:a:2",
                                           "6",
                                           "-metadata:s:a:0",
                                           "language=eng",
                                           "-metadata:s:a:1",
                                           "language=ger",
                                           "-metadata:s:a:2",
                                           "language=fre"})},
      {"interlaced.ts", Join(Inputs(true, 1), {"-c:v", "mpeg2video", "-flags", "+ilme+ildct",
                                               "-top", "1", "-b:v", "500k", "-c:a", "mp2"})},
      {"clip.flv", Join(Inputs(true, 1), {"-c:v", "flv", "-c:a", "libmp3lame"})},
      {"audio.mp3", Join(Inputs(false, 1), {"-c:a", "libmp3lame"})},
      {"audio.wav", Join(Inputs(false, 1), {"-c:a", "pcm_s16le"})},
  };
  return recipes;
}

struct GeneratedFiles {
  TempDir dir;
  std::map<std::string, std::string> paths;
};

GeneratedFiles& Generated() {
  static GeneratedFiles files;
  return files;
}

}  // namespace

std::string TestMediaFile(const std::string& name) {
  GeneratedFiles& files = Generated();
  auto found = files.paths.find(name);
  if (found != files.paths.end()) return found->second;
  auto recipe = Recipes().find(name);
  if (recipe == Recipes().end() || !FfmpegAvailable()) {
    ADD_FAILURE() << "cannot make " << name;
    return {};
  }
  std::string path = files.dir.file(name);
  Args args = {FfmpegPath(), "-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
  args = Join(Join(args, recipe->second), {path});
  if (RunProgram(args) != 0 || !std::filesystem::exists(path)) {
    ADD_FAILURE() << "ffmpeg could not make " << name;
    return {};
  }
  files.paths[name] = path;
  return path;
}

std::string CopyTestFile(const std::string& name, const std::string& dir,
                         const std::string& newName) {
  std::string source = TestMediaFile(name);
  std::string target = dir + "/" + newName;
  std::error_code ec;
  std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing, ec);
  if (ec) ADD_FAILURE() << "cannot copy " << name << " to " << target << ": " << ec.message();
  return target;
}

const std::string& SystemMediaInfoLibrary() {
  static const std::string path = FindSystemLibrary("libmediainfo.so.0");
  return path;
}

}  // namespace zelmora::test
