#include "chart/AirRelations.h"

#include "engine/PsychroFun.h"
#include "engine/Units.h"

namespace psy = basPsychroFun;

namespace chart::air {

namespace {

double ToCelsius(double tF) {
    return psy::units::FahrenheitToCelsius(tF);
}

double ToKilopascal(double pPsia) {
    return psy::units::PsiaToKPa(pPsia);
}

} // namespace

double SaturationHumidityRatio(double tF, double patmPsia) {
    const double pws = psy::SaturationPressure(tF, "IP");
    if (pws < 0.0)
        return pws; // out of the range of the saturation pressure
    return psy::SaturationHumidityRatio(pws, patmPsia, "IP");
}

double HumidityRatioAtRelativeHumidity(double tF, double phi, double patmPsia) {
    return psy::HumidityRatioFromRelativeHumidity(tF, phi, patmPsia, "IP");
}

double HumidityRatioAtWetBulb(double tF, double twbF, double patmPsia) {
    return psy::HumidityRatioFromDryBulbAndWetBulb(tF, twbF, patmPsia, "IP");
}

double HumidityRatioAtEnthalpy(double tF, double h, UnitSystem units) {
    if (units == UnitSystem::SI)
        return psy::HumidityRatioFromDryBulbAndEnthalpy(ToCelsius(tF), h, "SI");
    return psy::HumidityRatioFromDryBulbAndEnthalpy(tF, h, "IP");
}

double HumidityRatioAtSpecificVolume(double tF, double v, double patmPsia, UnitSystem units) {
    const double dry = SpecificVolume(tF, 0.0, patmPsia, units);
    const double perUnitW = SpecificVolume(tF, 1.0, patmPsia, units) - dry;
    if (perUnitW <= 0.0)
        return -1.0;
    return (v - dry) / perUnitW;
}

double Enthalpy(double tF, double w, UnitSystem units) {
    if (units == UnitSystem::SI)
        return psy::EnthalpyFromDryBulbAndHumidityRatio(ToCelsius(tF), w, "SI");
    return psy::EnthalpyFromDryBulbAndHumidityRatio(tF, w, "IP");
}

double SpecificVolume(double tF, double w, double patmPsia, UnitSystem units) {
    if (units == UnitSystem::SI)
        return psy::SpecificVolume(ToCelsius(tF), w, ToKilopascal(patmPsia), "SI");
    return psy::SpecificVolume(tF, w, patmPsia, "IP");
}

} // namespace chart::air
