#include <gtest/gtest.h>

#include <set>

#include "base/text.h"
#include "core/command_preview.h"
#include "core/encoder_settings.h"
#include "core/message_view.h"
#include "i18n/app_strings.h"

namespace zelmora {
namespace {

class RecordingMessages : public MessageView {
public:
  void ShowWarning(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

class CommandPreview : public ::testing::Test {
protected:
  CommandPreview() {
    SetDefaultParams(settings, 0, strings);
    InitVideoFileInfo(info);
  }
  std::string Build(const std::string& inputText = InputFilePlaceholder) {
    BuilderInput in{settings, info, strings, resolutions, encoders, messages, 96};
    return BuildCommandPreview(in, inputText);
  }

  TAppStrings strings;
  EncoderSettings settings;
  TVideoFileInfo info;
  std::vector<std::string> resolutions;
  std::set<std::string> encoders;
  RecordingMessages messages;
};

TEST_F(CommandPreview, TwoPassH264PutsThePresetAfterThePassAndTheQuotedName) {
  settings.Avi.VideoCodec = vcH264;
  settings.Avi.Video2Pass = true;
  const std::string name = PreviewInputText("/videos/my clip.webm");
  EXPECT_EQ(name, "\"/videos/my clip.webm\"");
  std::vector<std::string> parts = Split(Build(name), '\n');
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[1], "");
  for (int pass = 1; pass <= 2; ++pass) {
    const std::string& line = parts[pass == 1 ? 0 : 2];
    EXPECT_EQ(line.rfind("-y -i " + name + " ", 0), 0u) << line;
    EXPECT_NE(line.find("-pass " + std::to_string(pass) + "  -preset:v faster"), std::string::npos)
        << line;
    EXPECT_TRUE(EndsWith(line, " <output_file>")) << line;
  }
}

TEST_F(CommandPreview, OnePassWithEmptyPiecesKeepsNoRunOfThreeBlanks) {
  const std::string text = Build();
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find("   "), std::string::npos) << text;
  EXPECT_EQ(text.rfind("-y -i <input_file> ", 0), 0u) << text;
  EXPECT_TRUE(EndsWith(text, " <output_file>")) << text;
}

TEST_F(CommandPreview, ARefusedPieceIsLeftOutAfterItsMessage) {
  settings.Avi.VideoFPS = "fast";
  const std::string text = Build();
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(text.find("ERROR"), std::string::npos) << text;
  EXPECT_NE(text.find("-c:a "), std::string::npos) << "the other pieces stay: " << text;
}

TEST_F(CommandPreview, TwoLinesWheneverVideo2PassIsSetEvenWhereTheRunMakesOne) {
  settings.Avi.VideoCodec = vcWmv1;  // the run encodes WMV1 in one pass
  settings.Avi.Video2Pass = true;
  EXPECT_NE(Build().find("\n\n"), std::string::npos);
}

TEST(ReduceTripleBlanks, IsOneLeftToRightPass) {
  EXPECT_EQ(ReduceTripleBlanks("a   b"), "a b");
  EXPECT_EQ(ReduceTripleBlanks("a     b"), "a   b");
  EXPECT_EQ(ReduceTripleBlanks("a      b"), "a  b");
  EXPECT_EQ(ReduceTripleBlanks("a  b"), "a  b");
}

}  // namespace
}  // namespace zelmora
