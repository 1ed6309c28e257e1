#pragma once

#include "i18n/app_strings.h"
#include "tools/update_check.h"

namespace zelmora {

// The update check's messages of the current language, in display form.
TUpdateCheckMessages UpdateCheckMessages(const TAppStrings& strings);

}  // namespace zelmora
