#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/update_check.h"

namespace zelmora {

inline constexpr int CheckUpdateUpToDateExitCode = 0;
inline constexpr int CheckUpdateAvailableExitCode = 10;
inline constexpr int CheckUpdateFailedExitCode = 1;

// The exit status of a finished check: 0 when nothing newer exists, 10 when
// an update is available, 1 when the check failed.
int CheckUpdateExitCode(TUpdateCheckState state);

// `zelmora-cli check-update [--url URL]`: asks the update address (the
// settings file's MAIN/UpdateUrl, or the product's) which version is the
// latest and prints the resulting message in the interface language.
int RunCliCheckUpdate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// The same with the request bounded by options (tests shorten the time-outs).
int RunCliCheckUpdate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                      const TDownloadOptions& options);

}  // namespace zelmora
