#include "Flags.h"

#include "SettingsValues.h"

namespace settings {

void ReadStartupFlags() {
    blnDisclaimerShow = ReadDisclaimerShow();
    blnKeepOnTop = ReadKeepOnTop();
}

} // namespace settings
