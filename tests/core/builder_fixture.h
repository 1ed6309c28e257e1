#pragma once

#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "core/argument_builder.h"
#include "core/message_view.h"
#include "core/resolution_list.h"
#include "i18n/app_strings.h"

namespace zelmora::test {

class WarningRecorder : public MessageView {
public:
  void ShowWarning(const std::string& text) override { warnings.push_back(text); }
  std::vector<std::string> warnings;
};

// Everything the builder reads, with a 1280 x 720, 25 fps, 0.12 bits per
// pixel, 1500 kbit/s source and one stereo 44.1 kHz, 128 kbit/s audio track.
struct BuilderFixture {
  BuilderFixture() {
    SetDefaultParams(settings, 0, strings);
    TVideoStreamInfo& video = info.VideoStreams[0];
    video.Width = 1280;
    video.Height = 720;
    video.FPS = 25;
    video.BitsPerPixel = 0.12;
    video.Bitrate = 1500;
    video.StreamIndex = 0;
    info.NumberOfVideoStreams = 1;
    TAudioStreamInfo& audio = info.AudioStreams[0];
    audio.Channels = 2;
    audio.SamplingRate = 44100;
    audio.Bitrate = 128;
    audio.StreamIndex = 1;
    info.NumberOfAudioStreams = 1;
  }

  BuilderInput input() {
    return BuilderInput{settings, info, strings, resolutions, encoders, messages, 96, processors};
  }

  std::string VP() { return Trim(GetVideoParamsStr(input())); }
  std::string AP() { return Trim(GetAudioParamsStr(input())); }
  std::string VC() { return Trim(GetVideoCodecStr(input())); }
  std::string AC() { return Trim(GetAudioCodecStr(input())); }
  std::string ADV() { return Trim(GetAdvancedParamsStr(input())); }

  EncoderSettings settings;
  TVideoFileInfo info;
  TAppStrings strings;
  std::vector<std::string> resolutions = BuiltInResolutionList();
  std::set<std::string> encoders;
  WarningRecorder messages;
  int processors = 8;
};

}  // namespace zelmora::test
