#pragma once

// Renders a field's number by its format pattern.
//
// A pattern is made of "#", "0" and at most one ".": the placeholders after
// the point give the number of decimals, rounded half away from zero; a "0"
// before the point forces a digit there, a "#" shows one only when it is
// significant, and the integer part is always shown in full. A negative value
// gets "-"; a pattern ending in "." shows the point without decimals. The
// point is shown as the locale's decimal separator. An empty pattern shows the
// number in its shortest general form.

#include <QLocale>
#include <QString>
#include <QStringView>

namespace calculator {

QString FormatNumber(double value, QStringView pattern, const QLocale& locale = QLocale());

} // namespace calculator
