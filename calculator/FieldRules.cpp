#include "FieldRules.h"

namespace calculator {

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

int DecimalsOf(QStringView pattern) {
    // indexOf is 0-based and -1 without a point, so this is the length
    // minus the 1-based position of the point (0 when there is none).
    return static_cast<int>(pattern.size() - (pattern.indexOf(u'.') + 1));
}

QString MoreDigits(const QString& pattern) {
    return DecimalsOf(pattern) < kMaxDecimals ? pattern + u'0' : pattern;
}

QString LessDigits(const QString& pattern) {
    return DecimalsOf(pattern) > 0 ? pattern.chopped(1) : pattern;
}

} // namespace calculator
