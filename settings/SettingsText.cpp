#include "SettingsText.h"

#include <array>
#include <cmath>

#include <QLocale>

namespace settings {
namespace {

constexpr int kSignificantDigits = 7;
constexpr qsizetype kMaxPatternLength = 32;

QLocale WithoutGrouping(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

// The default locale first, then the C locale (see the header).
std::array<QLocale, 2> ReadingLocales() {
    return {WithoutGrouping(QLocale()), WithoutGrouping(QLocale::c())};
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
    // 'g' rounds to seven significant digits and drops trailing zeros.
    return WithoutGrouping(QLocale()).toString(static_cast<double>(value), 'g', kSignificantDigits);
}

std::optional<float> SingleFromText(QStringView text) {
    for (const QLocale& locale : ReadingLocales()) {
        bool ok = false;
        const float value = locale.toFloat(text, &ok); // ok is false on overflow
        if (ok && std::isfinite(value)) {
            return value;
        }
    }
    return std::nullopt;
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
    for (const QLocale& locale : ReadingLocales()) {
        bool ok = false;
        const double value = locale.toDouble(word, &ok);
        if (ok && std::isfinite(value)) {
            return value != 0.0;
        }
    }
    return std::nullopt;
}

bool IsValidFormatPattern(QStringView pattern) {
    if (pattern.size() > kMaxPatternLength || pattern.count(u'.') > 1) {
        return false;
    }
    for (const QChar c : pattern) {
        if (c != u'#' && c != u'0' && c != u'.') {
            return false;
        }
    }
    return true;
}

} // namespace settings
