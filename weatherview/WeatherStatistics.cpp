#include "weatherview/WeatherStatistics.h"

#include "translations/Languages.h"
#include "translations/Message.h"

#include <utility>

#include <QCoreApplication>

namespace chart {

namespace {

// The tables' words in the language spoken; numbers in the locale's form
// (CellText), units as they are.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(chart::WeatherStatistics)
};

// The percentage a condition is named by, with the decimal point of the
// language spoken ("0.4" in English as ever, "0,4" in German or French), as
// the other names of the table write theirs.
QString PercentInName(double percent) {
    const QString digits = QLocale::c().toString(percent, 'g', 3);
    const QCoreApplication* app = QCoreApplication::instance();
    const QString spoken =
        app != nullptr ? translations::Spoken(*app) : translations::kEnglish.toString();
    return spoken == translations::kEnglish ? digits
                                            : translations::LocalNumber(digits, QLocale(spoken));
}

StatCell Text(QString text) {
    return StatCell{std::move(text), std::nullopt, 0};
}

StatCell Number(double value, int decimals) {
    return StatCell{QString(), value, decimals};
}

StatCell Maybe(std::optional<double> value, int decimals) {
    return value ? Number(*value, decimals) : StatCell{};
}

std::vector<StatCell> CountRow(QString name, const weather::HourShare& share) {
    return {Text(std::move(name)), Number(static_cast<double>(share.hours), 0),
            Number(share.percent(), 1)};
}

// A field of the CSV export. A translation may mark where a long word can
// break in a narrow column (a soft hyphen, U+00AD): the file has the word
// whole.
QString CsvField(QString text) {
    text.remove(QChar(0x00AD));
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = std::move(text);
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString CellText(const StatCell& cell, const QLocale& locale) {
    if (!cell.number)
        return cell.text;
    return locale.toString(*cell.number, 'f', cell.decimals);
}

int HumidityRatioDecimals(UnitSystem units) noexcept {
    return units == UnitSystem::SI ? 1 : 4;
}

StatTable HourCountsTable(std::span<const weather::Hour> hours, const weather::ReadReport& report,
                          const weather::HourFilter& filter, std::span<const NamedZone> zones,
                          const HourLimits& limits, UnitSystem units) {
    StatTable table;
    table.headers = {Texts::tr("Statistic"), Texts::tr("Hours"),
                     Texts::tr("Share of filtered hours (%)")};
    const std::size_t filtered = weather::CountFiltered(hours, filter);
    table.rows.push_back(
        {Text(Texts::tr("Hours read")), Number(static_cast<double>(hours.size()), 0), StatCell{}});
    table.rows.push_back(
        CountRow(Texts::tr("Hours in the filter"), weather::HourShare{filtered, filtered}));
    for (const NamedZone& named : zones) {
        const processes::Zone& zone = *named.zone;
        const weather::HourShare share =
            weather::CountInZone(hours, filter, [&zone](const weather::Hour& h) {
                return zone.contains(h.dryBulbF, h.humidityRatio, h.pressurePsia);
            });
        table.rows.push_back(CountRow(Texts::tr("In %1").arg(named.name), share));
    }

    const QLocale c = QLocale::c();
    const QString tUnit = TemperatureUnit(units);
    struct Limit {
        QString name;
        weather::LimitQuantity quantity;
        double base;
        QString shown;
    };
    const Limit rows[] = {
        {Texts::tr("Dry bulb"), weather::LimitQuantity::DryBulb, limits.dryBulbF,
         c.toString(TemperatureToDisplay(limits.dryBulbF, units), 'f', 1) + QLatin1Char(' ') +
             tUnit},
        {Texts::tr("Dew point"), weather::LimitQuantity::DewPoint, limits.dewPointF,
         c.toString(TemperatureToDisplay(limits.dewPointF, units), 'f', 1) + QLatin1Char(' ') +
             tUnit},
        {Texts::tr("Humidity ratio"), weather::LimitQuantity::HumidityRatio, limits.humidityRatio,
         c.toString(HumidityRatioToDisplay(limits.humidityRatio, units), 'f',
                    HumidityRatioDecimals(units)) +
             QLatin1Char(' ') + HumidityRatioUnit(units)},
    };
    for (const Limit& limit : rows) {
        const weather::LimitShares shares =
            weather::CountAgainstLimit(hours, filter, limit.quantity, limit.base);
        table.rows.push_back(
            CountRow(Texts::tr("%1 above %2").arg(limit.name, limit.shown), shares.above));
        table.rows.push_back(
            CountRow(Texts::tr("%1 below %2").arg(limit.name, limit.shown), shares.below));
    }
    for (std::size_t i = 0; i < weather::kSkipReasonCount; ++i) {
        const auto reason = static_cast<weather::SkipReason>(i);
        if (const std::size_t n = report.skippedBy(reason); n > 0) {
            table.rows.push_back(
                {Text(Texts::tr("Skipped: %1")
                          .arg(translations::Translated(weather::SkipReasonText(reason)))),
                 Number(static_cast<double>(n), 0), StatCell{}});
        }
    }
    return table;
}

StatTable DesignTable(const weather::DesignConditions& computed,
                      const weather::DesignConditions& header, UnitSystem units) {
    StatTable table;
    table.headers = {Texts::tr("Condition"), Texts::tr("Quantity"), Texts::tr("From the hours"),
                     Texts::tr("From the file header")};
    const QString tUnit = TemperatureUnit(units);
    const auto temperature = [units](std::optional<double> tF) -> std::optional<double> {
        if (!tF)
            return std::nullopt;
        return TemperatureToDisplay(*tF, units);
    };
    const auto row = [&table](const QString& condition, const QString& quantity,
                              std::optional<double> fromHours, std::optional<double> fromHeader,
                              int decimals) {
        table.rows.push_back({Text(condition), Text(quantity), Maybe(fromHours, decimals),
                              Maybe(fromHeader, decimals)});
    };
    const QString dryBulb = Texts::tr("Dry bulb (%1)").arg(tUnit);
    row(Texts::tr("Heating 99.6 %"), dryBulb, temperature(computed.heating996DryBulbF),
        temperature(header.heating996DryBulbF), 1);
    row(Texts::tr("Heating 99 %"), dryBulb, temperature(computed.heating990DryBulbF),
        temperature(header.heating990DryBulbF), 1);
    for (std::size_t i = 0; i < weather::kCoolingPercents.size(); ++i) {
        const QString name =
            Texts::tr("Cooling %1 %").arg(PercentInName(weather::kCoolingPercents[i]));
        const auto& mine = computed.cooling[i];
        const auto& theirs = header.cooling[i];
        row(name, dryBulb, temperature(mine ? std::optional(mine->dryBulbF) : std::nullopt),
            temperature(theirs ? std::optional(theirs->dryBulbF) : std::nullopt), 1);
        row(name, Texts::tr("Mean coincident wet bulb (%1)").arg(tUnit),
            temperature(mine ? std::optional(mine->meanCoincidentWetBulbF) : std::nullopt),
            temperature(theirs ? std::optional(theirs->meanCoincidentWetBulbF) : std::nullopt), 1);
    }
    const QString dew = Texts::tr("Dew point 0.4 %");
    const auto& mine = computed.dewPoint04;
    const auto& theirs = header.dewPoint04;
    row(dew, Texts::tr("Dew point (%1)").arg(tUnit),
        temperature(mine ? std::optional(mine->dewPointF) : std::nullopt),
        temperature(theirs ? std::optional(theirs->dewPointF) : std::nullopt), 1);
    const auto ratio =
        [units](const std::optional<weather::DehumidificationDesign>& d) -> std::optional<double> {
        if (!d || !d->humidityRatio)
            return std::nullopt;
        return HumidityRatioToDisplay(*d->humidityRatio, units);
    };
    row(dew, Texts::tr("Humidity ratio (%1)").arg(HumidityRatioUnit(units)), ratio(mine),
        ratio(theirs), HumidityRatioDecimals(units));
    row(dew, Texts::tr("Mean coincident dry bulb (%1)").arg(tUnit),
        temperature(mine ? std::optional(mine->meanCoincidentDryBulbF) : std::nullopt),
        temperature(theirs ? std::optional(theirs->meanCoincidentDryBulbF) : std::nullopt), 1);
    return table;
}

QString TablesToCsv(std::span<const StatTable> tables) {
    const QLocale c = QLocale::c();
    QString csv;
    bool first = true;
    for (const StatTable& table : tables) {
        if (!first)
            csv += QLatin1Char('\n');
        first = false;
        QStringList fields;
        for (const QString& header : table.headers)
            fields.append(CsvField(header));
        csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
        for (const auto& row : table.rows) {
            fields.clear();
            for (const StatCell& cell : row)
                fields.append(CsvField(CellText(cell, c)));
            csv += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
        }
    }
    return csv;
}

} // namespace chart
