#include "chart/ChartStyle.h"

#include <QCoreApplication>

namespace chart {

QString ChartStyleName(ChartStyle style) {
    return style == ChartStyle::Mollier ? QStringLiteral("Mollier") : QStringLiteral("ASHRAE");
}

std::optional<ChartStyle> ChartStyleFromName(QStringView name) {
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        if (name.compare(ChartStyleName(style), Qt::CaseInsensitive) == 0)
            return style;
    }
    return std::nullopt;
}

QString ChartStyleTitle(ChartStyle style) {
    return style == ChartStyle::Mollier
               ? QCoreApplication::translate("chart::ChartStyle", "Mollier h-x Diagram")
               : QCoreApplication::translate("chart::ChartStyle", "Psychrometric Chart");
}

} // namespace chart
