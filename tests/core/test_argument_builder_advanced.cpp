#include <gtest/gtest.h>

#include "base/command_line.h"
#include "builder_fixture.h"

namespace zelmora {
namespace {

using test::BuilderFixture;

void CustomSize(BuilderFixture& f, int width, int height) {
  f.settings.Advanced.Resolution = rsCustom;
  f.settings.Advanced.ResWidth = width;
  f.settings.Advanced.ResHeight = height;
}

void ThreeAudioStreams(BuilderFixture& f) {
  f.info.NumberOfAudioStreams = 3;
  for (int i = 0; i < 3; ++i) f.info.AudioStreams[i].StreamIndex = static_cast<uint8_t>(i + 1);
}

struct AdvancedCase {
  const char* name;
  void (*setup)(BuilderFixture&);
  const char* adv;
};

constexpr const char* Sepia = "colorchannelmixer=.393:.769:.189:0:.349:.686:.168:0:.272:.534:.131";

const AdvancedCase advancedCases[] = {
    {"NothingChosenGivesNothing", [](BuilderFixture&) {}, ""},
    {"CustomSize", [](BuilderFixture& f) { CustomSize(f, 640, 360); }, "-vf scale=640:360"},
    {"OddCustomSizeIsRoundedUpToEven", [](BuilderFixture& f) { CustomSize(f, 641, 359); },
     "-vf scale=642:360"},
    {"ListedSizeIsRoundedToEights",
     [](BuilderFixture& f) {
       f.resolutions = {"852 x 480 - HD480", "50% - half"};
       f.settings.Advanced.Resolution = rsFirstListEntry + 1;
     },
     "-vf scale=640:360"},
    {"BrightnessAndSaturationMakeOneHue",
     [](BuilderFixture& f) {
       f.settings.Advanced.Brightness = true;
       f.settings.Advanced.BrightnessValue = 5;
       f.settings.Advanced.Saturation = true;
       f.settings.Advanced.SaturationValue = 15;
     },
     "-vf hue=s=1.5:b=0.5"},
    {"BrightnessAlone",
     [](BuilderFixture& f) {
       f.settings.Advanced.Brightness = true;
       f.settings.Advanced.BrightnessValue = -3;
     },
     "-vf hue=b=-0.3"},
    {"ZeroBrightnessAddsNothing",
     [](BuilderFixture& f) {
       f.settings.Advanced.Brightness = true;
       f.settings.Advanced.Saturation = false;
       f.settings.Advanced.SaturationValue = 8;
     },
     ""},
    {"EveryFilterInItsFixedOrder",
     [](BuilderFixture& f) {
       TAdvancedSettings& a = f.settings.Advanced;
       f.settings.Avi.VideoAspect = "16:9";
       a.Rotate = true;
       a.Negative = true;
       a.ConvertColors = true;
       a.ConvertColorsValue = ccSepia;
       a.FlipVertical = true;
       a.FlipHorizontal = true;
       a.Saturation = true;
       a.SaturationValue = 8;
       CustomSize(f, 640, 360);
       a.CropTop = a.CropBottom = a.CropLeft = a.CropRight = 8;
       a.Interlacing = ilDeinterlace;
     },
     nullptr},
    {"RotationTextIsTrimmed",
     [](BuilderFixture& f) {
       f.settings.Advanced.Rotate = true;
       f.settings.Advanced.RotateValue = " 15 ";
     },
     "-vf rotate=0.2618"},
    {"RotationThatIsNoNumberRotatesNothing",
     [](BuilderFixture& f) {
       f.settings.Advanced.Rotate = true;
       f.settings.Advanced.RotateValue = "quarter";
     },
     ""},
    {"Grayscale", [](BuilderFixture& f) { f.settings.Advanced.ConvertColors = true; },
     "-vf colorchannelmixer=.3:.4:.3:0:.3:.4:.3:0:.3:.4:.3"},
    {"AspectWithBlanks", [](BuilderFixture& f) { f.settings.Avi.VideoAspect = " 4 : 3 "; },
     "-vf setdar=4/3"},
    {"DecimalAspect", [](BuilderFixture& f) { f.settings.Avi.VideoAspect = "1.85"; },
     "-vf setdar=1.85"},
    {"HuffYuvIgnoresTheAspect",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoCodec = vcHuffYuv;
       f.settings.Avi.VideoAspect = "16:9";
     },
     ""},
    {"CropUsesTheSourceSize",
     [](BuilderFixture& f) {
       f.settings.Advanced.CropLeft = 16;
       f.settings.Advanced.CropBottom = 8;
     },
     "-vf crop=1264:712:16:0"},
    {"CropWithoutSourceSizeGoesNegative",
     [](BuilderFixture& f) {
       f.info.VideoStreams[0].Width = 0;
       f.info.VideoStreams[0].Height = 0;
       f.settings.Advanced.CropTop = 8;
     },
     "-vf crop=0:-8:0:8"},
    {"InterlacedSourceIsDeinterlacedAutomatically",
     [](BuilderFixture& f) { f.info.VideoStreams[0].ScanType = " Interlaced "; }, "-vf yadif"},
    {"KeepOriginalKeepsTheInterlacing",
     [](BuilderFixture& f) {
       f.info.VideoStreams[0].ScanType = "Interlaced";
       f.settings.Advanced.Interlacing = ilKeepOriginal;
     },
     ""},
    {"DeinterlacingFollowsTheAudioRule",
     [](BuilderFixture& f) {
       f.settings.Advanced.Interlacing = ilDeinterlace;
       f.settings.Audio.DoNotCopyAudio = true;
     },
     ""},
    {"CopiedVideoIsNeverFiltered",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoCodec = vcCopy;
       f.settings.Advanced.Interlacing = ilDeinterlace;
       f.settings.Advanced.FlipHorizontal = true;
       CustomSize(f, 640, 360);
     },
     ""},
    {"TagAlone",
     [](BuilderFixture& f) {
       f.settings.Advanced.ForceVideoTag = true;
       f.settings.Advanced.VideoTag = "DX50";
     },
     "-vtag DX50"},
    {"TagAlsoForCopiedVideo",
     [](BuilderFixture& f) {
       f.settings.Avi.VideoCodec = vcCopy;
       f.settings.Advanced.ForceVideoTag = true;
     },
     "-vtag XVID"},
    {"ChainAndTagAreTwoBlanksApart",
     [](BuilderFixture& f) {
       CustomSize(f, 640, 360);
       f.settings.Advanced.ForceVideoTag = true;
     },
     "-vf scale=640:360  -vtag XVID"},
    {"EmptyTagAddsNothing",
     [](BuilderFixture& f) {
       f.settings.Advanced.ForceVideoTag = true;
       f.settings.Advanced.VideoTag = "";
     },
     ""},
    {"MapOfTheSecondTrack",
     [](BuilderFixture& f) {
       ThreeAudioStreams(f);
       f.settings.Audio.AudioTrackNo = 2;
     },
     "-map 0:0 -map 0:2"},
    {"MapAfterTagAndChain",
     [](BuilderFixture& f) {
       ThreeAudioStreams(f);
       f.settings.Audio.AudioTrackNo = 3;
       f.settings.Advanced.ForceVideoTag = true;
       f.settings.Advanced.FlipVertical = true;
     },
     "-vf vflip  -vtag XVID -map 0:0 -map 0:3"},
    {"MapWithoutVideo",
     [](BuilderFixture& f) {
       ThreeAudioStreams(f);
       f.settings.Audio.AudioTrackNo = 1;
       f.settings.Avi.DoNotCopyVideo = true;
     },
     "-map 0:1"},
    {"TrackBeyondTheInputsStreamsMapsNothing",
     [](BuilderFixture& f) { f.settings.Audio.AudioTrackNo = 2; }, ""},
    {"NoMapWithoutAudio",
     [](BuilderFixture& f) {
       ThreeAudioStreams(f);
       f.settings.Audio.AudioTrackNo = 2;
       f.settings.Audio.DoNotCopyAudio = true;
     },
     ""},
    {"PalDvdKeepsTheFiltersOnly",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Mpg.VideoFormat = mfPalDvd;
       f.settings.Advanced.FlipHorizontal = true;
       f.settings.Advanced.Interlacing = ilDeinterlace;
       f.settings.Advanced.ForceVideoTag = true;
       f.settings.Avi.VideoAspect = "16:9";
       CustomSize(f, 640, 360);
       ThreeAudioStreams(f);
       f.settings.Audio.AudioTrackNo = 2;
     },
     "-vf hflip"},
    {"MpgCustomScalesAndTags",
     [](BuilderFixture& f) {
       f.settings.OutputFormat = TOutputFormat::ofMPG;
       f.settings.Advanced.ForceVideoTag = true;
       f.settings.Avi.VideoAspect = "16:9";
       CustomSize(f, 352, 288);
     },
     "-vf scale=352:288  -vtag XVID"},
};

