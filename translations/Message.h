#pragma once

// The Qt side of core/Translatable.h: a text or message of the Qt-free code
// in the language the program speaks, at the point where it is shown.

#include "core/Translatable.h"

#include <QLocale>
#include <QString>

namespace translations {

// The text in the language spoken (QCoreApplication::translate in its
// context); the English source where no catalogue has it.
QString Translated(const i18n::Text& text);

// The sentence in the language spoken with its arguments in place; numbers
// in the format of `numbers` (its group separator, decimal point and minus
// sign), their unit symbols as they are. In English with a number locale that
// writes "," and "." (C, en_US), exactly message.English().
QString Translated(const i18n::Message& message, const QLocale& numbers = QLocale());

// English digits ("65,000.5", "-609.6") in the format of `numbers`.
QString LocalNumber(QStringView digits, const QLocale& numbers);

} // namespace translations
