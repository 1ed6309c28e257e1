#include "media/file_info_report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/files.h"
#include "base/numbers.h"
#include "base/text.h"
#include "i18n/app_strings.h"
#include "media/file_info_texts.h"
#include "platform/web_addresses.h"

namespace zelmora {

namespace {

using Lines = std::vector<std::string>;

const std::string Separator(71, '-');

void Add(Lines& lines, const std::string& label, const std::string& value) {
  lines.push_back(label + " " + value);
}

void AddSection(Lines& lines, const std::string& heading) {
  lines.push_back("");
  lines.push_back(Separator);
  lines.push_back(heading);
}

// The checksum line, left out for big files and for files that cannot be read.
void AddCrc(Lines& lines, const std::string& path, int64_t size) {
  if (size > InfoReportCrcLimit) return;
  Result<uint32_t> crc = FileCrc32(path);
  if (!crc) return;
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08X", crc.value());
  lines.push_back(std::string("CRC32: $") + hex);
}

void AddGeneral(Lines& lines, const TVideoFileInfo& shown, const TVideoFileInfo& fresh,
                const TFileInfoModuleStrings& s) {
  lines.push_back(Separator);
  lines.push_back(s.Report_GeneralInfo);
  lines.push_back("");
  Add(lines, s.lblFileSize,
      FormatThousands(fresh.FileSize) + " bytes (" + FormatByteSize(fresh.FileSize) + ")");
  AddCrc(lines, shown.FileName, fresh.FileSize);
  const TGeneralInfoTexts g = GeneralInfoTexts(shown);
  Add(lines, s.lblDuration, g.Duration);
  Add(lines, s.lblOverallBitrate, g.OverallBitrate);
  Add(lines, s.lblFormat, g.Format);
  Add(lines, s.lblEncodedApplication, g.EncodedApplication);
  Add(lines, s.lblNumberOfDataStreams, g.NumberOfDataStreams);
  Add(lines, s.lblNumberOfVideoStreams, g.NumberOfVideoStreams);
  Add(lines, s.lblNumberOfAudioStreams, g.NumberOfAudioStreams);
}

void AddVideo(Lines& lines, const TVideoFileInfo& info, const TFileInfoModuleStrings& s) {
  const size_t count = std::min<size_t>(info.NumberOfVideoStreams, MaxVideoStreams);
  for (size_t i = 0; i < count; ++i) {
    // A single stream needs no number.
    AddSection(lines, info.NumberOfVideoStreams < 2
                          ? s.Report_VideoStream
                          : s.Report_VideoStream + " " + std::to_string(i + 1));
    lines.push_back("");
    const TVideoStreamTexts v = VideoStreamTexts(info, static_cast<int>(i + 1), s);
    Add(lines, s.lblVideoCodec, v.CodecOnly);
    Add(lines, s.lblVideoProfile, v.Profile);
    Add(lines, s.lblVideoBitrate, v.Bitrate);
    Add(lines, s.lblResolution, v.Resolution);
    Add(lines, s.lblDisplayAspectRatio, v.DisplayAspect);
    Add(lines, s.lblFPS, v.FPS);
    Add(lines, s.lblScanType, v.ScanType);
    Add(lines, s.lblPixelFormat, v.PixelFormat);
    Add(lines, s.lblBitsPerPixel, v.BitsPerPixel);
    Add(lines, s.lblVideoFrames, v.Frames);
    Add(lines, s.lblVideoStreamSize, v.StreamSize);
    Add(lines, s.lblVideoEncodedLibrary, v.EncodedLibrary);
    Add(lines, s.lblVideoStreamIndex, v.StreamIndex);
  }
}

void AddAudio(Lines& lines, const TVideoFileInfo& info, const TFileInfoModuleStrings& s) {
  const size_t count = std::min<size_t>(info.NumberOfAudioStreams, MaxAudioStreams);
  for (size_t i = 0; i < count; ++i) {
    AddSection(lines, s.Report_AudioStream + " " + std::to_string(i + 1));
    const TAudioStreamTexts a = AudioStreamTexts(info, static_cast<int>(i + 1));
    Add(lines, s.lblAudioCodec, a.CodecOnly);
    Add(lines, s.lblAudioProfile, a.Profile);
    Add(lines, s.lblAudioBitrate, a.Bitrate);
    Add(lines, s.lblChannels, a.Channels);
    Add(lines, s.lblSamplingRate, a.SamplingRate);
    Add(lines, s.lblBitsPerSample, a.BitsPerSample);
    Add(lines, s.lblAudioFrames, a.Samples);
    Add(lines, s.lblVideoDelay, a.VideoDelay);
    Add(lines, s.lblAudioLanguage, a.Language);
    Add(lines, s.lblAudioStreamSize, a.StreamSize);
    Add(lines, s.lblAudioEncodedLibrary, a.EncodedLibrary);
    Add(lines, s.lblAudioStreamIndex, a.StreamIndex);
  }
}

void AddDataStreams(Lines& lines, const TVideoFileInfo& shown, const TFileInfoModuleStrings& s) {
  const std::vector<TDataStreamRow> rows = DataStreamRows(shown);
  if (rows.empty()) return;
  AddSection(lines, s.Report_DataStreams + "   (FFmpeg)");
  for (size_t n = 0; n < rows.size(); ++n) {
    std::string number = std::to_string(n + 1);
    if (number.size() < 2) number.insert(0, 1, ' ');
    lines.push_back("  " + number + ": " + rows[n].Stream + " - " + rows[n].Details);
  }
}

// MediaInfo writes LF on this system; the report keeps one line-end style.
std::string WithCrLf(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r\n", "\n"), "\n", "\r\n");
}

}  // namespace

std::string GetInfoAsText(const TVideoFileInfo& shown, const TVideoFileInfo& fresh,
                          const TFileInfoModuleStrings& strings, const std::string& programTitle) {
  Lines lines;
  lines.push_back(ExpandMessageText(strings.Report_Info, programTitle));
  lines.push_back(web::kHomePage);
  lines.push_back("");
  Add(lines, strings.Report_File, shown.FileName);
  lines.push_back("");
  AddGeneral(lines, shown, fresh, strings);
  AddVideo(lines, fresh, strings);
  AddAudio(lines, fresh, strings);
  AddDataStreams(lines, shown, strings);
  if (!fresh.MediaInfoFull.empty()) {
    AddSection(lines, "MediaInfo");
    lines.push_back("");
    lines.push_back(WithCrLf(fresh.MediaInfoFull));
  }
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string GetInfoAsText(const TVideoFileInfo& info, const TFileInfoModuleStrings& strings,
                          const std::string& programTitle) {
  return GetInfoAsText(info, info, strings, programTitle);
}

}  // namespace zelmora
