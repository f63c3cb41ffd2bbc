#include "settings/IniFormat.h"

#include "settings/SettingsKeys.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include <QStringDecoder>

namespace settings {
namespace {

int HexValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// The number written by `count` hex digits at `from`; nothing when there are
// fewer or one is no hex digit.
std::optional<char16_t> HexCode(QStringView text, qsizetype from, qsizetype count) {
    if (from + count > text.size()) {
        return std::nullopt;
    }
    unsigned code = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const int digit = HexValue(text[i].unicode());
        if (digit < 0) {
            return std::nullopt;
        }
        code = code * 16 + unsigned(digit);
    }
    return char16_t(code);
}

QString HexDigits(unsigned code, int width) {
    return QString::number(code, 16).toUpper().rightJustified(width, u'0');
}

std::optional<QString> UnescapedKey(QStringView text) {
    QString key;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\') {
            key += u'/';
        } else if (c == u'%') {
            const bool wide = i + 1 < text.size() && text[i + 1] == u'U';
            const qsizetype start = i + (wide ? 2 : 1);
            const qsizetype digits = wide ? 4 : 2;
            const std::optional<char16_t> code = HexCode(text, start, digits);
            if (!code) {
                return std::nullopt;
            }
            key += QChar(*code);
            i = start + digits - 1;
        } else {
            key += c;
        }
    }
    if (key.isEmpty()) {
        return std::nullopt;
    }
    return key;
}

QString EscapedKey(QStringView key) {
    QString text;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == u'/') {
            text += u'\\';
        } else if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                   (u >= u'0' && u <= u'9') || u == u'_' || u == u'-' || u == u'.') {
            text += c;
        } else if (u <= 0xff) {
            text += u'%' + HexDigits(u, 2);
        } else {
            text += QStringLiteral("%U") + HexDigits(u, 4);
        }
    }
    return text;
}

// The character a C escape letter stands for; 0 for none.
char16_t EscapedCharacter(char16_t letter) {
    switch (letter) {
    case u'a':
        return u'\a';
    case u'b':
        return u'\b';
    case u'f':
        return u'\f';
    case u'n':
        return u'\n';
    case u'r':
        return u'\r';
    case u't':
        return u'\t';
    case u'v':
        return u'\v';
    case u'"':
    case u'?':
    case u'\'':
    case u'\\':
        return letter;
    default:
        return 0;
    }
}

// One escape after a backslash at `i`; moves `i` to its last character.
std::optional<char16_t> ReadEscape(QStringView raw, qsizetype& i) {
    if (++i >= raw.size()) {
        return std::nullopt;
    }
    const char16_t letter = raw[i].unicode();
    if (const char16_t c = EscapedCharacter(letter); c != 0) {
        return c;
    }
    const bool hex = letter == u'x';
    const int base = hex ? 16 : 8;
    const qsizetype maxDigits = hex ? 4 : 3;
    qsizetype from = hex ? i + 1 : i;
    unsigned code = 0;
    qsizetype digits = 0;
    for (; from < raw.size() && digits < maxDigits; ++from, ++digits) {
        const int digit = HexValue(raw[from].unicode());
        if (digit < 0 || digit >= base) {
            break;
        }
        code = code * unsigned(base) + unsigned(digit);
    }
    if (digits == 0) {
        return std::nullopt; // "\x" without digits, or an unknown letter
    }
    i = from - 1;
    return char16_t(code);
}

// The text of a value as it stands after the "=", blanks around it removed;
// nothing for a broken escape and for a typed value ("@Variant(...)").
std::optional<QString> UnescapedValue(QStringView raw) {
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'"') {
            continue; // quotes only keep blanks and commas together
        }
        if (c != u'\\') {
            text += c;
        } else if (const std::optional<char16_t> escaped = ReadEscape(raw, i)) {
            text += QChar(*escaped);
        } else {
            return std::nullopt;
        }
    }
    if (text.startsWith(u'@')) {
        if (!text.startsWith(u"@@")) {
            return std::nullopt;
        }
        text.remove(0, 1);
    }
    return text;
}

