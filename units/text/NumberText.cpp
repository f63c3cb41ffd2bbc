#include "units/text/NumberText.h"

#include <cmath>

#include <QLocale>

namespace basConversions {

std::optional<double> ReadNumber(QStringView text) {
    bool ok = false;
    // QLocale skips surrounding blanks itself and accepts the locale's digit
    // grouping when it is well placed. It reports an out-of-range value as not
    // ok, but reads "inf" and "nan" as numbers: those are no values to store.
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace basConversions
