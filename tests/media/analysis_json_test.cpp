#include "media/analysis_json.h"

#include <gtest/gtest.h>

#include "media/analysis_summary.h"

namespace zelmora {
namespace {

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1)) ++n;
  return n;
}

TEST(JsonText, EscapesStringsAndWritesShortestRoundTripNumbers) {
  EXPECT_EQ(JsonString("say \"hi\" \\ now"), "\"say \\\"hi\\\" \\\\ now\"");
  EXPECT_EQ(JsonString("a\nb\tc\x01"), "\"a\\nb\\tc\\u0001\"");
  EXPECT_EQ(JsonString("Grüße"), "\"Grüße\"");
  EXPECT_EQ(JsonString("bad\xff"), "\"bad\xEF\xBF\xBD\"");  // JSON text must be UTF-8
  EXPECT_EQ(JsonNumber(25), "25");
  EXPECT_EQ(JsonNumber(29.97), "29.97");
  EXPECT_EQ(JsonNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(JsonNumber(1.0 / 0.0), "null");
}

TEST(AnalysisJson, ListsOnlyTheStreamsThatExistUnderTheRecordNames) {
  TVideoFileInfo info;
  info.FileName = "/v/a \"b\".webm";
  info.FileSize = 3000000000LL;
  info.Duration = 1003;
  info.NumberOfVideoStreams = 11;  // more than the record holds
  info.NumberOfAudioStreams = 2;
  info.VideoStreams[0].Exists = true;
  info.VideoStreams[0].FPS = 23.976;
  info.AudioStreams[1].Language = "German";
  info.StreamsStr[0] = {true, "Stream #0:0: Video: vp8"};
  info.StreamsStr[5] = {true, "Stream #0:1: Audio: vorbis"};
  std::string json = VideoFileInfoToJson(info);
  EXPECT_NE(json.find("\"FileName\": \"/v/a \\\"b\\\".webm\""), std::string::npos);
  EXPECT_NE(json.find("\"FileSize\": 3000000000"), std::string::npos);
  EXPECT_NE(json.find("\"Duration\": 1003,"), std::string::npos);
  EXPECT_NE(json.find("\"FPS\": 23.976,"), std::string::npos);
  EXPECT_NE(json.find("\"Exists\": true"), std::string::npos);
  EXPECT_NE(json.find("\"Language\": \"German\""), std::string::npos);
  EXPECT_EQ(Count(json, "\"PixelFormat\""), 10u);
  EXPECT_EQ(Count(json, "\"CodecFF\""), 2u);
  EXPECT_EQ(Count(json, "\"Stream #0:"), 2u);
  for (const char* key : {"Seconds", "DurationStr", "Start", "Format", "FormatInfo",
                          "OverallBitrate", "NumberOfDataStreams", "EncodedApplication",
                          "MediaInfoFull", "DurationMs", "StreamSizeInPercent", "BitsPerPixel"})
    EXPECT_NE(json.find(std::string("\"") + key + "\": "), std::string::npos) << key;
}

TEST(AnalysisJson, ArrayHoldsOneObjectPerFile) {
  std::vector<TVideoFileInfo> infos(3);
  std::string json = VideoFileInfoListToJson(infos);
  EXPECT_EQ(json.front(), '[');
  EXPECT_EQ(json.substr(json.size() - 2), "]\n");
  EXPECT_EQ(Count(json, "\"FileName\""), 3u);
  EXPECT_EQ(Count(json, "\"VideoStreams\": []"), 3u);
  EXPECT_EQ(VideoFileInfoListToJson({}), "[]\n");
}

TEST(AnalysisSummary, NamesTheFileAndLeavesUnknownValuesOut) {
  TVideoFileInfo info;
  info.FileName = "/v/clip.webm";
  info.FileSize = 19037;
  info.DurationStr = "00:00:01.00";
  info.Format = "WebM";
  info.NumberOfVideoStreams = 1;
  info.NumberOfAudioStreams = 1;
  info.VideoStreams[0].Codec = "VP8";
  info.VideoStreams[0].Width = 160;
  info.VideoStreams[0].Height = 120;
  info.VideoStreams[0].FPS = 25;
  info.AudioStreams[0].Codec = "Vorbis";
  info.AudioStreams[0].Language = "English";
  std::string text = FormatAnalysisSummary(info);
  EXPECT_EQ(text.rfind("/v/clip.webm\n", 0), 0u);
  EXPECT_NE(text.find("19 037 bytes"), std::string::npos);
  EXPECT_NE(text.find("Video 1: VP8, 160x120, 25 fps\n"), std::string::npos);
  EXPECT_NE(text.find("Audio 1: Vorbis, English\n"), std::string::npos);
  EXPECT_EQ(text.find(" 0 kb/s"), std::string::npos);
}

}  // namespace
}  // namespace zelmora
