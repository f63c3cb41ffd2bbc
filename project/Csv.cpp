#include "project/Csv.h"

#include "engine/Units.h"
#include "project/Project.h"

#include <functional>
#include <vector>

#include <QStringList>

namespace project {

namespace units = basPsychroFun::units;

namespace {

QString field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// Seven significant digits: every digit a single-precision state holds.
QString number(double value) {
    return QString::number(value, 'g', 7);
}

QString line(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields)
        out.append(field(f));
    return out.join(u',') + QStringLiteral("\r\n");
}

// The units of the project's system and the conversions from base units.
struct SystemUnits {
    bool metric;
    QString temperature() const { return metric ? QStringLiteral("°C") : QStringLiteral("°F"); }
    QString temperatureSpan() const { return metric ? QStringLiteral("K") : QStringLiteral("°F"); }
    QString pressure() const { return metric ? QStringLiteral("kPa") : QStringLiteral("psia"); }
    QString enthalpy() const { return metric ? QStringLiteral("kJ/kg") : QStringLiteral("Btu/lb"); }
    QString volume() const { return metric ? QStringLiteral("m³/kg") : QStringLiteral("ft³/lb"); }
    QString density() const { return metric ? QStringLiteral("kg/m³") : QStringLiteral("lb/ft³"); }
    QString massFlow() const { return metric ? QStringLiteral("kg/h") : QStringLiteral("lb/h"); }
    double t(double tF) const { return metric ? units::FahrenheitToCelsius(tF) : tF; }
    double p(double psia) const { return metric ? units::PsiaToKPa(psia) : psia; }
    // CalcState keeps the metric enthalpy divided by kKJPerKgPerBtuPerLb.
    double h(double stored) const {
        return metric ? units::MetricFromStoredEnthalpy(stored) : stored;
    }
    double m(double lbPerHour) const {
        return metric ? units::PoundsToKilograms(lbPerHour) : lbPerHour;
    }
    double v(double ft3PerLb) const {
        return metric ? ft3PerLb * units::kCubicMetresPerCubicFoot / units::kKilogramsPerPound
                      : ft3PerLb;
    }
    double rho(double lbPerFt3) const {
        return metric ? lbPerFt3 * units::kKilogramsPerPound / units::kCubicMetresPerCubicFoot
                      : lbPerFt3;
    }
};

QString unitName(processes::AirflowUnit unit) {
    const std::string_view symbol = processes::AirflowUnitSymbol(unit);
    return QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

} // namespace

QString PointsCsv(const Project& project) {
    const SystemUnits u{project.atmosphere().system == UnitSystem::SI};
    QString csv = line(
        {QStringLiteral("Point"), QStringLiteral("Dry bulb (%1)").arg(u.temperature()),
         QStringLiteral("Wet bulb (%1)").arg(u.temperature()),
         QStringLiteral("Dew point (%1)").arg(u.temperature()),
         QStringLiteral("Relative humidity (%)"), QStringLiteral("Humidity ratio (lb/lb = kg/kg)"),
         QStringLiteral("Enthalpy (%1)").arg(u.enthalpy()),
         QStringLiteral("Specific volume (%1)").arg(u.volume()),
         QStringLiteral("Density (%1)").arg(u.density()),
         QStringLiteral("Vapour pressure (%1)").arg(u.pressure()),
         QStringLiteral("Degree of saturation (%)"),
         QStringLiteral("Absolute humidity (%1)").arg(u.density()),
         QStringLiteral("Atmospheric pressure (%1)").arg(u.pressure()), QStringLiteral("Airflow"),
         QStringLiteral("Airflow unit"), QStringLiteral("Dry air (%1)").arg(u.massFlow()),
         QStringLiteral("PMV"), QStringLiteral("PPD (%)"), QStringLiteral("Note")});
    for (int i = 0; i < project.pointCount(); ++i) {
        const StatePoint& point = project.point(i);
        const PointResult& r = project.pointResult(i);
        QStringList row{point.name};
        if (r.state) {
            const CalcState& s = *r.state;
            row << number(u.t(s.Tdb)) << number(u.t(s.Twb))
                << (calculator::HasDewPoint(s) ? number(u.t(s.Tdp)) : QString())
                << number(units::FractionToPercent(static_cast<double>(s.Phi)))
                << number(static_cast<double>(s.W)) << number(u.h(s.H)) << number(u.v(s.V))
                << number(u.rho(s.Rho)) << number(u.p(s.Pw))
                << number(units::FractionToPercent(static_cast<double>(s.Mu)))
                << number(u.rho(s.Dv)) << number(u.p(s.Patm));
        } else {
            for (int k = 0; k < 12; ++k)
                row << QString();
        }
        if (point.airflow)
            row << number(point.airflow->value) << unitName(point.airflow->unit);
        else
            row << QString() << QString();
        row << (r.dryAirLbPerHour ? number(u.m(*r.dryAirLbPerHour)) : QString());
        row << (r.comfort ? number(r.comfort->pmv) : QString())
            << (r.comfort ? number(r.comfort->ppd) : QString());
        row << (r.state ? r.airflowMessage : r.reason);
        csv += line(row);
    }
    return csv;
}

QString ProcessesCsv(const Project& project) {
    const SystemUnits u{project.atmosphere().system == UnitSystem::SI};
    QString csv =
        line({QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Process"),
              QStringLiteral("Dry bulb change (%1)").arg(u.temperatureSpan()),
              QStringLiteral("Humidity ratio change (lb/lb = kg/kg)"),
              QStringLiteral("Enthalpy change (%1)").arg(u.enthalpy()),
              QStringLiteral("Sensible heat ratio"),
              QStringLiteral("Dry air (%1)").arg(u.massFlow()), QStringLiteral("Sensible (Btu/h)"),
              QStringLiteral("Latent (Btu/h)"), QStringLiteral("Total (Btu/h)"),
              QStringLiteral("Total (tons)"), QStringLiteral("Total (kW)"),
              QStringLiteral("Water (lb/h)"), QStringLiteral("Water (kg/h)"),
              QStringLiteral("Apparatus dew point (%1)").arg(u.temperature()),
              QStringLiteral("Bypass factor"), QStringLiteral("Note")});
    for (int i = 0; i < project.processCount(); ++i) {
        const ProcessLink& link = project.process(i);
        const ProcessResult& r = project.processResult(i);
        const auto nameOf = [&project](int id) {
            const int index = project.indexOfId(id);
            return index >= 0 ? project.point(index).name : QString();
        };
        QStringList row{nameOf(link.fromId), nameOf(link.toId)};
        if (r.analysis) {
            const auto& a = *r.analysis;
            row << QString::fromUtf8(processes::ProcessName(a.kind).data(),
                                     static_cast<qsizetype>(processes::ProcessName(a.kind).size()))
                << number(u.metric ? units::FahrenheitSpanToKelvin(a.dryBulbChangeF)
                                   : a.dryBulbChangeF)
                << number(a.humidityRatioChange) << number(a.enthalpyChange)
                << (a.sensibleHeatRatio ? number(*a.sensibleHeatRatio) : QString());
            if (a.loads) {
                const auto& l = *a.loads;
                row << number(u.m(l.dryAirLbPerHour)) << number(l.sensible.btuPerHour)
                    << number(l.latent.btuPerHour) << number(l.total.btuPerHour)
                    << number(l.total.tons()) << number(l.total.kilowatts())
                    << number(l.waterLbPerHour) << number(l.waterKgPerHour());
            } else {
                for (int k = 0; k < 8; ++k)
                    row << QString();
            }
        } else {
            for (int k = 0; k < 13; ++k)
                row << QString();
        }
        if (r.coil)
            row << number(u.t(r.coil->apparatusDewPoint.dryBulbF)) << number(r.coil->bypassFactor);
        else
            row << QString() << QString();
        row << (r.message.isEmpty() ? r.coilMessage : r.message);
        csv += line(row);
    }
    return csv;
}

} // namespace project
