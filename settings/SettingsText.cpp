#include "settings/SettingsText.h"

#include "engine/Units.h"
#include "settings/SettingsKeys.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QLocale>

namespace settings {
namespace {

// Nine significant digits tell every float apart; six are enough for most.
constexpr int kFewestDigits = 6;
constexpr int kMostDigits = 9;
constexpr qsizetype kMaxPatternLength = 32;

QLocale Plain() {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

// The number in `text` with "." or "," as the decimal separator.
std::optional<double> PlainNumber(QStringView text) {
    QString number = text.trimmed().toString();
    number.replace(u',', u'.');
    bool ok = false;
    const double value = Plain().toDouble(number, &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

QString IntegerText(int value) {
    return QString::number(value);
}

std::optional<int> IntegerFromText(QStringView text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString SingleText(float value) {
    const QLocale c = Plain();
    QString text;
    for (int digits = kFewestDigits; digits <= kMostDigits; ++digits) {
        text = c.toString(static_cast<double>(value), 'g', digits);
        if (c.toFloat(text) == value) {
            break;
        }
    }
    return text;
}

std::optional<float> SingleFromText(QStringView text) {
    const std::optional<double> value = PlainNumber(text);
    if (!value) {
        return std::nullopt;
    }
    // Beyond the single-precision range, or so small that it would read as 0.
    const std::optional<float> single = basPsychroFun::units::ToSingle(*value);
    const double magnitude = std::fabs(*value);
    if (!single || (magnitude != 0.0 && magnitude < std::numeric_limits<float>::min())) {
        return std::nullopt;
    }
    return single;
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> BooleanFromText(QStringView text) {
    const QStringView word = text.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (word.compare(u"False", Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (const std::optional<double> number = PlainNumber(word)) {
        return *number != 0.0;
    }
    return std::nullopt;
}

bool IsValidFormatPattern(QStringView pattern) {
    const qsizetype point = pattern.indexOf(u'.');
    if (point < 0 || pattern.size() > kMaxPatternLength) {
        return false;
    }
    const QStringView integer = pattern.first(point);
    const QStringView decimals = pattern.sliced(point + 1);
    return std::all_of(integer.begin(), integer.end(),
                       [](QChar c) { return c == u'#' || c == u'0'; }) &&
           std::all_of(decimals.begin(), decimals.end(), [](QChar c) { return c == u'0'; }) &&
           decimals.size() <= kMaxFormatDecimals;
}

} // namespace settings
