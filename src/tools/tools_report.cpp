#include "tools/tools_report.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "base/files.h"
#include "base/numbers.h"
#include "tools/elf_file.h"
#include "tools/pe_file.h"

namespace zelmora {

namespace {

constexpr const char* LineEnd = "\r\n";

std::string Line(std::string label, int labelWidth, const std::string& value) {
  if (static_cast<int>(label.size()) < labelWidth)
    label.insert(0, static_cast<size_t>(labelWidth) - label.size(), ' ');
  return label + " " + value;
}

std::string HexCrc(uint32_t crc) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", crc);
  return text;
}

// "Binary type:" value of a PE file, or of an ELF file (this port's tools).
std::string BinaryType(const TPeFile& pe, const std::string& path) {
  if (pe.IsValidPeFile()) return std::to_string(pe.Bits()) + "-bit " + pe.InfoStr();
  if (std::optional<TElfDescription> elf = DescribeElfFile(path, pe.MaxMemoryStreamSize))
    return std::to_string(elf->Bits) + "-bit " + elf->InfoStr;
  return {};
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += LineEnd;
    text += line;
  }
  return text;
}

}  // namespace

Result<std::string> ToolFileReport(const std::string& path, int labelWidth) {
  if (!FileExists(path)) return std::string();
  Result<uint32_t> crc = FileCrc32(path);
  if (!crc) return crc.error();
  const int64_t size = std::max<int64_t>(GetFileSize(path), 0);
  std::vector<std::string> lines;
  lines.push_back(Line("File name:", labelWidth, path));
  lines.push_back(Line("File size:", labelWidth,
                       FormatThousands(size) + " bytes (" + FormatByteSize(size) + ")"));
  lines.push_back(Line("File CRC32:", labelWidth, "$" + HexCrc(crc.value())));
  TPeFile pe;
  pe.SetFileName(path);
  pe.GetFileInfo();
  const std::string binaryType = BinaryType(pe, path);
  if (!binaryType.empty()) lines.push_back(Line("Binary type:", labelWidth, binaryType));
  if (const std::optional<TFileVersionStrings>& version = pe.VersionStrings()) {
    lines.push_back(Line("Product version:", labelWidth, version->ProductVersion));
    lines.push_back(Line("File version:", labelWidth, version->FileVersion));
    lines.push_back(Line("File description:", labelWidth, version->FileDescription));
  }
  return Join(lines);
}

Result<std::string> ToolsReport(const std::string& ffmpegPath, const std::string& mediaInfoPath,
                                int labelWidth) {
  const std::string separator = std::string(LineEnd) + std::string(83, '-');
  Result<std::string> ffmpeg = ToolFileReport(ffmpegPath, labelWidth);
  if (!ffmpeg) return ffmpeg.error();
  Result<std::string> mediaInfo = ToolFileReport(mediaInfoPath, labelWidth);
  if (!mediaInfo) return mediaInfo.error();
  return "FFmpeg" + std::string(LineEnd) + ffmpeg.value() + separator + LineEnd + "MediaInfo" +
         LineEnd + mediaInfo.value() + separator;
}

}  // namespace zelmora
