#include "config/update_check_messages.h"

namespace zelmora {

TUpdateCheckMessages UpdateCheckMessages(const TAppStrings& strings) {
  const TCheckUpdateModuleStrings& s = strings.CheckUpdate;
  return {ExpandMessageText(s.CheckingUpdates), ExpandMessageText(s.ConnectionFailed),
          ExpandMessageText(s.CannotCheck), ExpandMessageText(s.NoUpdates),
          ExpandMessageText(s.UpdatesAvailable)};
}

}  // namespace zelmora
