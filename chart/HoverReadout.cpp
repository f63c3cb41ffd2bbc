#include "chart/HoverReadout.h"

#include "chart/AirRelations.h"
#include "engine/FloatingPointFault.h"
#include "engine/PsychroFun.h"

#include <cmath>

#include <QCoreApplication>

namespace psy = basPsychroFun;

namespace chart {

namespace {

// The readout's words in the language the program speaks.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(chart::HoverReadout)
};

} // namespace

std::optional<HoverReadout> ComputeReadout(double tdbF, double w, double patmPsia,
                                           UnitSystem units) {
    if (!std::isfinite(tdbF) || !std::isfinite(w) || w < 0.0 || !(patmPsia > 0.0) ||
        !std::isfinite(patmPsia))
        return std::nullopt;
    HoverReadout r;
    r.tdbF = tdbF;
    r.w = w;
    try {
        const double pws = psy::SaturationPressure(tdbF, "IP");
        if (pws <= 0.0)
            return std::nullopt; // outside the range of the saturation pressure
        const double ws = air::SaturationHumidityRatio(tdbF, patmPsia);
        if (ws >= 0.0 && w > ws) {
            r.supersaturated = true;
            return r;
        }
        const double pw = psy::VaporPressureFromHumidityRatio(w, patmPsia, "IP");
        r.phi = psy::RelativeHumidityFromVaporPressures(pw, pws, "IP");
        r.tdpF = psy::DewPointFromVaporPressure(pw, "IP");
        r.twbF = psy::WetBulbFromDryBulbAndDewPoint(tdbF, r.tdpF, patmPsia, "IP");
        r.h = air::Enthalpy(tdbF, w, units);
        r.v = air::SpecificVolume(tdbF, w, patmPsia, units);
    } catch (const psy::FloatingPointFault&) {
        return std::nullopt;
    }
    return r;
}

QStringList ReadoutText(const HoverReadout& r, UnitSystem units, const QLocale& locale) {
    const bool si = units == UnitSystem::SI;
    const auto number = [&locale](double v, int decimals) {
        return locale.toString(v, 'f', decimals);
    };
    const auto temperature = [&](double tF) {
        return number(TemperatureToDisplay(tF, units), 1) + QLatin1Char(' ') +
               TemperatureUnit(units);
    };
    QStringList lines;
    lines << Texts::tr("Dry bulb %1").arg(temperature(r.tdbF))
          << Texts::tr("Humidity ratio %1 %2")
                 .arg(number(HumidityRatioToDisplay(r.w, units), si ? 2 : 5),
                      HumidityRatioUnit(units));
    if (r.supersaturated) {
        lines << Texts::tr("Supersaturated");
        return lines;
    }
    lines << Texts::tr("Relative humidity %1 %").arg(number(r.phi * 100.0, 1))
          << Texts::tr("Wet bulb %1").arg(temperature(r.twbF))
          << Texts::tr("Dew point %1").arg(temperature(r.tdpF))
          << Texts::tr("Enthalpy %1 %2").arg(number(r.h, si ? 1 : 2), EnthalpyUnit(units))
          << Texts::tr("Specific volume %1 %2")
                 .arg(number(r.v, si ? 4 : 3), SpecificVolumeUnit(units));
    return lines;
}

} // namespace chart
