#include "calculator/TypedText.h"

#include "units/text/NumberText.h"

namespace calculator {

Entry ReadEntry(QStringView text, int field, int position) {
    const bool blank = text.trimmed().isEmpty();
    return EntryOf(blank ? std::nullopt : basConversions::ReadNumber(text), blank, field, position);
}

bool KeyAllowed(QStringView text, QChar key) {
    constexpr char16_t kBackspace = 8;
    switch (key.unicode()) {
    case u'.':
    case u',':
    case u'-':
        return !text.contains(key);
    case kBackspace:
        return true;
    default:
        return key >= u'0' && key <= u'9';
    }
}

QString FormatNumber(double value, QStringView pattern, const QLocale& locale) {
    return QString::fromStdString(calculator::FormatNumber(value, pattern.toString().toStdString(),
                                                           locale.decimalPoint().toStdString()));
}

QString MoreDigits(const QString& pattern) {
    return QString::fromStdString(MoreDigits(pattern.toStdString()));
}

QString LessDigits(const QString& pattern) {
    return QString::fromStdString(LessDigits(pattern.toStdString()));
}

} // namespace calculator
