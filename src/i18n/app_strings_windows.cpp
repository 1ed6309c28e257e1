// English texts of the windows other than the main one: the error log, file
// information (and its text report), options, progress, about, tools information
// and the update check.

#include "i18n/app_string_table.h"

namespace zelmora {

namespace {

#define ROW(group, field, text) ZELMORA_APP_STRING(group, #group, field, text)

void AppendErrorsStrings(std::vector<AppStringEntry>& table) {
  table.insert(table.end(), {
                                ROW(Errors, Caption, "Errors"),
                                ROW(Errors, actClose, "Close"),
                                ROW(Errors, actSaveLog, "Save log..."),
                                ROW(Errors, actClearLog, "Clear log"),
                                ROW(Errors, dlgSaveLogFilter, "Log file"),
                            });
}

void AppendFileInfoStrings(std::vector<AppStringEntry>& table) {
  table.insert(table.end(),
               {
                   ROW(FileInfo, Caption, "Video file properties"),
                   ROW(FileInfo, lblDataStreams, "Data streams:"),
                   ROW(FileInfo, ColumnTitle_Stream, "Stream"),
                   ROW(FileInfo, ColumnTitle_Details, "Details"),
                   ROW(FileInfo, gbGeneralInfo, "General info"),
                   ROW(FileInfo, lblFileSize, "File size:"),
                   ROW(FileInfo, lblDuration, "Duration:"),
                   ROW(FileInfo, lblFileName, "File name:"),
                   ROW(FileInfo, lblDirectory, "Directory:"),
                   ROW(FileInfo, lblOverallBitrate, "Overall bitrate:"),
                   ROW(FileInfo, lblFormat, "Format:"),
                   ROW(FileInfo, lblNumberOfDataStreams, "Number of all data streams:"),
                   ROW(FileInfo, lblNumberOfVideoStreams, "Number of video streams:"),
                   ROW(FileInfo, lblNumberOfAudioStreams, "Number of audio streams:"),
                   ROW(FileInfo, lblEncodedApplication, "Encoded application:"),
                   ROW(FileInfo, gbVideoStream, "Video stream"),
                   ROW(FileInfo, lblVideoCodec, "Video codec:"),
                   ROW(FileInfo, lblVideoProfile, "Profile:"),
                   ROW(FileInfo, lblVideoBitrate, "Bitrate:"),
                   ROW(FileInfo, lblResolution, "Resolution:"),
                   ROW(FileInfo, lblDisplayAspectRatio, "Display aspect:"),
                   ROW(FileInfo, lblFPS, "Frames / second:"),
                   ROW(FileInfo, lblScanType, "Scan type:"),
                   ROW(FileInfo, lblPixelFormat, "Pixel format:"),
                   ROW(FileInfo, lblBitsPerPixel, "Bits per pixel:"),
                   ROW(FileInfo, lblVideoFrames, "Frames:"),
                   ROW(FileInfo, lblVideoStreamSize, "Stream size:"),
                   ROW(FileInfo, lblVideoEncodedLibrary, "Encoded library:"),
                   ROW(FileInfo, lblVideoStreamIndex, "Stream index:"),
                   ROW(FileInfo, gbAudioStream, "Audio stream"),
                   ROW(FileInfo, lblAudioCodec, "Audio codec:"),
                   ROW(FileInfo, lblAudioProfile, "Profile:"),
                   ROW(FileInfo, lblAudioBitrate, "Bitrate:"),
                   ROW(FileInfo, lblChannels, "Channels:"),
                   ROW(FileInfo, lblSamplingRate, "Sampling rate:"),
                   ROW(FileInfo, lblBitsPerSample, "Bits per sample:"),
                   ROW(FileInfo, lblAudioFrames, "Samples:"),
                   ROW(FileInfo, lblVideoDelay, "Video delay:"),
                   ROW(FileInfo, lblAudioLanguage, "Language:"),
                   ROW(FileInfo, lblAudioStreamSize, "Stream size:"),
                   ROW(FileInfo, lblAudioEncodedLibrary, "Encoded library:"),
                   ROW(FileInfo, lblAudioStreamIndex, "Stream index:"),
                   ROW(FileInfo, actClose, "Close"),
                   ROW(FileInfo, actSave, "Save..."),
                   ROW(FileInfo, actCopy, "Copy to the Clipboard"),
                   ROW(FileInfo, btnCopy, "Copy"),
                   ROW(FileInfo, dlgSaveFilter, "Text files (*.TXT)"),
                   ROW(FileInfo, Report_Info, "%s - Video file information report"),
                   ROW(FileInfo, Report_File, "File:"),
                   ROW(FileInfo, Report_GeneralInfo, "GENERAL INFO"),
                   ROW(FileInfo, Report_FirstVideoStream, "FIRST VIDEO STREAM"),
                   ROW(FileInfo, Report_VideoStream, "VIDEO STREAM"),
                   ROW(FileInfo, Report_FirstAudioStream, "FIRST AUDIO STREAM"),
                   ROW(FileInfo, Report_AudioStream, "AUDIO STREAM"),
                   ROW(FileInfo, Report_DataStreams, "DATA STREAMS:"),
                   ROW(FileInfo, Report_DataStream, "DATA STREAM"),
                   ROW(FileInfo, ScanType_Interlaced, "interlaced"),
                   ROW(FileInfo, ScanType_Progressive, "progressive"),
               });
}

void AppendOptionsStrings(std::vector<AppStringEntry>& table) {
  table.insert(table.end(),
               {
                   ROW(Options, Caption, "Options"),
                   ROW(Options, gbShortcuts, "Shortcuts"),
                   ROW(Options, chShortcutDesktop, "On the Desktop"),
                   ROW(Options, chShortcutStartMenu, "In the Start Menu"),
                   ROW(Options, gbLanguage, "Language"),
                   ROW(Options, pnFileList, "File list"),
                   ROW(Options, lblFileListFontName, "Font name:"),
                   ROW(Options, lblFileListFontSize, "Font size:"),
                   ROW(Options, lblFileListRowHeight, "Row height:"),
                   ROW(Options, chFileListAllowRowMoving, "Allow row moving"),
                   ROW(Options, chFileListAllowColumnMoving, "Allow column moving"),
                   ROW(Options, chFileListGridLines, "Show grid lines"),
                   ROW(Options, chFileListFooter, "Show table footer"),
                   ROW(Options, chFileListRowIndicator, "Show row indicator"),
                   ROW(Options, chFileListIconClickOpen, "Open file after click on the icon"),
                   ROW(Options, lblDefaultVideoCodec, "Default video encoder:"),
                   ROW(Options, btnCreateShortcutOnDesktop, "Create shortcut on the Desktop"),
                   ROW(Options, lblFileAnalysis, "File analysis:"),
                   ROW(Options, FileAnalysis_Full, "Full"),
                   ROW(Options, FileAnalysis_Quick, "Quick"),
                   ROW(Options, FileAnalysis_None, "None"),
               });
}

void AppendProgressStrings(std::vector<AppStringEntry>& table) {
  table.insert(table.end(), {
                                ROW(Progress, Caption, "Conversion"),
                                ROW(Progress, lblEncoderOutput, "Encoder output:"),
                                ROW(Progress, lblStatus, "Status:"),
                                ROW(Progress, lblInputFile, "Input file:"),
                                ROW(Progress, lblOutputFile, "Output file:"),
                                ROW(Progress, lblProgress, "Progress:"),
                                ROW(Progress, btnAbort, "Abort"),
                                ROW(Progress, chHideEncoderOutput, "Don't show encoder output"),
                                ROW(Progress, ConvertingFile, "Converting file:"),
                                ROW(Progress, Conversion_Pass, "pass"),
                                ROW(Progress, Conversion_Speed, "Speed:"),
                                ROW(Progress, Conversion_FramesPerSecond, "frames/sec"),
                                ROW(Progress, Conversion_Frame, "Frame:"),
                                ROW(Progress, Conversion_Complete, "Complete:"),
                                ROW(Progress, chCloseAfterConversion, "Close after conversion"),
                            });
}

void AppendSmallWindowStrings(std::vector<AppStringEntry>& table) {
  table.insert(
      table.end(),
      {
          ROW(About, Caption, "About"),
          ROW(About, Donation, "DONATION"),
          ROW(ToolsInfo, Caption, "Tools info"),
          ROW(ToolsInfo, actClose, "Close"),
          ROW(CheckUpdate, Caption, "Check for updates"),
          ROW(CheckUpdate, actClose, "Close"),
          ROW(CheckUpdate, lblUserVersion, "Your version:"),
          ROW(CheckUpdate, lblLatestVersion, "The latest version:"),
          ROW(CheckUpdate, CheckNow, "Check now"),
          ROW(CheckUpdate, NoUpdates, R"(No updates available.\nYou have the latest version.)"),
          ROW(CheckUpdate, UpdatesAvailable, "A new version is available."),
          ROW(CheckUpdate, CheckingUpdates, R"(Checking available updates.\nPlease wait...)"),
          ROW(CheckUpdate, ConnectionFailed,
              R"(Can not connect to the server.\nPlease try again in a few minutes.)"),
          ROW(CheckUpdate, GoToDownloadPage, "Go to the download page..."),
          ROW(CheckUpdate, btnDownload, "Download..."),
          ROW(CheckUpdate, CannotCheck,
              R"(Unable to retrieve version information.\nPlease try again in a few minutes.)"),
      });
}

#undef ROW

}  // namespace

void AppendWindowStrings(std::vector<AppStringEntry>& table) {
  AppendErrorsStrings(table);
  AppendFileInfoStrings(table);
  AppendOptionsStrings(table);
  AppendProgressStrings(table);
  AppendSmallWindowStrings(table);
}

}  // namespace zelmora
