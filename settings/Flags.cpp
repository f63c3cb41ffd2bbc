#include "settings/Flags.h"

#include "settings/SettingsValues.h"

namespace settings {

void ReadStartupFlags() {
    const WindowSettings stored = ReadWindowSettings(); // one read of the file
    blnDisclaimerShow = stored.disclaimerShow;
    blnKeepOnTop = stored.keepOnTop;
}

} // namespace settings
