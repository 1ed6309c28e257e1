#include "config/cli_session.h"

#include "base/files.h"
#include "base/paths.h"
#include "base/text.h"
#include "config/profile_file.h"
#include "config/settings_file.h"
#include "core/resolution_list.h"
#include "filelist/file_list_model.h"
#include "filelist/list_file.h"

namespace zelmora {

std::string CliMessage(const std::string& text) {
  return "zelmora-cli: " + ReplaceAll(text, "\r\n", "\n") + "\n";
}

void StreamMessageView::ShowWarning(const std::string& text) {
  m_err << CliMessage(text) << std::flush;
}

int PrepareCliSession(const TCliConversionArgs& args, CliSession& session, std::ostream& err) {
  AppContext& context = session.Context;
  TAppParams& params = context.AppParams;
  InitAppParams(params, AppDir());
  session.Options = LoadCliSettings(params.IniName, context, SystemToolSearch());
  // A headless run never closes or powers off anything, whatever the
  // window was set to do.
  session.Options.AfterConversion = acDoNothing;
  FindFFmpeg(params);
  FindMediaInfoDll(params);
  SetDefaultParams(session.Settings, context.DefaultVideoCodecIndex, context.Strings);
  if (!args.Profile.empty() && !LoadProfile(args.Profile, session.Settings, context.Strings,
                                            context.DefaultVideoCodecIndex)) {
    err << CliMessage("cannot read the profile '" + args.Profile + "'");
    return 2;
  }
  if (args.Format) session.Settings.OutputFormat = *args.Format;
  if (args.AudioTrack) session.Settings.Audio.AudioTrackNo = *args.AudioTrack;
  if (args.OutDir) {
    session.Options.OutIn = false;
    session.Options.OutDir = ExpandFileName(*args.OutDir);
  }
  if (args.IfExists) session.Options.OutputExists = *args.IfExists;
  if (args.KeepDates) session.Options.KeepFileDates = true;
  session.Resolutions = LoadResolutionList(params.ResolutionTxt);
  return 0;
}

namespace {

// The files a list file names, in its order (the list's own rules: only
// supported, existing files, each once).
Status ReadListFile(const std::string& listFile, std::vector<std::string>& files) {
  TAppParams params;
  TAppStrings strings;
  NullFileAnalyzer analyzer;
  FileListEvents events;
  FileListModel list(params, strings, analyzer, events);
  Status loaded = LoadFileList(list, listFile);
  if (!loaded) return loaded;
  for (int row = 0; row < list.RowCount(); ++row) files.push_back(list.RowFullFileName(row));
  return Status::Ok();
}

}  // namespace

int CollectCliInputs(const TCliConversionArgs& args, std::vector<std::string>& files,
                     std::ostream& err) {
  for (const TCliInput& input : args.Inputs) {
    const std::string path = ExpandFileName(input.Path);
    if (input.IsListFile) {
      const size_t before = files.size();
      Status read = ReadListFile(path, files);
      if (!read) {
        err << CliMessage("cannot read the list file '" + input.Path +
                          "': " + read.error().message);
        return 2;
      }
      // A damaged or foreign file reads as a list of nothing; say so rather
      // than end without a word.
      if (files.size() == before)
        err << CliMessage("the list file '" + input.Path + "' names no video file that exists");
    } else if (!FileExists(path)) {
      err << CliMessage("'" + input.Path + "' is not a file that can be read");
      return 2;
    } else {
      files.push_back(path);
    }
  }
  return 0;
}

}  // namespace zelmora

namespace zelmora {

std::optional<int> ParseCliSubcommand(TCliSubcommand subcommand, const std::string& name,
                                      const std::vector<std::string>& args,
                                      TCliConversionArgs& parsed, std::ostream& out,
                                      std::ostream& err) {
  parsed = ParseCliConversionArgs(subcommand, args);
  if (parsed.Help) {
    out << CliConversionHelp(subcommand);
    return 0;
  }
  if (parsed.Error.empty()) return std::nullopt;
  err << "zelmora-cli " << name << ": " << parsed.Error << "\n"
      << "Try 'zelmora-cli " << name << " --help' for more information.\n";
  return 2;
}

}  // namespace zelmora
