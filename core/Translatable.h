#pragma once

// Texts of the Qt-free code that the user reads, marked for translation.
//
// The plain C++ libraries (core, processes, weather, airhandler, the batch
// program's logic) link no Qt, so they cannot translate. They hand their
// English texts to the caller marked with VW_TRANSLATABLE, and the layer that
// shows them translates at the point of display:
//
//   - a fixed text: VW_TRANSLATABLE("Context", "English text") is an
//     i18n::Text; the window shows
//     QCoreApplication::translate(text.context, text.source)
//     (translations::Translated in translations/Message.h);
//   - a text with numbers or names in it: an i18n::Message, the English
//     sentence with %1, %2, ... where the pieces go, and the pieces beside
//     it. English() puts the pieces in for callers that stay in English (the
//     batch program's catalogue is looked up by the same source text); the
//     window translates the sentence first and writes the numbers in the
//     user's number format.
//
// lupdate reads VW_TRANSLATABLE as QT_TRANSLATE_NOOP (scripts/update-
// translations.sh passes -tr-function-alias), so every marked text lands in
// translations/*.ts with its context. Both arguments must be string literals.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace i18n {

// One English text and the context it is translated in.
struct Text {
    const char* context;
    const char* source;
};

// One piece of a message. A number keeps its English digits ("65,000",
// "-609.6": "," groups thousands, "." marks the decimals) and is written in
// the reader's number format where it is shown; its unit symbol, if any,
// follows it after a blank and is never translated. A marked piece (a
// component's name, a sentence of another library) is itself translated
// where it is shown; `text` holds its English. A sentence (a message of its
// own, with its own arguments: the detail of a refusal) is translated with
// its arguments where it is shown.
struct Message;
struct Argument {
    enum class Kind { Text, Number, Marked, Sentence };
    Kind kind = Kind::Text;
    std::string text;
    std::string unit;
    Text marked{};
    std::shared_ptr<const Message> sentence;

    static Argument Plain(std::string words) {
        return {Kind::Text, std::move(words), {}, {}, nullptr};
    }
    static Argument Number(std::string digits, std::string symbol = {}) {
        return {Kind::Number, std::move(digits), std::move(symbol), {}, nullptr};
    }
    static Argument Translatable(Text marked) {
        return {Kind::Marked,
                marked.source == nullptr ? std::string() : marked.source,
                {},
                marked,
                nullptr};
    }
    static Argument Nested(Message message);
    // The piece as the English text shows it: the number, a blank, the unit;
    // a sentence with its arguments.
    [[nodiscard]] std::string English() const;
};

// A sentence with %1 ... %9 where its arguments go, in one pass: an argument
// is never searched for placeholders itself, so a typed "%1" stays as typed.
struct Message {
    Text text{};
    std::vector<Argument> arguments;

    // The English sentence with the arguments in place.
    [[nodiscard]] std::string English() const;
};

// Puts `arguments` into `pattern`: "%n" (n from 1 to 9) takes argument n,
// and stays as it is where there is no such argument; everything else is
// copied.
inline std::string FillPlaceholders(std::string_view pattern,
                                    const std::vector<std::string>& arguments) {
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        if (c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[at + 1] - '1');
            if (n < arguments.size()) {
                filled += arguments[n];
                ++at;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

inline Argument Argument::Nested(Message message) {
    Argument argument{Kind::Sentence, {}, {}, {}, nullptr};
    argument.text = message.English();
    argument.sentence = std::make_shared<const Message>(std::move(message));
    return argument;
}

inline std::string Argument::English() const {
    return unit.empty() ? text : text + " " + unit;
}

inline std::string Message::English() const {
    std::vector<std::string> pieces;
    pieces.reserve(arguments.size());
    for (const Argument& argument : arguments)
        pieces.push_back(argument.English());
    return FillPlaceholders(text.source == nullptr ? "" : text.source, pieces);
}

} // namespace i18n

// Marks an English text for translation; lupdate extracts it under `context`.
#define VW_TRANSLATABLE(context, source) (::i18n::Text{context, source})