QString EscapedValue(const QString& value) {
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QString escaped;
    // "\x1" followed by "2" would read as "\x12": a hex digit right after a
    // hex escape is escaped too.
    bool afterHexEscape = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        const bool hexDigit = HexValue(u) >= 0;
        // A surrogate without its pair has no UTF-8 form: escaped, it comes
        // back as it was (a pair is written as its character).
        const bool pairStart =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (pairStart) {
            escaped += c;
            escaped += text[++i];
            afterHexEscape = false;
            continue;
        }
        if (u == u'\\' || u == u'"') {
            escaped += u'\\';
            escaped += c;
        } else if (u == u'\n') {
            escaped += u"\\n";
        } else if (u == u'\r') {
            escaped += u"\\r";
        } else if (u == u'\t') {
            escaped += u"\\t";
        } else if (u < 0x20 || u == 0x7f || c.isSurrogate() || (afterHexEscape && hexDigit)) {
            escaped += QStringLiteral("\\x") + QString::number(u, 16);
            afterHexEscape = true;
            continue;
        } else {
            escaped += c;
        }
        afterHexEscape = false;
    }
    const bool quoted =
        text.contains(u',') || text.contains(u';') || text.startsWith(u' ') || text.endsWith(u' ');
    return quoted ? u'"' + escaped + u'"' : escaped;
}

class Reader {
public:
    StoreContents contents;

    void readLine(QByteArrayView bytes) {
        const QByteArrayView trimmed = bytes.trimmed();
        if (trimmed.isEmpty()) {
            return;
        }
        // Judged before decoding: a comment may be in any encoding.
        if (trimmed.front() == ';' || trimmed.front() == '#') {
            contents.hasOtherText = true;
            return;
        }
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString line = utf8.decode(trimmed);
        if (utf8.hasError() || hasControlCharacter(line) || !readText(line)) {
            contents.hasOtherText = true;
        }
    }

private:
    static bool hasControlCharacter(QStringView line) {
        for (const QChar c : line) {
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f) {
                return true;
            }
        }
        return false;
    }

    // False for a line that is no section header of ours and no readable key
    // of section "Settings".
    bool readText(QStringView line) {
        if (line.startsWith(u'[')) {
            // A header that cannot be read ("[Settings" cut short, a broken
            // escape) names no section: it is skipped like any other
            // unreadable line, and the keys after it stay in the section
            // they were in.
            const std::optional<QString> name =
                line.size() >= 2 && line.endsWith(u']')
                    ? UnescapedKey(line.sliced(1, line.size() - 2).trimmed())
                    : std::nullopt;
            if (!name) {
                return false;
            }
            inSettings_ = *name == kSection;
            return inSettings_;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSettings_ || equals < 0) {
            return false;
        }
        const std::optional<QString> key = UnescapedKey(line.first(equals).trimmed());
        const std::optional<QString> value = UnescapedValue(line.sliced(equals + 1).trimmed());
        if (!key || !value) {
            return false;
        }
        contents.texts.insert(*key, *value);
        return true;
    }

    bool inSettings_ = false;
};

} // namespace

StoreContents ParseStoreText(QByteArrayView bytes) {
    if (bytes.startsWith("\xef\xbb\xbf")) {
        bytes = bytes.sliced(3); // a byte-order mark some editors write
    }
    Reader reader;
    // A line ends at "\n" or "\r" alike; the empty line a "\r\n" leaves between
    // them is blank. memchr finds the next of each, so that a file of
    // megabytes goes quickly in every build.
    const char* const end = bytes.data() + bytes.size();
    const auto next = [end](const char* from, char c) {
        const void* found = from < end ? std::memchr(from, c, std::size_t(end - from)) : nullptr;
        return found != nullptr ? static_cast<const char*>(found) : end;
    };
    const char* newline = next(bytes.data(), '\n');
    const char* carriageReturn = next(bytes.data(), '\r');
    for (const char* start = bytes.data();;) {
        if (newline < start) {
            newline = next(start, '\n');
        }
        if (carriageReturn < start) {
            carriageReturn = next(start, '\r');
        }
        const char* const lineEnd = std::min(newline, carriageReturn);
        reader.readLine(QByteArrayView(start, lineEnd));
        if (lineEnd == end) {
            break;
        }
        start = lineEnd + 1;
    }
    return std::move(reader.contents);
}

QByteArray ComposeStoreText(const StoredTexts& texts) {
    QString text = u'[' + EscapedKey(kSection) + QStringLiteral("]\n");
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        text += EscapedKey(it.key()) + u'=' + EscapedValue(it.value()) + u'\n';
    }
    return text.toUtf8();
}

} // namespace settings
