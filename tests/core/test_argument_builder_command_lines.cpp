#include <gtest/gtest.h>

#include "base/command_line.h"
#include "builder_fixture.h"

namespace zelmora {
namespace {

using test::BuilderFixture;

TEST(CommandLines, OnePassKeepsTheBlanksOfEmptyPieces) {
  BuilderFixture f;
  const auto pieces = BuildCommandPieces(f.input());
  ASSERT_TRUE(pieces);
  EXPECT_EQ(OnePassCommandLine(*pieces, f.settings, "/in/clip.webm", "/out/clip.avi"),
            "-y -i \"/in/clip.webm\" -c:v libxvid -b:v 1500k -r 25.000 -c:a libmp3lame "
            "-b:a 128k -async 1   \"/out/clip.avi\"");
}

TEST(CommandLines, EveryPieceHasItsPlace) {
  const TCommandPieces p{"VC", "VP", "AC", "AP", "ADV", "ADD"};
  EncoderSettings s;
  EXPECT_EQ(OnePassCommandLine(p, s, "in", "out"), "-y -i \"in\" VC VP AC AP ADV ADD \"out\"");
  EXPECT_EQ(TwoPassCommandLine(p, s, "in", "out", 1),
            "-y -i \"in\" VC VP AC AP ADV -pass 1 ADD \"out\"");
  EXPECT_EQ(TwoPassCommandLine(p, s, "in", "out", 2),
            "-y -i \"in\" VC VP AC AP ADV -pass 2 ADD \"out\"");
  s.Avi.VideoCodec = vcH264;
  EXPECT_EQ(OnePassCommandLine(p, s, "in", "out"),
            "-y -i \"in\" VC VP AC AP ADV -preset:v faster ADD \"out\"");
  EXPECT_EQ(TwoPassCommandLine(p, s, "in", "out", 1),
            "-y -i \"in\" VC VP AC AP ADV -preset:v faster -pass 1 ADD \"out\"");
  s.Avi.DoNotCopyVideo = true;
  EXPECT_EQ(OnePassCommandLine(p, s, "in", "out"), "-y -i \"in\" VC VP AC AP ADV ADD \"out\"");
  s.OutputFormat = TOutputFormat::ofMPG;
  s.Avi.DoNotCopyVideo = false;
  EXPECT_EQ(OnePassCommandLine(p, s, "in", "out"), "-y -i \"in\" VC VP AC AP ADV ADD \"out\"");
}

TEST(CommandLines, H264HoldsThreadsAndThePreset) {
  BuilderFixture f;
  f.settings.Avi.VideoCodec = vcH264;
  const auto pieces = BuildCommandPieces(f.input());
  ASSERT_TRUE(pieces);
  EXPECT_TRUE(pieces->VP.starts_with("-threads 4 "));
  EXPECT_EQ(OnePassCommandLine(*pieces, f.settings, "/a.webm", "/a.avi"),
            "-y -i \"/a.webm\" -c:v libx264 -threads 4 -b:v 1500k -r 25.000 -c:a libmp3lame "
            "-b:a 128k -async 1  -preset:v faster  \"/a.avi\"");
}

TEST(CommandLines, OddFileNamesSurviveTheSplit) {
  const TCommandPieces p{"-c:v copy", "", "-c:a copy", "-async 1", "", "-metadata title=\"a b\""};
  EncoderSettings s;
  for (const std::string name :
       {"/v/with blank.webm", "/v/quote\"d.webm", "/v/$HOME `x`.webm", "/v/trailing\\",
        "/v/back\\\"slash.webm", "/v/ünïcödé.webm", "/v/-dash.webm"}) {
    const auto args = SplitCommandLine(OnePassCommandLine(p, s, name, name + ".avi"));
    ASSERT_EQ(args.size(), 12u) << name;
    EXPECT_EQ(args[2], name);
    EXPECT_EQ(args[10], "title=a b");
    EXPECT_EQ(args[11], name + ".avi");
  }
}

TEST(CommandLines, RelativeNamesThatFfmpegWouldMisreadGetADotSlash) {
  EXPECT_EQ(FfmpegFileName("-clip.webm"), "./-clip.webm");
  EXPECT_EQ(FfmpegFileName("a:b.webm"), "./a:b.webm");
  EXPECT_EQ(FfmpegFileName("clip.webm"), "clip.webm");
  EXPECT_EQ(FfmpegFileName("/x/-a:b.webm"), "/x/-a:b.webm");
}

TEST(CommandPieces, StopAtTheFirstRejectedPiece) {
  BuilderFixture f;
  f.settings.Avi.VideoBitrate = "fast";
  f.settings.Audio.AudioBitrate = "loud";
  EXPECT_FALSE(BuildCommandPieces(f.input()));
  ASSERT_EQ(f.messages.warnings.size(), 1u);
  EXPECT_TRUE(f.messages.warnings[0].starts_with("Video bitrate: fast"));
}

TEST(CommandPieces, NtscDvd) {
  BuilderFixture f;
  f.settings.OutputFormat = TOutputFormat::ofMPG;
  f.settings.Mpg.VideoFormat = mfNtscDvd;
  const auto pieces = BuildCommandPieces(f.input());
  ASSERT_TRUE(pieces);
  EXPECT_EQ(pieces->VC, "-target ntsc-dvd");
  EXPECT_EQ(pieces->VP, "");
  EXPECT_EQ(pieces->AC, "");
  EXPECT_EQ(pieces->AP, "-b:a 128k -ac 2 -async 1");
  EXPECT_EQ(OnePassCommandLine(*pieces, f.settings, "/i", "/o"),
            "-y -i \"/i\" -target ntsc-dvd   -b:a 128k -ac 2 -async 1   \"/o\"");
}

TEST(AdditionalParams, EveryLineIsOneMoreBlankSeparatedPart) {
  EncoderSettings s;
  s.Advanced.AdditionalParams = "-metadata title=\"a b\"\r\n-movflags +faststart\n";
  EXPECT_EQ(GetAdditionalParamsStr(s), " -metadata title=\"a b\" -movflags +faststart");
  s.Advanced.AdditionalParams.clear();
  EXPECT_EQ(GetAdditionalParamsStr(s), "");
}

TEST(OutputExtension, FollowsTheFormat) {
  EncoderSettings s;
  EXPECT_EQ(GetExt(s, true), ".avi");
  s.OutputFormat = TOutputFormat::ofMPG;
  EXPECT_EQ(GetExt(s, false), "mpg");
}

TEST(TwoPassRule, NeedsVideoAndNotWmv1) {
  EncoderSettings s;
  EXPECT_FALSE(TwoPassRule(s));
  s.Avi.Video2Pass = true;
  EXPECT_TRUE(TwoPassRule(s));
  s.Avi.VideoCodec = vcWmv1;
  EXPECT_FALSE(TwoPassRule(s));
  s.Avi.VideoCodec = vcWmv2;
  s.Avi.DoNotCopyVideo = true;
  EXPECT_FALSE(TwoPassRule(s));
  s.OutputFormat = TOutputFormat::ofMPG;
  EXPECT_FALSE(TwoPassRule(s));
  s.Mpg.Video2Pass = true;
  EXPECT_TRUE(TwoPassRule(s));
  s.Mpg.DoNotCopyVideo = true;
  EXPECT_FALSE(TwoPassRule(s));
}

}  // namespace
}  // namespace zelmora