class AdvancedPiece : public testing::TestWithParam<AdvancedCase> {};

TEST_P(AdvancedPiece, HoldsTheChosenFiltersTagAndMap) {
  BuilderFixture f;
  GetParam().setup(f);
  const std::string expected =
      GetParam().adv ? GetParam().adv
                     : std::string(
                           "-vf yadif,crop=1264:704:8:8,scale=640:360,hue=s=0.8,hflip,"
                           "vflip,") +
                           Sepia + ",negate,rotate=3.1416,setdar=16/9";
  EXPECT_EQ(f.ADV(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AdvancedPiece, testing::ValuesIn(advancedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AdvancedPiece, ALoneChainKeepsItsTrailingBlankAndALoneTagItsLeadingOne) {
  BuilderFixture f;
  f.settings.Advanced.FlipHorizontal = true;
  EXPECT_EQ(GetAdvancedParamsStr(f.input()), "-vf hflip ");
  f.settings.Advanced.FlipHorizontal = false;
  f.settings.Advanced.ForceVideoTag = true;
  EXPECT_EQ(GetAdvancedParamsStr(f.input()), " -vtag XVID");
}

TEST(AdvancedPiece, TypedQuotesAndBlanksStayInsideTheirArgument) {
  BuilderFixture f;
  f.settings.Avi.VideoAspect = "16:9\"";
  f.settings.Advanced.ForceVideoTag = true;
  f.settings.Advanced.VideoTag = "MP4 ";
  const auto args = SplitCommandLine(GetAdvancedParamsStr(f.input()) + " next");
  EXPECT_EQ(args, (std::vector<std::string>{"-vf", "setdar=16/9\"", "-vtag", "MP4 ", "next"}));
}

}  // namespace
}  // namespace zelmora
