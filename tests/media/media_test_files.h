#pragma once

#include <string>

namespace zelmora::test {

// Small media files made once per test process with ffmpeg's lavfi sources
// (160x120, 25 fps, one second), by name:
//   "vp8.webm"       VP8 + Vorbis          "vp9.webm"     VP9 + Opus
//   "h264.mp4"       H.264 + AAC (stereo)  "video.mp4"    H.264 only
//   "three.mkv"      H.264 + AAC stereo "eng", Vorbis "ger", AC-3 5.1 "fre"
//   "interlaced.ts"  interlaced MPEG-2 + MP2 in a transport stream
//   "clip.flv"       FLV1 + MP3            "audio.mp3", "audio.wav"
// Returns the path, or "" (with a test failure) when ffmpeg fails. Tests
// must not change the file; copy it with CopyTestFile first.
std::string TestMediaFile(const std::string& name);

// Copies a generated file to dir/newName and returns the new path.
std::string CopyTestFile(const std::string& name, const std::string& dir,
                         const std::string& newName);

// The system's MediaInfo library, or "" when it is not installed.
const std::string& SystemMediaInfoLibrary();

}  // namespace zelmora::test
