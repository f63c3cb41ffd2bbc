#include "SettingsValues.h"

#include "SettingsStore.h"
#include "SettingsText.h"

#include <vector>

namespace settings {
namespace {

// "Units" and "PatmUnit" select one of two option buttons.
int ReadChoice(QStringView key, int fallback) {
    const std::optional<int> value = IntegerFromText(GetSetting(key, IntegerText(fallback)));
    return value && (*value == 0 || *value == 1) ? *value : fallback;
}

float ReadSingle(QStringView key, float fallback) {
    return SingleFromText(GetSetting(key, SingleText(fallback))).value_or(fallback);
}

bool ReadBoolean(QStringView key, bool fallback) {
    return BooleanFromText(GetSetting(key, BooleanText(fallback))).value_or(fallback);
}

bool IsField(int field) {
    return field >= 0 && field < kFieldCount;
}

} // namespace

int ReadUnits() {
    return ReadChoice(kUnits, kDefaultUnits);
}
int ReadPatmUnit() {
    return ReadChoice(kPatmUnit, kDefaultPatmUnit);
}
float ReadPatm() {
    return ReadSingle(kPatm, kDefaultPatm);
}
float ReadAlt() {
    return ReadSingle(kAlt, kDefaultAlt);
}
bool ReadKeepOnTop() {
    return ReadBoolean(kKeepOnTop, kDefaultKeepOnTop);
}
bool ReadDisclaimerShow() {
    return ReadBoolean(kDisclaimerShow, kDefaultDisclaimerShow);
}

QString ReadFieldFormat(int field) {
    if (!IsField(field)) {
        return {};
    }
    const QString fallback = kDefaultFormats[static_cast<std::size_t>(field)].toString();
    const QString pattern = GetSetting(kFormatKeys[static_cast<std::size_t>(field)], fallback);
    return IsValidFormatPattern(pattern) ? pattern : fallback;
}

bool WriteUnits(int units) {
    return SaveSetting(kUnits, IntegerText(units));
}
bool WritePatmUnit(int patmUnit) {
    return SaveSetting(kPatmUnit, IntegerText(patmUnit));
}
bool WritePatm(float patm) {
    return SaveSetting(kPatm, SingleText(patm));
}
bool WriteAlt(float alt) {
    return SaveSetting(kAlt, SingleText(alt));
}
bool WriteKeepOnTop(bool keepOnTop) {
    return SaveSetting(kKeepOnTop, BooleanText(keepOnTop));
}
bool WriteDisclaimerShow(bool show) {
    return SaveSetting(kDisclaimerShow, BooleanText(show));
}

bool WriteFieldFormat(int field, const QString& pattern) {
    return IsField(field) && SaveSetting(kFormatKeys[static_cast<std::size_t>(field)], pattern);
}

std::array<QString, kFieldCount> DefaultFieldFormats() {
    std::array<QString, kFieldCount> formats;
    for (std::size_t i = 0; i < formats.size(); ++i) {
        formats[i] = kDefaultFormats[i].toString();
    }
    return formats;
}

WindowSettings ReadWindowSettings() {
    WindowSettings values;
    values.units = ReadUnits();
    values.patmUnit = ReadPatmUnit();
    values.patm = ReadPatm();
    values.alt = ReadAlt();
    for (int field = 0; field < kFieldCount; ++field) {
        values.fieldFormats[static_cast<std::size_t>(field)] = ReadFieldFormat(field);
    }
    values.keepOnTop = ReadKeepOnTop();
    return values;
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
    return SaveSettings(entries);
}

} // namespace settings
