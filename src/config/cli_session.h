#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "config/cli_conversion_args.h"
#include "core/app_context.h"
#include "core/encoder_settings.h"
#include "core/message_view.h"
#include "core/output_options.h"
#include "core/row_source.h"
#include "process/console_runner.h"
#include "process/encoder_list.h"

namespace zelmora {

// Everything a converting zelmora-cli subcommand works with: the program's
// values, the encoder settings (defaults, then the profile, then the
// options) and the output options (the settings file's, then the options).
struct CliSession {
  AppContext Context;
  EncoderSettings Settings;
  OutputOptions Options;
  std::vector<std::string> Resolutions;
  ConsoleRunner Runner;
  EncoderListCache Encoders{Runner};
};

// Sets the session up from the arguments; 0, or the exit status after the
// message has gone to err.
int PrepareCliSession(const TCliConversionArgs& args, CliSession& session, std::ostream& err);

// The files to work on, list files read in their place; absolute paths.
// 0, or the exit status after the message has gone to err (a missing file
// or an unreadable list is refused before anything is converted).
int CollectCliInputs(const TCliConversionArgs& args, std::vector<std::string>& files,
                     std::ostream& err);

// Messages of the engine (a refused bitrate, ffmpeg missing) on stderr.
class StreamMessageView : public MessageView {
public:
  explicit StreamMessageView(std::ostream& err) : m_err(err) {}
  void ShowWarning(const std::string& text) override;

private:
  std::ostream& m_err;
};

// Files given on the command line, every one checked.
class CliRows : public RowSource {
public:
  explicit CliRows(std::vector<std::string> files) : m_files(std::move(files)) {
    m_statuses.resize(m_files.size());
  }
  int RowCount() const override { return static_cast<int>(m_files.size()); }
  bool IsRowChecked(int row) const override { return row >= 0 && row < RowCount(); }
  std::string RowFullFileName(int row) const override {
    return IsRowChecked(row) ? m_files[static_cast<size_t>(row)] : std::string();
  }
  void SetRowStatus(int row, const std::string& text, std::optional<TColor>) override {
    if (IsRowChecked(row)) m_statuses[static_cast<size_t>(row)] = text;
  }
  const std::vector<std::string>& Statuses() const { return m_statuses; }

private:
  std::vector<std::string> m_files;
  std::vector<std::string> m_statuses;
};

// "zelmora-cli: " + text, with line ends of the interface strings made plain.
std::string CliMessage(const std::string& text);

}  // namespace zelmora

namespace zelmora {

// Parses the subcommand's arguments. Prints the help (exit status 0) or the
// usage error (status 2) itself; returns the status to exit with then, or
// none to go on.
std::optional<int> ParseCliSubcommand(TCliSubcommand subcommand, const std::string& name,
                                      const std::vector<std::string>& args,
                                      TCliConversionArgs& parsed, std::ostream& out,
                                      std::ostream& err);

}  // namespace zelmora
