#include "settings/SettingsValues.h"

#include "core/DefaultFormats.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsText.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace settings {
namespace {

namespace psy = basPsychroFun;

// A stored pressure and altitude agree when the altitude's pressure lies this
// close to the stored one (psia): about 2 ft, well below the 0.01 psia the
// pressure field shows, and far above what rounding a stored text leaves.
constexpr double kAgreementPsia = 0.001;

std::optional<QString> Stored(const StoredTexts& texts, QStringView key) {
    const auto it = texts.constFind(key.toString());
    return it == texts.cend() ? std::nullopt : std::optional<QString>(*it);
}

// "Units" and "PatmUnit" select one of two option buttons.
int ReadChoice(const StoredTexts& texts, QStringView key, int fallback) {
    const std::optional<QString> text = Stored(texts, key);
    // value_or rather than a test and *value: GCC 12 at -Os takes the latter
    // for a read of an empty optional (-Wmaybe-uninitialized).
    const int value = (text ? IntegerFromText(*text) : std::nullopt).value_or(-1);
    return value == 0 || value == 1 ? value : fallback;
}

bool ReadBoolean(const StoredTexts& texts, QStringView key, bool fallback) {
    const std::optional<QString> text = Stored(texts, key);
    return (text ? BooleanFromText(*text) : std::nullopt).value_or(fallback);
}

// The limits in single precision, as the values are held: the float nearest
// to 146.96 psia lies a little above the double.
bool IsUsablePressure(float psia) {
    return psia > 0.0f && psia <= static_cast<float>(psy::kMaxAtmosphericPressurePsia);
}

bool IsUsableAltitude(float ft) {
    return ft >= static_cast<float>(psy::kMinAltitudeFt) &&
           ft <= static_cast<float>(psy::kMaxAltitudeFt);
}

// The stored number under `key` when it passes `usable`.
std::optional<float> ReadChecked(const StoredTexts& texts, QStringView key, bool (*usable)(float)) {
    const std::optional<QString> text = Stored(texts, key);
    const std::optional<float> value = text ? SingleFromText(*text) : std::nullopt;
    return value && usable(*value) ? value : std::nullopt;
}

// An engine relation applied as the window applies it (inch-pound units,
// the result in single precision); nothing when it faults or its result
// fails `usable`.
std::optional<float> Derived(double (*relation)(double, std::string_view), float value,
                             bool (*usable)(float)) {
    try {
        const auto result = static_cast<float>(relation(value, "IP"));
        return usable(result) ? std::optional<float>(result) : std::nullopt;
    } catch (const psy::FloatingPointFault&) {
        return std::nullopt;
    }
}

// The pressure (psia) at an altitude (ft).
std::optional<float> PressureAt(float ft) {
    return Derived(&psy::PressureFromAltitude, ft, IsUsablePressure);
}

// The altitude (ft) of a pressure (psia); nothing for a pressure beyond the
// altitude polynomial's range.
std::optional<float> AltitudeOf(float psia) {
    return Derived(&psy::AltitudeFromPressure, psia, IsUsableAltitude);
}

bool Agree(float psia, float ft) {
    const std::optional<float> atAltitude = PressureAt(ft);
    return atAltitude && std::fabs(static_cast<double>(*atAltitude - psia)) <= kAgreementPsia;
}

// `patm` and `alt` are the stored values that passed their checks.
void ReconcilePressureAndAltitude(WindowSettings& values, std::optional<float> patm,
                                  std::optional<float> alt) {
    values.patm = patm.value_or(kDefaultPatm);
    values.alt = alt.value_or(kDefaultAlt);
    if (patm && alt && Agree(*patm, *alt)) {
        return;
    }
    const bool altitudeDecides = values.patmUnit == 1 ? alt.has_value() : !patm && alt;
    if (altitudeDecides) {
        values.patm = PressureAt(values.alt).value_or(values.patm);
    } else if (patm) {
        // A pressure beyond the altitude range keeps the altitude as it was.
        values.alt = AltitudeOf(values.patm).value_or(values.alt);
    }
}

} // namespace

bool ReadDisclaimerShow() {
    return ReadBoolean(ReadStoredTexts(), kDisclaimerShow, kDefaultDisclaimerShow);
}

bool WriteKeepOnTop(bool keepOnTop) {
    return SaveSetting(kKeepOnTop, BooleanText(keepOnTop));
}
bool WriteDisclaimerShow(bool show) {
    return SaveSetting(kDisclaimerShow, BooleanText(show));
}

std::array<QString, kFieldCount> DefaultFieldFormats() {
    std::array<QString, kFieldCount> formats;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        const std::string_view pattern = calculator::kDefaultFormats[i];
        formats[i] = QString::fromLatin1(pattern.data(), static_cast<qsizetype>(pattern.size()));
    }
    return formats;
}

WindowSettings WindowSettingsFrom(const StoredTexts& texts) {
    WindowSettings values;
    values.units = ReadChoice(texts, kUnits, kDefaultUnits);
    values.patmUnit = ReadChoice(texts, kPatmUnit, kDefaultPatmUnit);
    ReconcilePressureAndAltitude(values, ReadChecked(texts, kPatm, IsUsablePressure),
                                 ReadChecked(texts, kAlt, IsUsableAltitude));
    for (std::size_t i = 0; i < kFormatKeys.size(); ++i) {
        const std::optional<QString> pattern = Stored(texts, kFormatKeys[i]);
        if (pattern && IsValidFormatPattern(*pattern)) {
            values.fieldFormats[i] = *pattern;
        }
    }
    values.keepOnTop = ReadBoolean(texts, kKeepOnTop, kDefaultKeepOnTop);
    values.disclaimerShow = ReadBoolean(texts, kDisclaimerShow, kDefaultDisclaimerShow);
    if (const std::optional<QString> language = Stored(texts, kLanguage))
        values.language = language->trimmed();
    return values;
}

WindowSettings ReadWindowSettings() {
    return WindowSettingsFrom(ReadStoredTexts());
}

bool WriteWindowSettings(const WindowSettings& values) {
    std::vector<SettingEntry> entries{
        {kUnits.toString(), IntegerText(values.units)},
        {kPatmUnit.toString(), IntegerText(values.patmUnit)},
        {kPatm.toString(), SingleText(values.patm)},
        {kAlt.toString(), SingleText(values.alt)},
    };
    for (std::size_t i = 0; i < kFormatKeys.size(); ++i) {
        entries.push_back({kFormatKeys[i].toString(), values.fieldFormats[i]});
    }
    entries.push_back({kKeepOnTop.toString(), BooleanText(values.keepOnTop)});
    entries.push_back({kDisclaimerShow.toString(), BooleanText(values.disclaimerShow)});
    if (values.language)
        entries.push_back({kLanguage.toString(), *values.language});
    return SaveSettings(entries);
}

} // namespace settings
