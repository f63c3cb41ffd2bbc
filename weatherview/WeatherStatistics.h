#pragma once

// The statistics of a weather file as tables of text and numbers, in the
// chart's unit system: hour counts (inside zones, above and below limits) for
// the filtered hours, and the design conditions computed from all hours beside
// those the file's header gives. The panel shows them, the CSV export and the
// PDF report write them; the counts come from weather/Statistics.h.

#include "chart/ChartUnits.h"
#include "processes/Zone.h"
#include "weather/Design.h"
#include "weather/Report.h"
#include "weather/Statistics.h"

#include <optional>
#include <span>
#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

namespace chart {

struct StatCell {
    QString text;                 // shown as it is when there is no number
    std::optional<double> number; // shown with `decimals`
    int decimals = 0;
};

struct StatTable {
    QStringList headers;
    std::vector<std::vector<StatCell>> rows;
};

// The text of a cell in a locale's numbers ("" for an empty cell).
QString CellText(const StatCell& cell, const QLocale& locale);

struct NamedZone {
    QString name;
    const processes::Zone* zone = nullptr;
};

// The limits the hours are counted against, in base units (°F, lb/lb).
struct HourLimits {
    double dryBulbF = 80.0;
    double dewPointF = 55.0;
    double humidityRatio = 0.010;
};

// Statistic | Hours | Share of filtered hours (%): the hours read and those
// the filter lets through, then one row per zone, then above and below each
// limit, then one row per reason rows were skipped.
StatTable HourCountsTable(std::span<const weather::Hour> hours, const weather::ReadReport& report,
                          const weather::HourFilter& filter, std::span<const NamedZone> zones,
                          const HourLimits& limits, UnitSystem units);

// Condition | Quantity | From the hours | From the file header: heating
// 99.6 % and 99 % dry bulb, cooling 0.4 %, 1 % and 2 % dry bulb with mean
// coincident wet bulb, the 0.4 % dew point with its humidity ratio and mean
// coincident dry bulb. A value a side does not have is left empty.
StatTable DesignTable(const weather::DesignConditions& computed,
                      const weather::DesignConditions& header, UnitSystem units);

// The tables as CSV, one after the other with an empty line between: a
// header row each, "." as the decimal point, fields quoted where needed.
QString TablesToCsv(std::span<const StatTable> tables);

// Decimals that show humidity ratios of the system usefully.
int HumidityRatioDecimals(UnitSystem units) noexcept;

} // namespace chart
