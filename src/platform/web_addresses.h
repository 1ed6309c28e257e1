#pragma once

// Every web address the program opens or reads, and the names tied to them.
// They live in one place so a change of the web site is a change of one file.

namespace zelmora::web {

// Product name as it appears in messages ("download the latest version of ...").
inline constexpr const char* kProductName = "Zelmora";

// Host name of the product's web site, printed bare in the missing-encoder message.
inline constexpr const char* kProductHost = "zelmora.example.org";

inline constexpr const char* kHomePage = "https://zelmora.example.org/";
inline constexpr const char* kQuickStartHelpPage = "https://zelmora.example.org/help/quick-start/";
inline constexpr const char* kDonationPage = "https://zelmora.example.org/donate/";
inline constexpr const char* kFacebookPage = "https://zelmora.example.org/social/facebook/";
inline constexpr const char* kTwitterPage = "https://zelmora.example.org/social/twitter/";

// The product page the update check's "Download..." button opens.
inline constexpr const char* kDownloadPage = "https://zelmora.example.org/download/";

// The tiny INI file that names the latest released version.
inline constexpr const char* kUpdateEndpoint = "https://zelmora.example.org/update/ver.ini";

// File name of the distributed archive, named in the missing-encoder message.
inline constexpr const char* kDownloadArchiveName = "Zelmora.zip";

// Reference page that lists video FourCC codes (the "Info" button beside the FourCC).
inline constexpr const char* kFourccReferencePage = "https://www.fourcc.org/";

// Projects of the two external tools, linked from the about window.
inline constexpr const char* kFFmpegProjectPage = "https://ffmpeg.org/";
inline constexpr const char* kMediaInfoProjectPage = "https://mediaarea.net/en/MediaInfo";

}  // namespace zelmora::web
