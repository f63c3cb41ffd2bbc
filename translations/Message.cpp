#include "translations/Message.h"

#include <string>
#include <vector>

#include <QCoreApplication>

namespace translations {

QString Translated(const i18n::Text& text) {
    if (text.source == nullptr)
        return {};
    return QCoreApplication::translate(text.context, text.source);
}

QString LocalNumber(QStringView digits, const QLocale& numbers) {
    QString local;
    local.reserve(digits.size());
    for (const QChar c : digits) {
        if (c == u',')
            local += numbers.groupSeparator();
        else if (c == u'.')
            local += numbers.decimalPoint();
        else if (c == u'-')
            local += numbers.negativeSign();
        else
            local += c;
    }
    return local;
}

QString Translated(const i18n::Message& message, const QLocale& numbers) {
    std::vector<std::string> pieces;
    pieces.reserve(message.arguments.size());
    for (const i18n::Argument& argument : message.arguments) {
        if (argument.kind == i18n::Argument::Kind::Number) {
            QString piece = LocalNumber(QString::fromStdString(argument.text), numbers);
            if (!argument.unit.empty())
                piece += QLatin1Char(' ') + QString::fromStdString(argument.unit);
            pieces.push_back(piece.toStdString());
        } else if (argument.kind == i18n::Argument::Kind::Marked) {
            pieces.push_back(Translated(argument.marked).toStdString());
        } else if (argument.kind == i18n::Argument::Kind::Sentence && argument.sentence) {
            pieces.push_back(Translated(*argument.sentence, numbers).toStdString());
        } else {
            pieces.push_back(argument.text);
        }
    }
    // One pass over the translated sentence: a typed "%1" in an argument
    // stays as typed.
    return QString::fromStdString(
        i18n::FillPlaceholders(Translated(message.text).toStdString(), pieces));
}

} // namespace translations
