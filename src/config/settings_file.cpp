#include "config/settings_file.h"

#include <algorithm>

#include "base/files.h"
#include "base/ini_document.h"
#include "base/paths.h"
#include "base/text.h"
#include "config/settings_columns.h"
#include "i18n/language_file.h"

namespace zelmora {

namespace {

constexpr std::string_view M = "MAIN";
constexpr std::string_view P = "PROGRESS";

const char* FileAnalysisWord(TFileAnalysis analysis) {
  switch (analysis) {
    case TFileAnalysis::faNone:
      return "None";
    case TFileAnalysis::faQuick:
      return "Quick";
    case TFileAnalysis::faFull:
      break;
  }
  return "Full";
}

TFileAnalysis FileAnalysisFromWord(std::string_view word) {
  const std::string upper = UpperCase(word);
  if (upper == "NONE") return TFileAnalysis::faNone;
  if (upper == "QUICK") return TFileAnalysis::faQuick;
  return TFileAnalysis::faFull;
}

const char* PageName(TOutputFormat format) {
  return format == TOutputFormat::ofMPG ? "MPG" : "AVI";
}

const char* DefaultVideoCodecName(int index) {
  return index == vcH264 ? "H.264" : "Xvid";
}

// Hand-edited only, so a mirror or a test server can stand in for the product's.
std::string UpdateUrlOf(const IniDocument& ini, const std::string& def) {
  const std::string url = ini.ReadString(M, "UpdateUrl", "");
  return url.empty() ? def : url;
}

// Hand-edited tool paths: each is taken only where it names something that
// exists, and the usual search fills in what is missing.
void ReadToolPaths(const IniDocument& ini, TAppParams& params, const TToolSearch& search) {
  params.MediaInfoDll = ExpandFileName(ini.ReadString(M, "MediaInfoDll", params.MediaInfoDll));
  if (!FileExists(params.MediaInfoDll)) FindMediaInfoDll(params, search);
  const std::string tools =
      NormalizeDir(ExpandFileName(ini.ReadString(M, "ToolsDir", params.ToolsDir)));
  if (DirectoryExists(tools)) params.ToolsDir = tools;
}

void ReadFfmpegPath(const IniDocument& ini, TAppParams& params, const TToolSearch& search) {
  std::string ffmpeg = ini.ReadString(M, "ffmpeg", params.ffmpeg);
  if (!FileExists(ffmpeg)) ffmpeg = ExpandFileName("ffmpeg");
  params.ffmpeg = ExpandFileName(ffmpeg);
  if (!FileExists(params.ffmpeg)) FindFFmpeg(params, search);
}

void ReadLanguage(const IniDocument& ini, AppContext& context) {
  TAppParams& params = context.AppParams;
  params.LanguageIni = ini.ReadString(M, "LanguageIni", params.LanguageIni);
  context.Strings.SetEN();
  if (!params.LanguageIni.empty()) {
    LoadFromFile(context.Strings, JoinPath(params.LangDir, params.LanguageIni));
  }
}

// A window that would open beyond the primary screen is brought back to its edge.
void ReadWindowPlace(const IniDocument& ini, TSettingsRecord& s, const TScreenSize& screen) {
  s.Left = ini.ReadInteger(M, "Left", s.Left);
  if (s.Left > screen.Width) s.Left = 0;
  if (s.Left < -screen.Width) s.Left = 0;
  s.Top = ini.ReadInteger(M, "Top", s.Top);
  if (s.Top < 0) s.Top = 0;
  if (s.Top > screen.Height) s.Top = 0;
  s.Width = std::max(ini.ReadInteger(M, "Width", s.Width), MinMainWindowWidth);
  s.Height = std::max(ini.ReadInteger(M, "Height", s.Height), MinMainWindowHeight);
  s.Maximized = ini.ReadBool(M, "Maximized", s.Maximized);
}

void ReadOutputOptions(const IniDocument& ini, OutputOptions& out) {
  out.OutputExists = ini.ReadInteger(M, "cbOutputExists", out.OutputExists);
  out.AfterConversion = ini.ReadInteger(M, "cbAfterConversion", out.AfterConversion);
  out.OutIn = ini.ReadBool(M, "OutIn", out.OutIn);
  out.OutDir = ini.ReadString(M, "OutDir", out.OutDir);
  out.KeepFileDates = ini.ReadBool(M, "KeepFileDates", out.KeepFileDates);
}

void ReadFileListLook(const IniDocument& ini, TSettingsRecord& s) {
  s.RowHeight = std::clamp(ini.ReadInteger(M, "RowHeight", s.RowHeight), 12, 50);
  s.ListFontName = ini.ReadString(M, "ListFontName", s.ListFontName);
  s.ListFontSize = std::clamp(ini.ReadInteger(M, "ListFontSize", s.ListFontSize), 6, 20);
  s.HeaderHeight = HeaderHeightForFontSize(s.ListFontSize);
  s.GridLines = ini.ReadBool(M, "GridLines", s.GridLines);
  s.RowIndicator = ini.ReadBool(M, "RowIndicator", s.RowIndicator);
  s.GridFooter = ini.ReadBool(M, "GridFooter", s.GridFooter);
  s.AllowRowMoving = ini.ReadBool(M, "AllowRowMoving", s.AllowRowMoving);
  s.AllowColumnMoving = ini.ReadBool(M, "AllowColumnMoving", s.AllowColumnMoving);
}

// The keys up to the window state, in the order the program has always read them.
void ReadStartOfMain(const IniDocument& ini, AppContext& context, TSettingsRecord& s,
                     const TScreenSize& screen, const TToolSearch& search) {
  s.EscExit = ini.ReadBool(M, "EscExit", s.EscExit);
  s.UpdateUrl = UpdateUrlOf(ini, s.UpdateUrl);
  ReadToolPaths(ini, context.AppParams, search);
  ReadLanguage(ini, context);
  ReadFfmpegPath(ini, context.AppParams, search);
  s.OutputFormat = UpperCase(ini.ReadString(M, "OutputFormat", PageName(s.OutputFormat))) == "MPG"
                       ? TOutputFormat::ofMPG
                       : TOutputFormat::ofAVI;
  ReadWindowPlace(ini, s, screen);
  ReadOutputOptions(ini, s.Output);
}

void ReadRestOfMain(const IniDocument& ini, AppContext& context, TSettingsRecord& s) {
  TAppParams& params = context.AppParams;
  params.FileAnalysis = FileAnalysisFromWord(
      ini.ReadString(M, "FileAnalysis", FileAnalysisWord(params.FileAnalysis)));
  ReadColumnKeys(ini, s);
  ReadFileListLook(ini, s);
  const std::string lastDir = ini.ReadString(M, "LastDir", params.LastDir);
  if (!lastDir.empty() && DirectoryExists(lastDir)) params.LastDir = lastDir;
  s.ConversionSettingsExpanded =
      ini.ReadBool(M, "pnConversionSettingsExpanded", s.ConversionSettingsExpanded);
  params.OpenFileAfterIconClick =
      ini.ReadBool(M, "OpenFileAfterIconClick", params.OpenFileAfterIconClick);
  context.DefaultVideoCodecIndex = DefaultVideoCodecIndexFromName(ini.ReadString(
      M, "DefaultVideoCodec", DefaultVideoCodecName(context.DefaultVideoCodecIndex)));
  params.DragAcceptDirectories =
      ini.ReadBool(M, "DragAcceptDirectories", params.DragAcceptDirectories);
}

void WriteMain(IniDocument& ini, const AppContext& context, const TSettingsRecord& s) {
  const TAppParams& params = context.AppParams;
  ini.WriteString(M, "LanguageIni", params.LanguageIni);
  ini.WriteBool(M, "Maximized", s.Maximized);
  if (!s.Maximized) {  // the last normal place is what a restored window returns to
    ini.WriteInteger(M, "Left", s.Left);
    ini.WriteInteger(M, "Top", s.Top);
    ini.WriteInteger(M, "Width", s.Width);
    ini.WriteInteger(M, "Height", s.Height);
  }
  ini.WriteInteger(M, "cbOutputExists", s.Output.OutputExists);
  ini.WriteInteger(M, "cbAfterConversion", s.Output.AfterConversion);
  ini.WriteBool(M, "OutIn", s.Output.OutIn);
  ini.WriteString(M, "OutDir", s.Output.OutDir);
  ini.WriteBool(M, "KeepFileDates", s.Output.KeepFileDates);
  ini.WriteBool(M, "GridLines", s.GridLines);
  ini.WriteBool(M, "RowIndicator", s.RowIndicator);
  ini.WriteBool(M, "GridFooter", s.GridFooter);
  ini.WriteInteger(M, "RowHeight", s.RowHeight);
  ini.WriteBool(M, "AllowRowMoving", s.AllowRowMoving);
  ini.WriteBool(M, "AllowColumnMoving", s.AllowColumnMoving);
  ini.WriteString(M, "ListFontName", s.ListFontName);
  ini.WriteInteger(M, "ListFontSize", s.ListFontSize);
  ini.WriteString(M, "FileAnalysis", FileAnalysisWord(params.FileAnalysis));
  ini.WriteBool(M, "pnConversionSettingsExpanded", s.ConversionSettingsExpanded);
  ini.WriteBool(M, "OpenFileAfterIconClick", params.OpenFileAfterIconClick);
  ini.WriteString(M, "DefaultVideoCodec", DefaultVideoCodecName(context.DefaultVideoCodecIndex));
  ini.WriteString(M, "OutputFormat", PageName(s.OutputFormat));
  ini.WriteString(M, "LastDir", params.LastDir);
  ini.WriteBool(M, "DragAcceptDirectories", params.DragAcceptDirectories);
  WriteColumnKeys(ini, s);
}

void WriteProgress(IniDocument& ini, const AppContext& context, const TSettingsRecord& s) {
  ini.WriteBool(P, "DontShowEncoderOutput", s.DontShowEncoderOutput);
  ini.WriteInteger(P, "Left", s.ProgressLeft);
  ini.WriteInteger(P, "Top", s.ProgressTop);
  ini.WriteInteger(P, "Width", s.ProgressWidth);
  ini.WriteInteger(P, "Height", s.ProgressHeight);
  ini.WriteBool(P, "CloseAfterConversion", s.CloseAfterConversion);
  ini.WriteBool(P, "AutoScrollMemoToBottom", context.AppParams.ScrollProgressToBottom);
}

// The settings file, or nothing when it is missing or unreadable.
bool OpenIni(const std::string& iniName, IniDocument& ini) {
  return FileExists(iniName) && ini.LoadFromFile(iniName).ok();
}

}  // namespace

int HeaderHeightForFontSize(int fontSize) {
  return fontSize >= 14 ? 34 : 22;
}

bool CheckIniFile(const std::string& iniName) {
  IniDocument ini;
  if (!OpenIni(iniName, ini)) return true;
  return ini.ReadBool(M, "Left", true);
}

std::string ReadStoredLanguageIni(const std::string& iniName) {
  IniDocument ini;
  if (!OpenIni(iniName, ini)) return {};
  return ini.ReadString(M, "LanguageIni", "");
}

bool LoadSettingsFromIni(const std::string& iniName, AppContext& context, TSettingsRecord& settings,
                         const TScreenSize& screen, const TToolSearch& search) {
  IniDocument ini;
  if (!OpenIni(iniName, ini)) return false;
  ReadStartOfMain(ini, context, settings, screen, search);
  ReadRestOfMain(ini, context, settings);
  return true;
}

void SaveSettingsToIni(const std::string& iniName, const AppContext& context,
                       const TSettingsRecord& settings) {
  IniDocument ini;
  // Rewriting a file we could not read would lose its hand-edited keys.
  if (FileExists(iniName) && !ini.LoadFromFile(iniName)) return;
  WriteMain(ini, context, settings);
  if (settings.HasProgressWindow) WriteProgress(ini, context, settings);
  // An installed program's settings folder may not exist yet; a portable
  // one writes beside itself or nowhere.
  const TAppParams& params = context.AppParams;
  if (params.Installed && !DirectoryExists(params.ConfigDir))
    (void)CreateDirectories(params.ConfigDir);
  ini.SaveToFile(iniName);  // a failure keeps the previous file; nothing to tell the user
}

OutputOptions LoadCliSettings(const std::string& iniName, AppContext& context,
                              const TToolSearch& search) {
  TSettingsRecord settings;
  LoadSettingsFromIni(iniName, context, settings, TScreenSize{}, search);
  return settings.Output;
}

std::string ReadUpdateUrl(const std::string& iniName) {
  IniDocument ini;
  const std::string product = web::kUpdateEndpoint;
  return OpenIni(iniName, ini) ? UpdateUrlOf(ini, product) : product;
}

void LoadProgressSettings(const std::string& iniName, TSettingsRecord& settings,
                          TAppParams& params) {
  IniDocument ini;
  if (!OpenIni(iniName, ini)) return;
  settings.DontShowEncoderOutput =
      ini.ReadBool(P, "DontShowEncoderOutput", settings.DontShowEncoderOutput);
  settings.ProgressWidth = ini.ReadInteger(P, "Width", settings.ProgressWidth);
  settings.ProgressHeight = ini.ReadInteger(P, "Height", settings.ProgressHeight);
  settings.CloseAfterConversion =
      ini.ReadBool(P, "CloseAfterConversion", settings.CloseAfterConversion);
  params.ScrollProgressToBottom =
      ini.ReadBool(P, "AutoScrollMemoToBottom", params.ScrollProgressToBottom);
}

}  // namespace zelmora
