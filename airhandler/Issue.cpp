#include "airhandler/Issue.h"

namespace airhandler {

std::string_view Describe(Reason reason) noexcept {
    switch (reason) {
    case Reason::PressureOutOfRange:
        return "The atmospheric pressure must be above zero and at most ten atmospheres.";
    case Reason::RoomNotAir:
        return "The room air is not air.";
    case Reason::OutdoorNotAir:
        return "The outdoor air is not air.";
    case Reason::StateAtOtherPressure:
        return "The room and outdoor air must be at the design's atmospheric pressure.";
    case Reason::LoadNotFinite:
        return "The room's loads must be numbers.";
    case Reason::SensibleLoadAgainstDuty:
        return "In cooling the room's sensible load must be a heat gain (above zero); in "
               "heating, a heat loss (below zero).";
    case Reason::SupplyDryBulbAgainstDuty:
        return "In cooling the supply air must be colder than the room; in heating, warmer.";
    case Reason::BadTemperatureDifference:
        return "The supply's temperature difference to the room must be above zero.";
    case Reason::NoSupplyAirflow:
        return "The supply airflow must be greater than zero.";
    case Reason::SupplyBeyondSaturation:
        return "The room's SHR line at this supply dry bulb lies beyond saturation: no air "
               "there carries the room's loads. Choose a supply closer to the room.";
    case Reason::SupplyTooDry:
        return "The supply air would have to hold less than no water to take up the room's "
               "latent load: choose a supply closer to the room or a larger airflow.";
    case Reason::SupplyNotAir:
        return "The supply air is not air.";
    case Reason::NegativeOutdoorAir:
        return "The outdoor airflow or share must be zero or more.";
    case Reason::OutdoorAirExceedsSupply:
        return "The outdoor air cannot exceed the supply air.";
    case Reason::BadEconomizerShare:
        return "The economizer's maximum outdoor share must lie from the minimum outdoor "
               "share to 1.";
    case Reason::SeveralMixingBoxes:
        return "The chain can hold only one mixing box.";
    case Reason::NoOutdoorAirToTreat:
        return "The components before the mixing box treat the outdoor air, and there is none.";
    case Reason::RecoveryAfterMixing:
        return "Heat recovery works between the outdoor and the exhaust air: place it before "
               "the mixing box.";
    case Reason::ToSupplyOnOutdoorAir:
        return "A component brought to the supply air must stand after the mixing box.";
    case Reason::SeveralToSupplyDryBulb:
        return "Only one heating coil and one cooling coil can bring the air to the supply's "
               "dry bulb.";
    case Reason::SeveralToSupplyHumidity:
        return "Only one cooling coil and one humidifier can bring the air to the supply's "
               "humidity ratio.";
    case Reason::EffectivenessOutOfRange:
        return "An effectiveness must lie from 0 to 1.";
    case Reason::NoExhaustAirflow:
        return "The exhaust airflow must be greater than zero.";
    case Reason::ExhaustExceedsReturn:
        return "The exhaust air cannot exceed the return air.";
    case Reason::RecoveryLeavesFog:
        return "Air would leave the heat recovery beyond saturation (condensation or frost): "
               "preheat the outdoor air or lower the effectiveness.";
    case Reason::MixtureNotAir:
        return "The mixed air is not air.";
    case Reason::BadTemperature:
        return "A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).";
    case Reason::NegativeRise:
        return "A temperature rise must be zero or more.";
    case Reason::BadRelativeHumidity:
        return "A relative humidity must lie above 0 and at most 100 %.";
    case Reason::BadFanPower:
        return "The fan's power must be zero or more and its motor efficiency above 0 and at "
               "most 1.";
    case Reason::BadBypassFactor:
        return "The bypass factor must be at least 0 and less than 1.";
    case Reason::CoilRefused:
        return "The cooling coil cannot make this air.";
    case Reason::HumidifierBeyondSaturation:
        return "An adiabatic humidifier can at most saturate the air: ask for a dew point no "
               "higher than the entering wet bulb.";
    case Reason::LeavingNotAir:
        return "The air leaving the component is not air.";
    case Reason::CalculationFault:
        return "The air cannot be calculated.";
    }
    return "The air cannot be calculated.";
}

std::string Explain(const Issue& issue, std::string_view componentName) {
    std::string text;
    if (issue.component >= 0) {
        text += "Component ";
        text += std::to_string(issue.component + 1);
        if (!componentName.empty()) {
            text += " (";
            text += componentName;
            text += ')';
        }
        text += ": ";
    }
    text += Describe(issue.reason);
    // The problem's own sentence where it says more than the reason.
    if (issue.problem && issue.reason != Reason::CalculationFault) {
        text += ' ';
        text += processes::Describe(*issue.problem);
    }
    return text;
}

} // namespace airhandler
