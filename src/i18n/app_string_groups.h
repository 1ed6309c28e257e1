#pragma once

#include <string>

namespace zelmora {

// The groups of interface strings, one plain record per window. A field is named
// after the control, action or column that shows it (or a plain word for messages
// and status words); that name is also its key in a language file, except for the
// two fields of Main marked below. Every field is a std::string and nothing else,
// which app_strings.cpp relies on to check that its table covers every field.

// Section "MAIN": the main window, its messages and status words.
struct TMainModuleStrings {
  std::string Auto;
  std::string AverageShort;
  std::string gbInterlacing;
  std::string cbInterlacing_Deinterlace;
  std::string cbInterlacing_KeepOriginal;
  std::string actShowCmdLine;
  std::string cbProfile_TheLastSessionSettings;
  std::string cbProfile_DefaultSettings;
  std::string lblProfile;
  std::string actLoadSelectedProfile;
  std::string mnuView;
  std::string dlgSaveProfile_Filter;
  std::string dlgOpenProfile_Filter;
  std::string dlgSaveFileList_Filter;
  std::string dlgOpenFileList_Filter;
  std::string dlgSaveBAT_Filter;
  std::string dlgOpen_Filter1;
  std::string dlgOpen_Filter2;
  std::string Custom;
  std::string mnuFile;
  std::string mnuFileList;
  std::string mnuEncoder;
  std::string mnuHelp;
  std::string colNo;
  std::string colFile;
  std::string colDirectory;
  std::string colSize;
  std::string colStatus;
  std::string colDuration;
  std::string colIcon;
  std::string colAudio;
  std::string colAudioCodec;
  std::string colAudioCodecID;
  std::string colAudioProfile;
  std::string colAudioBitrate;
  std::string colAudioChannels;
  std::string colAudioSampling;
  std::string colAudioStreamSize;
  std::string colVideo;
  std::string colVideoCodec;
  std::string colVideoCodecID;
  std::string colVideoProfile;
  std::string colVideoBitrate;
  std::string colVideoWidth;
  std::string colVideoHeight;
  std::string colVideoResolution;
  std::string colVideoDisplayAspect;
  std::string colVideoFPS;
  std::string colVideoScanType;
  std::string colVideoBpp;
  std::string colVideoStreamSize;
  std::string actConvert;
  std::string actExit;
  std::string actLoadProfile;
  std::string actSaveProfile;
  std::string actAddFiles;
  std::string actAddFolder;
  std::string actRemoveChecked;
  std::string actMinimizeToTray;
  std::string actShowMainWindow;
  std::string actLoadFileList;
  std::string actSaveFileList;
  std::string actCheckAll;
  std::string actUncheckAll;
  std::string actUncheckSelected;
  std::string actInvertSelection;
  std::string actCheckSelected;
  std::string actGoToHomePage;
  std::string actAbout;
  std::string actShowOptions;
  std::string actStayOnTop;
  std::string actBrowseOutDir;
  std::string actExploreOutDir;
  std::string actSaveBAT;
  std::string actSetDefaultEncoderSettings;
  std::string actShowHideFormErrors;
  std::string actShowHideFileInfo;
  std::string actClearFileList;
  std::string actShowHideBottomPanel;
  std::string actShowProgressWindow;
  std::string lblIfOutputExists;
  std::string lblAfterConversion;
  std::string gbOutputDir;
  std::string rbOutDirIsInDir;
  std::string cbAfterConversion_DoNothing;
  std::string cbAfterConversion_CloseApplication;
  std::string cbAfterConversion_CloseWindows;
  std::string cbOutputExists_Rename;
  std::string cbOutputExists_Overwrite;
  std::string cbOutputExists_Skip;
  std::string lblOutputFormatVideoSettings;
  std::string lblAudioSettings;
  std::string lblAdvancedSettings;
  std::string gbAviVideoOptions;
  std::string lblAviVideoThreads;
  std::string lblAviVideoCodec;
  std::string chAviVideo2Pass;
  std::string chAviVideoDontCopy;
  std::string lblAviVideoBitrate;
  std::string lblAviVideoFPS;
  std::string lblAviVideoAspect;
  std::string gbMPEGSettings;
  std::string lblMpgVideo;
  std::string lblMpegVersion;
  std::string chMpgVideo2Pass;
  std::string chMpgVideoDontCopy;
  std::string lblMpgVideoBitrate;
  std::string lblMpgVideoFPS;
  std::string gbAudioOptions;
  std::string lblAudioCodec;
  std::string lblAudioSampling;
  std::string lblAudioChannels;
  std::string chAudioDontCopy;
  std::string lblAudioBitrate;
  std::string gbResolution;
  std::string edResWidth;
  std::string edResHeight;
  std::string chVideoFourcc;
  std::string gbCropping;
  std::string edCropTop;
  std::string edCropBottom;
  std::string edCropLeft;
  std::string edCropRight;
  std::string btnAdd;
  std::string btnAddFolder;
  std::string btnRemove;
  std::string btnConvert;
  std::string btnOptions;
  std::string btnHomePage;
  std::string btnAbout;
  std::string btnFileInfo;
  std::string btnStayOnTop;
  std::string cbAviVideoCodec_HuffYUV;
  std::string cbAviVideoCodec_Copy;
  std::string cbAudioCodec_Copy;
  std::string lblAudioVolume;
  std::string gbFFmpegParams;
  std::string actExploreDirectory;
  std::string MpgUserSettings;
  std::string Error;
  std::string Errors;
  std::string Abort;
  std::string Aborted;
  std::string Close;
  std::string CantCreateDirectory;
  std::string Converting;
  std::string Done;
  std::string OK_Renamed;
  std::string Skipped;
  std::string OK_Overwritten;
  std::string PleaseWait;
  std::string Ready;
  std::string VideoBitrateMustBeInteger;
  std::string FPSMustBeFloat;
  std::string AudioBitrateMustBeInteger;
  std::string AudioSamplingMustBeInteger;
  std::string CommandLineInfo;
  std::string FFmpegNotExists;
  std::string gbAudioTrackNo;
  std::string FirstAudioTrack;
  std::string AudioLanguageUndefined;
  std::string AudioLanguage;
  std::string AudioChannels;
  std::string pnConversionSettings;
  std::string actToolsInfo;
  std::string actCheckUpdate;
  std::string mnuColumns;
  std::string chKeepDates;  // key "chKeepFileDates"
  std::string KeepDates;    // key "KeepFileDates"
  std::string chConvertColors;
  std::string chBrightness;
  std::string chSaturation;
  std::string chFlipHorizontal;
  std::string chFlipVertical;
  std::string chRotate;
  std::string chNegative;
};

// Section "Errors": the error-log window.
struct TErrorsModuleStrings {
  std::string Caption;
  std::string actClose;
  std::string actSaveLog;
  std::string actClearLog;
  std::string dlgSaveLogFilter;
};

// Section "FileInfo": the file-information window and its text report.
struct TFileInfoModuleStrings {
  std::string Caption;
  std::string lblDataStreams;
  std::string ColumnTitle_Stream;
  std::string ColumnTitle_Details;
  std::string gbGeneralInfo;
  std::string lblFileSize;
  std::string lblDuration;
  std::string lblFileName;
  std::string lblDirectory;
  std::string lblOverallBitrate;
  std::string lblFormat;
  std::string lblNumberOfDataStreams;
  std::string lblNumberOfVideoStreams;
  std::string lblNumberOfAudioStreams;
  std::string lblEncodedApplication;
  std::string gbVideoStream;
  std::string lblVideoCodec;
  std::string lblVideoProfile;
  std::string lblVideoBitrate;
  std::string lblResolution;
  std::string lblDisplayAspectRatio;
  std::string lblFPS;
  std::string lblScanType;
  std::string lblPixelFormat;
  std::string lblBitsPerPixel;
  std::string lblVideoFrames;
  std::string lblVideoStreamSize;
  std::string lblVideoEncodedLibrary;
  std::string lblVideoStreamIndex;
  std::string gbAudioStream;
  std::string lblAudioCodec;
  std::string lblAudioProfile;
  std::string lblAudioBitrate;
  std::string lblChannels;
  std::string lblSamplingRate;
  std::string lblBitsPerSample;
  std::string lblAudioFrames;
  std::string lblVideoDelay;
  std::string lblAudioLanguage;
  std::string lblAudioStreamSize;
  std::string lblAudioEncodedLibrary;
  std::string lblAudioStreamIndex;
  std::string actClose;
  std::string actSave;
  std::string actCopy;
  std::string btnCopy;
  std::string dlgSaveFilter;
  std::string Report_Info;
  std::string Report_File;
  std::string Report_GeneralInfo;
  std::string Report_FirstVideoStream;
  std::string Report_VideoStream;
  std::string Report_FirstAudioStream;
  std::string Report_AudioStream;
  std::string Report_DataStreams;
  std::string Report_DataStream;
  std::string ScanType_Interlaced;
  std::string ScanType_Progressive;
};

// Section "Options": the options window.
struct TOptionsModuleStrings {
  std::string Caption;
  std::string gbShortcuts;
  std::string chShortcutDesktop;
  std::string chShortcutStartMenu;
  std::string gbLanguage;
  std::string pnFileList;
  std::string lblFileListFontName;
  std::string lblFileListFontSize;
  std::string lblFileListRowHeight;
  std::string chFileListAllowRowMoving;
  std::string chFileListAllowColumnMoving;
  std::string chFileListGridLines;
  std::string chFileListFooter;
  std::string chFileListRowIndicator;
  std::string chFileListIconClickOpen;
  std::string lblDefaultVideoCodec;
  std::string btnCreateShortcutOnDesktop;
  std::string lblFileAnalysis;
  std::string FileAnalysis_Full;
  std::string FileAnalysis_Quick;
  std::string FileAnalysis_None;
};

// Section "Progress": the progress window.
struct TProgressModuleStrings {
  std::string Caption;
  std::string lblEncoderOutput;
  std::string lblStatus;
  std::string lblInputFile;
  std::string lblOutputFile;
  std::string lblProgress;
  std::string btnAbort;
  std::string chHideEncoderOutput;
  std::string ConvertingFile;
  std::string Conversion_Pass;
  std::string Conversion_Speed;
  std::string Conversion_FramesPerSecond;
  std::string Conversion_Frame;
  std::string Conversion_Complete;
  std::string chCloseAfterConversion;
};

// Section "About": the about window.
struct TAboutModuleStrings {
  std::string Caption;
  std::string Donation;
};

// Section "ToolsInfo": the tool-information window.
struct TToolsInfoModuleStrings {
  std::string Caption;
  std::string actClose;
};

// Section "CheckUpdate": the update-check window.
struct TCheckUpdateModuleStrings {
  std::string Caption;
  std::string actClose;
  std::string lblUserVersion;
  std::string lblLatestVersion;
  std::string CheckNow;
  std::string NoUpdates;
  std::string UpdatesAvailable;
  std::string CheckingUpdates;
  std::string ConnectionFailed;
  std::string GoToDownloadPage;
  std::string btnDownload;
  std::string CannotCheck;
};

}  // namespace zelmora
