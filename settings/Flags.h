#pragma once

// The two process-wide flags of the program. Start-up fills them from the store
// before the calculator window is created; afterwards they change only in
// memory (the disclaimer prompt's check box, the keep-on-top menu item) and
// are written back by their owners (WriteDisclaimerShow, WriteWindowSettings).

#include "settings/SettingsKeys.h"

namespace settings {

// Whether the disclaimer prompt opens at start-up ("Disclaimer Show").
inline bool blnDisclaimerShow = kDefaultDisclaimerShow;
// Whether the calculator window stays on top of all others ("KeepOnTop").
inline bool blnKeepOnTop = kDefaultKeepOnTop;

// Reads both flags from the store, each falling back on its default.
void ReadStartupFlags();

} // namespace settings
