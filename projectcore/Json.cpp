#include "projectcore/Json.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace project::json {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The code unit of the escape "\uXXXX" at `at` (the backslash), or -1.
long escapedUnit(std::string_view text, std::size_t at) {
    if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u')
        return -1;
    long unit = 0;
    for (std::size_t i = at + 2; i < at + 6; ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

bool isHigh(long unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLow(long unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The text with what earlier versions read inside strings made JSON: a raw
// control character escaped, an escaped half of a surrogate pair replaced by
// the escape of U+0001; and a NUL outside strings made a byte the parser
// refuses. Nothing when there is none (the usual case): no copy.
std::optional<std::string> normalised(std::string_view text) {
    std::optional<std::string> out;
    std::size_t copied = 0; // text before this is in `out`
    const auto replace = [&](std::size_t from, std::size_t length, std::string_view by) {
        if (!out) {
            out.emplace();
            out->reserve(text.size() + 64);
        }
        out->append(text.substr(copied, from - copied));
        out->append(by);
        copied = from + length;
    };
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!inString) {
            // The parser would take a NUL for the end of the text and leave
            // what follows unread: make it the stray byte it is.
            if (c == '\0')
                replace(i, 1, "\x01");
            inString = c == '"';
            continue;
        }
        if (c == '"') {
            inString = false;
        } else if (c == '\\') {
            const long unit = escapedUnit(text, i);
            if (unit < 0) {
                ++i; // any other escape: the parser judges it
            } else if (isHigh(unit) && isLow(escapedUnit(text, i + 6))) {
                i += 11; // a whole pair
            } else if (isHigh(unit) || isLow(unit)) {
                replace(i, 6, "\\u0001");
                i += 5;
            } else {
                i += 5;
            }
        } else if (c < 0x20) {
            constexpr char kHex[] = "0123456789abcdef";
            const char escape[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
            replace(i, 1, std::string_view(escape, sizeof escape));
        }
    }
    if (out)
        out->append(text.substr(copied));
    return out;
}

// Builds the document from the parser's events, refusing a nesting deeper
// than kMaxDepth and numbers a double does not hold.
class Builder {
public:
    bool null() { return add(Value()); }
    bool boolean(bool v) { return add(Value(v)); }
    bool number_integer(Value::number_integer_t v) { return add(Value(v)); }
    bool number_unsigned(Value::number_unsigned_t v) { return add(Value(v)); }
    bool number_float(Value::number_float_t v, const Value::string_t& text) {
        // Beyond a double, or below its least value yet not zero: earlier
        // versions refused such a number, and so does this one.
        if (!std::isfinite(v) || (v == 0.0 && hasNonZeroMantissa(text)))
            return fail("illegal number");
        return add(Value(v));
    }
    bool string(Value::string_t& v) { return add(Value(std::move(v))); }
    bool binary(Value::binary_t&) { return fail("illegal value"); }
    bool start_object(std::size_t) { return open(Value::object()); }
    bool key(Value::string_t& k) {
        key_ = std::move(k);
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Value::array()); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t, const std::string&, const Value::exception& e) {
        // 406: a number beyond the range of a double.
        constexpr int kNumberOverflow = 406;
        return fail(e.id == kNumberOverflow ? std::string("illegal number") : describe(e.what()));
    }

    [[nodiscard]] const std::optional<std::string>& error() const { return error_; }
    Value take() { return std::move(root_); }

private:
    static bool hasNonZeroMantissa(std::string_view text) {
        for (const char c : text) {
            if (c == 'e' || c == 'E')
                break;
            if (c >= '1' && c <= '9')
                return true;
        }
        return false;
    }

    // The parser's message without its prefix and without the text it last
    // read (which may be long, or not UTF-8): "syntax error while parsing
    // object - unexpected end of input; expected '}' (line 1, column 13)".
    static std::string describe(std::string_view what) {
        if (const std::size_t bracket = what.find("] "); bracket != std::string_view::npos)
            what.remove_prefix(bracket + 2);
        std::string where;
        constexpr std::string_view kAt = "parse error at ";
        if (what.starts_with(kAt)) {
            const std::size_t colon = what.find(": ");
            if (colon != std::string_view::npos) {
                where = std::string(what.substr(kAt.size(), colon - kAt.size()));
                what.remove_prefix(colon + 2);
            }
        }
        std::string text(what);
        constexpr std::string_view kLastRead = "; last read: '";
        if (const std::size_t from = text.find(kLastRead); from != std::string::npos) {
            const std::size_t expected = text.rfind("'; expected ");
            const std::size_t to =
                expected != std::string::npos && expected >= from + kLastRead.size() - 1
                    ? expected + 1
                    : text.size();
            text.erase(from, to - from);
        }
        if (!where.empty())
            text += " (" + where + ")";
        return text;
    }

    bool fail(std::string message) {
        if (!error_)
            error_ = std::move(message);
        return false;
    }

    // The new value in its place: the root, the next element of the array
    // being read, or the member of the object under the last key.
    Value* place(Value&& v) {
        if (stack_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        Value& parent = *stack_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(v));
            return &parent.back();
        }
        Value& member = parent[key_];
        member = std::move(v);
        return &member;
    }
    bool add(Value&& v) {
        place(std::move(v));
        return true;
    }
    bool open(Value&& container) {
        if (stack_.size() >= kMaxDepth)
            return fail("too deeply nested document");
        stack_.push_back(place(std::move(container)));
        return true;
    }
    bool close() {
        stack_.pop_back();
        return true;
    }

    Value root_;
    // The containers being read, outermost first. Only the innermost grows
    // while it is open, so the pointers to the others stay good.
    std::vector<Value*> stack_;
    Value::string_t key_;
    std::optional<std::string> error_;
};

} // namespace

std::variant<Value, std::string> Parse(std::string_view text) {
    const std::optional<std::string> lenient = normalised(text);
    const std::string_view input = lenient ? std::string_view(*lenient) : text;
    Builder builder;
    const bool parsed = Value::sax_parse(input.begin(), input.end(), &builder);
    if (!parsed || builder.error())
        return builder.error().value_or("illegal value");
    Value document = builder.take();
    // A document is an object or a list; a lone number or text is none.
    if (!document.is_object() && !document.is_array())
        return std::string("illegal value");
    return document;
}

std::string Write(const Value& document) {
    // Text that is not UTF-8 (which no check lets in) is written as U+FFFD
    // rather than refused: writing never fails.
    return document.dump(4, ' ', false, Value::error_handler_t::replace) + '\n';
}

} // namespace project::json
