// A profile (arbitrary bytes) loaded into EncoderSettings, then every piece of
// the argument builder for an input described by the end of the data. No
// piece may crash or hang, and the "ERROR" protocol holds: a piece returns it
// exactly when it showed one message, and no command line is built then.
#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/text.h"
#include "config/profile_file.h"
#include "core/argument_builder.h"
#include "core/message_view.h"
#include "core/resolution_list.h"
#include "fuzz_support.h"
#include "i18n/app_strings.h"

using namespace zelmora;
using zelmora::fuzz::Require;

namespace {

class CountingMessages : public MessageView {
public:
  void ShowWarning(const std::string&) override { ++count; }
  int count = 0;
};

TVideoFileInfo InputInfo(FuzzedDataProvider& p) {
  TVideoFileInfo info;
  // The probe counts up to 63 streams, more than the record has entries for.
  info.NumberOfVideoStreams = p.ConsumeIntegralInRange<uint8_t>(0, MaxStreamLines - 1);
  info.NumberOfAudioStreams = p.ConsumeIntegralInRange<uint8_t>(0, MaxStreamLines - 1);
  for (size_t i = 0; i < info.NumberOfVideoStreams && i < 2; ++i) {
    TVideoStreamInfo& v = info.VideoStreams[i];
    v.Exists = true;
    v.Width = p.ConsumeIntegral<uint16_t>();
    v.Height = p.ConsumeIntegral<uint16_t>();
    v.FPS = p.ConsumeFloatingPointInRange<double>(0, 300);
    v.BitsPerPixel = p.ConsumeFloatingPointInRange<double>(0, 10);
    v.Bitrate = p.ConsumeIntegralInRange<int32_t>(0, 1000000);
    v.Frames = p.ConsumeIntegral<uint32_t>();
    v.StreamIndex = p.ConsumeIntegral<uint8_t>();
  }
  for (size_t i = 0; i < info.NumberOfAudioStreams && i < 4; ++i) {
    TAudioStreamInfo& a = info.AudioStreams[i];
    a.Exists = true;
    a.SamplingRate = p.ConsumeIntegralInRange<int32_t>(0, 384000);
    a.Channels = p.ConsumeIntegral<uint8_t>();
    a.Bitrate = p.ConsumeIntegralInRange<int32_t>(0, 100000);
    a.StreamIndex = p.ConsumeIntegral<uint8_t>();
  }
  return info;
}

// Runs one piece and checks the protocol; returns the piece.
template <typename Piece>
std::string Checked(CountingMessages& messages, Piece piece) {
  const int before = messages.count;
  const std::string text = piece();
  const bool error = Trim(text) == PieceError;
  Require(messages.count - before == (error ? 1 : 0), "ERROR comes with exactly one message");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TAppStrings strings;
  static const fuzz::ScratchFile scratch("profile.ini");
  static const std::vector<std::string> resolutions = BuiltInResolutionList();

  FuzzedDataProvider p(data, size);
  const TVideoFileInfo info = InputInfo(p);
  const std::set<std::string> encoders =
      p.ConsumeBool() ? std::set<std::string>{"libfdk_aac"} : std::set<std::string>{};
  const int minAudioBitrate = p.ConsumeIntegralInRange(0, 320);
  const int processors = p.ConsumeIntegralInRange(-4, 128);
  const int trackNo = p.ConsumeIntegralInRange(-1, 70);
  const std::string profile = p.ConsumeRemainingBytesAsString();

  EncoderSettings settings;
  SetDefaultParams(settings, 0, strings);
  Require(LoadProfile(scratch.Write(profile), settings, strings, 0), "a readable profile loads");
  // Not kept in profiles: it follows the file, and may name any of its streams.
  settings.Audio.AudioTrackNo = trackNo;

  CountingMessages messages;
  const BuilderInput in{settings, info,     strings,         resolutions,
                        encoders, messages, minAudioBitrate, processors};
  Checked(messages, [&] { return GetVideoCodecStr(in); });
  const bool vpError = Trim(Checked(messages, [&] { return GetVideoParamsStr(in); })) == PieceError;
  Checked(messages, [&] { return GetAudioCodecStr(in); });
  Checked(messages, [&] { return GetSelectedAudioCodecStr(in); });
  const bool apError = Trim(Checked(messages, [&] { return GetAudioParamsStr(in); })) == PieceError;
  const bool advError =
      Trim(Checked(messages, [&] { return GetAdvancedParamsStr(in); })) == PieceError;
  Checked(messages, [&] { return GetMapParams(in); });
  GetAdditionalParamsStr(settings);
  GetExt(settings, true);
  TwoPassRule(settings);
  TargetSize(in);
  SelectedResolutionEntry(in);
  Require(EffectiveResolution(in) >= 0, "the resolution choice is a list position");

  const int before = messages.count;
  const std::optional<TCommandPieces> pieces = BuildCommandPieces(in);
  Require(pieces.has_value() == !(vpError || apError || advError),
          "the pieces are built exactly when no piece failed");
  Require(messages.count - before == (pieces ? 0 : 1), "a failed build shows one message");
  if (!pieces) return 0;

  const std::string input = "/dev/shm/in put \"q\" $x' \\\".webm";
  const std::string output = "/tmp/-out \\ ü.avi";
  const std::vector<std::string> lines{OnePassCommandLine(*pieces, settings, input, output),
                                       TwoPassCommandLine(*pieces, settings, input, output, 1),
                                       TwoPassCommandLine(*pieces, settings, input, output, 2)};
  // A quote or backslash typed into the additional parameters is the user's
  // to balance; without them the file names must come through exactly.
  const std::string all =
      pieces->VC + pieces->VP + pieces->AC + pieces->AP + pieces->ADV + pieces->ADD;
  for (const std::string& line : lines) {
    Require(line.find(PieceError) == std::string::npos || all.find(PieceError) != std::string::npos,
            "no ERROR inside a command line");
    const std::vector<std::string> argv = SplitCommandLine(line);
    Require(argv.size() >= 4 && argv[0] == "-y" && argv[1] == "-i" && argv[2] == input,
            "the input name comes through");
    if (all.find_first_of("\"\\") == std::string::npos) {
      Require(argv.back() == output, "the output name comes through");
    }
  }
  return 0;
}
