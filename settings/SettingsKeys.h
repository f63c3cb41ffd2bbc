#pragma once

// The table of the program's settings: every key of section "Settings" and the
// value each reader falls back on when the key is missing or unusable.

#include "core/FieldTable.h"
#include "engine/Units.h"

#include <array>

#include <QStringView>

namespace settings {

// The section that holds every key of the program.
inline constexpr QStringView kSection = u"Settings";

// Calculator window: unit system (0 IP, 1 SI) and pressure mode (0 pressure
// entered, 1 altitude entered).
inline constexpr QStringView kUnits = u"Units";
inline constexpr QStringView kPatmUnit = u"PatmUnit";
// Calculator window: last atmospheric pressure (psia) and altitude (ft).
inline constexpr QStringView kPatm = u"Patm";
inline constexpr QStringView kAlt = u"Alt";
// Start-up flags (Flags.h).
inline constexpr QStringView kKeepOnTop = u"KeepOnTop";
inline constexpr QStringView kDisclaimerShow = u"Disclaimer Show";
// The language of the interface, as chosen in View > Language: a language
// code ("de", "fr", "es", "zh_CN", "en") or "System" for the system's. Kept as
// text; translations::ChooseLanguage takes anything else for the system's.
// Missing until the user first chooses.
inline constexpr QStringView kLanguage = u"Language";
inline constexpr QStringView kLanguageSystem = u"System";

inline constexpr int kDefaultUnits = 0;
inline constexpr int kDefaultPatmUnit = 0;
inline constexpr float kDefaultPatm = static_cast<float>(
    basPsychroFun::units::kAtmospherePsia); // psia, standard atmosphere at sea level
inline constexpr float kDefaultAlt = 0.0f;  // ft
inline constexpr bool kDefaultKeepOnTop = false;
inline constexpr bool kDefaultDisclaimerShow = true;

// The display format of each calculator field, indexed by the field index.
using calculator::kFieldCount;

// The most decimals a format pattern may show: where More digits stops.
inline constexpr int kMaxFormatDecimals = 8;

inline constexpr std::array<QStringView, kFieldCount> kFormatKeys{
    u"DBFormat", u"WBFormat", u"RHFormat", u"HRFormat", u"ENFormat", u"DTFormat", u"VPFormat",
    u"DSFormat", u"SVFormat", u"MDFormat", u"AHFormat", u"APFormat", u"ALFormat", u"MCFormat",
};

// The default display formats are the compute core's
// (calculator::kDefaultFormats in core/DefaultFormats.h), shared with the
// command-line calculator.

} // namespace settings
