#pragma once

// Typed access to the settings table (SettingsKeys.h) through the store
// (SettingsStore.h) in the text forms of SettingsText.h.
//
// Every stored value is checked before use; one that fails its check falls
// back on its own key's default, and only that one:
// - "Units" and "PatmUnit": 0 or 1;
// - "Patm": above 0 psia and at most the highest pressure the window takes
//   (basPsychroFun::kMaxAtmosphericPressurePsia);
// - "Alt": within the altitude polynomial's range, kMinAltitudeFt to
//   kMaxAltitudeFt;
// - formats: IsValidFormatPattern;
// - flags: "True"/"False" in any case, or a number.
// The pressure and the altitude then have to agree: when they do not (one was
// edited by hand, or lost), the one "PatmUnit" says was entered is kept and
// the other derived from it by the engine, as the window does when the user
// types it. When the entered one is missing or refused, the other one decides.
//
// The calculator window reads everything in one read of the file
// (ReadWindowSettings) and writes everything in one write
// (WriteWindowSettings).

#include "settings/IniFormat.h"
#include "settings/SettingsKeys.h"

#include <array>
#include <optional>

#include <QString>

namespace settings {

bool ReadDisclaimerShow();

// Each returns whether the value was stored (see SaveSettings).
bool WriteKeepOnTop(bool keepOnTop);
// Called by the disclaimer prompt when it unloads.
bool WriteDisclaimerShow(bool show);

std::array<QString, kFieldCount> DefaultFieldFormats();

// Everything the calculator window keeps from one run to the next.
struct WindowSettings {
    int units = kDefaultUnits;       // 0 IP, 1 SI
    int patmUnit = kDefaultPatmUnit; // 0 pressure entered, 1 altitude entered
    float patm = kDefaultPatm;       // psia
    float alt = kDefaultAlt;         // ft
    std::array<QString, kFieldCount> fieldFormats = DefaultFieldFormats();
    bool keepOnTop = kDefaultKeepOnTop;
    // Written with the others at every unload, so that it survives a file
    // deleted or damaged during the run; the window does not read it.
    bool disclaimerShow = kDefaultDisclaimerShow;
    // "Language" as stored, blanks around it removed; nothing while the user
    // has never chosen, and then not written either.
    std::optional<QString> language;

    bool operator==(const WindowSettings&) const = default;
};

// The checked values of stored texts (see above).
WindowSettings WindowSettingsFrom(const StoredTexts& texts);
// WindowSettingsFrom the store's file.
WindowSettings ReadWindowSettings();
// Writes "Units", "PatmUnit", "Patm", "Alt", the fourteen formats,
// "KeepOnTop", "Disclaimer Show" and, when there is one, "Language" in one
// replacement of the file.
bool WriteWindowSettings(const WindowSettings& values);

} // namespace settings
