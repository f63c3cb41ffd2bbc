#pragma once

// Text between the window's QString and the project's UTF-8.

#include <string>
#include <string_view>

#include <QString>

namespace project {

// The UTF-8 of the text. Half of a UTF-16 surrogate pair, which UTF-8 cannot
// hold, becomes its own three bytes rather than a replacement character, so
// that the project's checks of names still see it and refuse it.
std::string ToUtf8(const QString& text);

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace project
