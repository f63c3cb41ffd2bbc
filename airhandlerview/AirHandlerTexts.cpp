#include "airhandlerview/AirHandlerTexts.h"

#include <array>

#include <QCoreApplication>

namespace chart {
namespace {

// The words of the air handler's tables (airhandler/Tables.cpp), listed so
// that the catalogues hold them.
[[maybe_unused]] constexpr std::array kTableWords{
    QT_TRANSLATE_NOOP("airhandler", "Component"),
    QT_TRANSLATE_NOOP("airhandler", "Air"),
    QT_TRANSLATE_NOOP("airhandler", "Entering dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Entering humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Leaving dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Leaving humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Dry air"),
    QT_TRANSLATE_NOOP("airhandler", "Process"),
    QT_TRANSLATE_NOOP("airhandler", "Sensible"),
    QT_TRANSLATE_NOOP("airhandler", "Latent"),
    QT_TRANSLATE_NOOP("airhandler", "Total"),
    QT_TRANSLATE_NOOP("airhandler", "Water"),
    QT_TRANSLATE_NOOP("airhandler", "Note"),
    QT_TRANSLATE_NOOP("airhandler", "Refused"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor air"),
    QT_TRANSLATE_NOOP("airhandler", "Return air"),
    QT_TRANSLATE_NOOP("airhandler", "Mixed air"),
    QT_TRANSLATE_NOOP("airhandler", "Supply air"),
    QT_TRANSLATE_NOOP("airhandler", "Exhaust air"),
    QT_TRANSLATE_NOOP("airhandler", "Room"),
    QT_TRANSLATE_NOOP("airhandler", "Room air"),
    QT_TRANSLATE_NOOP("airhandler", "Room loads"),
    QT_TRANSLATE_NOOP("airhandler", "Cooling"),
    QT_TRANSLATE_NOOP("airhandler", "Heating"),
    QT_TRANSLATE_NOOP("airhandler", "Quantity"),
    QT_TRANSLATE_NOOP("airhandler", "Summer"),
    QT_TRANSLATE_NOOP("airhandler", "Winter"),
    QT_TRANSLATE_NOOP("airhandler", "Duty"),
    QT_TRANSLATE_NOOP("airhandler", "Room sensible load"),
    QT_TRANSLATE_NOOP("airhandler", "Room latent load"),
    QT_TRANSLATE_NOOP("airhandler", "Room sensible heat ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Room dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Room humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Room enthalpy"),
    QT_TRANSLATE_NOOP("airhandler", "Supply dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Supply humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Supply relative humidity"),
    QT_TRANSLATE_NOOP("airhandler", "Supply enthalpy"),
    QT_TRANSLATE_NOOP("airhandler", "Supply airflow"),
    QT_TRANSLATE_NOOP("airhandler", "Supply dry air"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor enthalpy"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor air share"),
    QT_TRANSLATE_NOOP("airhandler", "Outdoor airflow"),
    QT_TRANSLATE_NOOP("airhandler", "Economizer"),
    QT_TRANSLATE_NOOP("airhandler", "Mixed air dry bulb"),
    QT_TRANSLATE_NOOP("airhandler", "Mixed air humidity ratio"),
    QT_TRANSLATE_NOOP("airhandler", "Mixed air enthalpy"),
    QT_TRANSLATE_NOOP("airhandler", "Cooling, sensible"),
    QT_TRANSLATE_NOOP("airhandler", "Cooling, latent"),
    QT_TRANSLATE_NOOP("airhandler", "Steam heat"),
    QT_TRANSLATE_NOOP("airhandler", "Fan heat"),
    QT_TRANSLATE_NOOP("airhandler", "Heat recovered into the outdoor air"),
    QT_TRANSLATE_NOOP("airhandler", "Humidifier water"),
    QT_TRANSLATE_NOOP("airhandler", "Condensate"),
    QT_TRANSLATE_NOOP("airhandler", "Room sensible load delivered"),
    QT_TRANSLATE_NOOP("airhandler", "Room latent load delivered"),
    QT_TRANSLATE_NOOP("airhandler", "Room loads met within 1 %"),
    QT_TRANSLATE_NOOP("airhandler", "Yes"),
    QT_TRANSLATE_NOOP("airhandler", "No"),
    QT_TRANSLATE_NOOP("airhandler", "The air leaving the chain does not reach the supply air."),
    QT_TRANSLATE_NOOP("airhandler", ", exhaust side"),
};

// The contexts the air handler's texts are translated in, its tables' words
// first.
constexpr std::array<const char*, 5> kContexts{"airhandler", "airhandler::Component",
                                               "airhandler::Economizer", "airhandler::Issue",
                                               "processes::Process"};

QString Lookup(const QByteArray& english) {
    for (const char* context : kContexts) {
        const QString text = QCoreApplication::translate(context, english.constData());
        if (text != QLatin1String(english))
            return text;
    }
    return QString::fromUtf8(english);
}

} // namespace

QString AirHandlerText(std::string_view english) {
    const QByteArray text(english.data(), static_cast<qsizetype>(english.size()));
    const QString whole = Lookup(text);
    if (whole != QString::fromUtf8(text))
        return whole;
    // "Leaving dry bulb (°F)": the words translated, the unit kept.
    if (text.endsWith(')')) {
        const qsizetype open = text.lastIndexOf(" (");
        if (open > 0)
            return Lookup(text.left(open)) + QString::fromUtf8(text.mid(open));
    }
    // "Heat-recovery wheel, exhaust side".
    static const QByteArray kExhaustSide(", exhaust side");
    if (text.endsWith(kExhaustSide) && text.size() > kExhaustSide.size())
        return Lookup(text.left(text.size() - kExhaustSide.size())) + Lookup(kExhaustSide);
    return whole;
}

} // namespace chart
