#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelmora {

class TAppStrings;

enum class TOutputFormat { ofAVI, ofMPG };

// Positions in the AVI video codec list (Avi.VideoCodec).
enum TAviVideoCodec : int {
  vcXvid = 0,
  vcDivX3 = 1,
  vcH264 = 2,
  vcMpeg4 = 3,
  vcMsMpeg4v2 = 4,
  vcWmv1 = 5,
  vcWmv2 = 6,
  vcMotionJpeg = 7,
  vcHuffYuv = 8,
  vcCopy = 9,
};
inline constexpr int VideoCodecCount = 10;

// Positions in the audio codec list (Audio.AudioCodec).
enum TAudioCodec : int {
  acAuto = 0,
  acMp3 = 1,
  acMp2 = 2,
  acAc3 = 3,
  acAac = 4,
  acWma1 = 5,
  acWma2 = 6,
  acPcm = 7,
  acCopy = 8,
};
inline constexpr int AudioCodecCount = 9;

// Positions in the MPG video list (Mpg.VideoFormat).
enum TMpgVideoFormat : int { mfPalDvd = 0, mfNtscDvd = 1, mfCustom = 2 };

// Positions in the resolution list (Advanced.Resolution); the entries of the
// resolution file or the built-in sizes follow from rsFirstListEntry on.
enum TResolutionChoice : int { rsAuto = 0, rsCustom = 1, rsFirstListEntry = 2 };

// Positions in the channel list (Audio.AudioChannels).
enum TAudioChannelsChoice : int { chAuto = 0, chMono = 1, chStereo = 2, chSix = 3 };

// Positions in the interlacing list (Advanced.Interlacing).
enum TInterlacingChoice : int { ilAuto = 0, ilDeinterlace = 1, ilKeepOriginal = 2 };

// Positions in the colour list (Advanced.ConvertColorsValue).
enum TColorChoice : int { ccGrayscale = 0, ccSepia = 1 };

struct TAviSettings {
  int VideoCodec = vcXvid;
  std::string VideoBitrate = "Auto";
  std::string VideoFPS = "Auto";
  std::string VideoAspect = "Auto";
  bool Video2Pass = false;
  bool DoNotCopyVideo = false;
  std::string EncoderThreads = "Auto";
};

struct TMpgSettings {
  int VideoFormat = mfCustom;
  int MPEGVersion = 0;  // 0 MPEG-1, 1 MPEG-2
  std::string VideoBitrate = "Auto";
  std::string VideoFPS = "Auto";
  bool Video2Pass = false;
  bool DoNotCopyVideo = false;
};

struct TAudioSettings {
  int AudioCodec = acAuto;
  std::string AudioBitrate = "Auto";
  std::string AudioSampling = "Auto";
  int AudioChannels = chAuto;
  bool DoNotCopyAudio = false;
  int Volume = 100;  // percent
  // 0: the first audio track; k: the k-th audio stream of the input. Not
  // kept in profiles: it follows the selected file.
  int AudioTrackNo = 0;
};

struct TAdvancedSettings {
  int Resolution = rsAuto;
  int ResWidth = 854;
  int ResHeight = 480;
  bool ForceVideoTag = false;
  std::string VideoTag = "XVID";
  int CropTop = 0;
  int CropBottom = 0;
  int CropLeft = 0;
  int CropRight = 0;
  std::string AdditionalParams;  // one or more ffmpeg arguments per line
  int Interlacing = ilAuto;
  bool ConvertColors = false;
  int ConvertColorsValue = ccGrayscale;
  bool Brightness = false;
  int BrightnessValue = 0;  // tenths, -20..20
  bool Saturation = false;
  int SaturationValue = 10;  // tenths, 1..30
  bool FlipHorizontal = false;
  bool FlipVertical = false;
  bool Negative = false;
  bool Rotate = false;
  // Degrees as the user typed or picked them in the editable list; text that
  // is not a whole number rotates by 0.
  std::string RotateValue = "180";
};

// Every encoder choice of the main window, grouped like the profile
// sections. The argument builder reads this record, never the controls.
struct EncoderSettings {
  TOutputFormat OutputFormat = TOutputFormat::ofAVI;
  TAviSettings Avi;
  TMpgSettings Mpg;
  TAudioSettings Audio;
  TAdvancedSettings Advanced;
};

// Every field back to its default; text fields get the current word for
// Auto, the AVI codec the configured default codec.
void SetDefaultParams(EncoderSettings& settings, int defaultVideoCodecIndex,
                      const TAppStrings& strings);

// A text setting means "choose automatically" when, trimmed and upper-cased,
// it equals the upper-cased Auto word of the current language.
bool IsAutoText(std::string_view text, const TAppStrings& strings);

// The default AVI codec named by the settings file: H.264 (2) for "H.264"
// in any letter case and with blanks around it, else Xvid (0).
int DefaultVideoCodecIndexFromName(std::string_view name);

// A whole number as the encoder settings accept it: after trimming, an
// optional sign and decimal digits, within the 32-bit range. Hexadecimal
// forms are refused because ffmpeg would not read them back the same way.
std::optional<int32_t> ParseWholeNumber(std::string_view text);

}  // namespace zelmora
