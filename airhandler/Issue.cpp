#include "airhandler/Issue.h"

#include <vector>

namespace airhandler {

i18n::Text ReasonText(Reason reason) noexcept {
    switch (reason) {
    case Reason::PressureOutOfRange:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The atmospheric pressure must be above zero and at most ten atmospheres.");
    case Reason::RoomNotAir:
        return VW_TRANSLATABLE("airhandler::Issue", "The room air is not air.");
    case Reason::OutdoorNotAir:
        return VW_TRANSLATABLE("airhandler::Issue", "The outdoor air is not air.");
    case Reason::StateAtOtherPressure:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The room and outdoor air must be at the design's atmospheric pressure.");
    case Reason::LoadNotFinite:
        return VW_TRANSLATABLE("airhandler::Issue", "The room's loads must be numbers.");
    case Reason::SensibleLoadAgainstDuty:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "In cooling the room's sensible load must be a heat gain (above zero); in "
            "heating, a heat loss (below zero).");
    case Reason::SupplyDryBulbAgainstDuty:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "In cooling the supply air must be colder than the room; in heating, warmer.");
    case Reason::BadTemperatureDifference:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The supply's temperature difference to the room must be above zero.");
    case Reason::NoSupplyAirflow:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The supply airflow must be greater than zero.");
    case Reason::SupplyBeyondSaturation:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The room's SHR line at this supply dry bulb lies beyond saturation: no air "
            "there carries the room's loads. Choose a supply closer to the room.");
    case Reason::SupplyTooDry:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The supply air would have to hold less than no water to take up the room's "
            "latent load: choose a supply closer to the room or a larger airflow.");
    case Reason::SupplyNotAir:
        return VW_TRANSLATABLE("airhandler::Issue", "The supply air is not air.");
    case Reason::NegativeOutdoorAir:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The outdoor airflow or share must be zero or more.");
    case Reason::OutdoorAirExceedsSupply:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The outdoor air cannot exceed the supply air.");
    case Reason::BadEconomizerShare:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The economizer's maximum outdoor share must lie from the minimum outdoor "
            "share to 1.");
    case Reason::SeveralMixingBoxes:
        return VW_TRANSLATABLE("airhandler::Issue", "The chain can hold only one mixing box.");
    case Reason::NoOutdoorAirToTreat:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The components before the mixing box treat the outdoor air, and there is none.");
    case Reason::RecoveryAfterMixing:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "Heat recovery works between the outdoor and the exhaust air: place it before "
            "the mixing box.");
    case Reason::ToSupplyOnOutdoorAir:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "A component brought to the supply air must stand after the mixing box.");
    case Reason::SeveralToSupplyDryBulb:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "Only one heating coil and one cooling coil can bring the air to the supply's "
            "dry bulb.");
    case Reason::SeveralToSupplyHumidity:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "Only one cooling coil and one humidifier can bring the air to the supply's "
            "humidity ratio.");
    case Reason::EffectivenessOutOfRange:
        return VW_TRANSLATABLE("airhandler::Issue", "An effectiveness must lie from 0 to 1.");
    case Reason::NoExhaustAirflow:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The exhaust airflow must be greater than zero.");
    case Reason::ExhaustExceedsReturn:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The exhaust air cannot exceed the return air.");
    case Reason::RecoveryLeavesFog:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "Air would leave the heat recovery beyond saturation (condensation or frost): "
            "preheat the outdoor air or lower the effectiveness.");
    case Reason::MixtureNotAir:
        return VW_TRANSLATABLE("airhandler::Issue", "The mixed air is not air.");
    case Reason::BadTemperature:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "A temperature must lie from -148 °F to 400 °F (-100 °C to 204.4 °C).");
    case Reason::NegativeRise:
        return VW_TRANSLATABLE("airhandler::Issue", "A temperature rise must be zero or more.");
    case Reason::BadRelativeHumidity:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "A relative humidity must lie above 0 and at most 100 %.");
    case Reason::BadFanPower:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "The fan's power must be zero or more and its motor efficiency above 0 and at "
            "most 1.");
    case Reason::BadBypassFactor:
        return VW_TRANSLATABLE("airhandler::Issue",
                               "The bypass factor must be at least 0 and less than 1.");
    case Reason::CoilRefused:
        return VW_TRANSLATABLE("airhandler::Issue", "The cooling coil cannot make this air.");
    case Reason::HumidifierBeyondSaturation:
        return VW_TRANSLATABLE(
            "airhandler::Issue",
            "An adiabatic humidifier can at most saturate the air: ask for a dew point no "
            "higher than the entering wet bulb.");
    case Reason::LeavingNotAir:
        return VW_TRANSLATABLE("airhandler::Issue", "The air leaving the component is not air.");
    case Reason::CalculationFault:
        return VW_TRANSLATABLE("airhandler::Issue", "The air cannot be calculated.");
    }
    return VW_TRANSLATABLE("airhandler::Issue", "The air cannot be calculated.");
}

std::string_view Describe(Reason reason) noexcept {
    return ReasonText(reason).source;
}

i18n::Message ExplainMessage(const Issue& issue, i18n::Text componentName) {
    using i18n::Argument;
    // Where a reason has a problem of the processes library, its own
    // sentence follows the reason's, as Explain writes it.
    const bool problem = issue.problem && issue.reason != Reason::CalculationFault;
    std::vector<Argument> arguments;
    i18n::Text pattern{"airhandler::Issue", problem ? "%1 %2" : "%1"};
    if (issue.component >= 0) {
        arguments.push_back(Argument::Plain(std::to_string(issue.component + 1)));
        const bool named = componentName.source != nullptr && *componentName.source != '\0';
        if (named) {
            arguments.push_back(Argument::Translatable(componentName));
            pattern = problem ? VW_TRANSLATABLE("airhandler::Issue", "Component %1 (%2): %3 %4")
                              : VW_TRANSLATABLE("airhandler::Issue", "Component %1 (%2): %3");
        } else {
            pattern = problem ? VW_TRANSLATABLE("airhandler::Issue", "Component %1: %2 %3")
                              : VW_TRANSLATABLE("airhandler::Issue", "Component %1: %2");
        }
    }
    arguments.push_back(Argument::Translatable(ReasonText(issue.reason)));
    if (problem)
        arguments.push_back(Argument::Translatable(processes::ProblemText(*issue.problem)));
    return {pattern, std::move(arguments)};
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
