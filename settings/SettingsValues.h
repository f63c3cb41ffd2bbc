#pragma once

// Typed access to the settings table (SettingsKeys.h) through the store
// (SettingsStore.h) in the text forms of SettingsText.h.
//
// Each reader falls back on its own key's default, and only that one, when the
// stored text is unusable: text that does not convert, a "Units" or
// "PatmUnit" other than 0 or 1, a pressure or altitude that is not a finite
// single-precision number, a format that IsValidFormatPattern refuses, a flag
// that is neither "True"/"False" nor a number. Every other key still loads as
// stored. A missing or damaged store gives every default.
//
// Each single writer replaces the file once; the calculator window's unload
// writes all its keys in one go with WriteWindowSettings.

#include "SettingsKeys.h"

#include <array>

#include <QString>

namespace settings {

int ReadUnits();    // 0 IP, 1 SI
int ReadPatmUnit(); // 0 pressure entered, 1 altitude entered
float ReadPatm();   // psia
float ReadAlt();    // ft
// The stored or default format of field 0..13; empty for any other index.
QString ReadFieldFormat(int field);
bool ReadKeepOnTop();
bool ReadDisclaimerShow();

// Each returns whether the value was stored (see SaveSettings).
bool WriteUnits(int units);
bool WritePatmUnit(int patmUnit);
bool WritePatm(float patm);
bool WriteAlt(float alt);
// Does nothing and returns false for a field outside 0..13.
bool WriteFieldFormat(int field, const QString& pattern);
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

    bool operator==(const WindowSettings&) const = default;
};

// The readers above, key by key.
WindowSettings ReadWindowSettings();
// Writes "Units", "PatmUnit", "Patm", "Alt", the fourteen formats and
// "KeepOnTop" in one atomic replacement of the file.
bool WriteWindowSettings(const WindowSettings& values);

} // namespace settings
