#include "airhandler/Design.h"

#include "engine/PsychroFun.h"

namespace airhandler {

namespace psy = basPsychroFun;

namespace {

constexpr double kSeaLevelPsia = psy::units::kAtmospherePsia;

processes::AirState AtRelativeHumidity(double tF, double phi) {
    return {tF, psy::HumidityRatioFromRelativeHumidity(tF, phi, kSeaLevelPsia, "IP"),
            kSeaLevelPsia};
}

} // namespace

DesignCase Design::DefaultSummer() {
    DesignCase c;
    c.duty = Duty::Cooling;
    c.room = AtRelativeHumidity(75.0, 0.5);
    c.outdoor = {95.0, psy::HumidityRatioFromDryBulbAndWetBulb(95.0, 75.0, kSeaLevelPsia, "IP"),
                 kSeaLevelPsia};
    c.roomSensibleBtuPerHour = 100000.0;
    c.roomLatentBtuPerHour = 25000.0;
    c.supply.by = SupplyBy::DryBulb;
    c.supply.dryBulbF = 55.0;
    c.outdoorAir.by = OutdoorAirBy::Share;
    c.outdoorAir.share = 0.2;
    CoolingCoil coil;
    coil.by = CoolingBy::ToSupplyState;
    SupplyFan fan;
    fan.by = FanBy::Rise;
    fan.riseF = 2.0;
    c.components = {MixingBox{}, coil, fan};
    return c;
}

DesignCase Design::DefaultWinter() {
    DesignCase c;
    c.duty = Duty::Heating;
    c.room = AtRelativeHumidity(70.0, 0.3);
    c.outdoor = {0.0, 0.0007, kSeaLevelPsia};
    c.roomSensibleBtuPerHour = -150000.0;
    c.roomLatentBtuPerHour = 10000.0;
    c.supply.by = SupplyBy::TemperatureDifference;
    c.supply.differenceF = 25.0;
    c.outdoorAir.by = OutdoorAirBy::Share;
    c.outdoorAir.share = 0.2;
    HeatingCoil preheat;
    preheat.role = HeatingRole::Preheat;
    preheat.by = HeatingBy::LeavingDryBulb;
    preheat.leavingDryBulbF = 40.0;
    SupplyFan fan;
    fan.by = FanBy::Rise;
    fan.riseF = 2.0;
    HeatingCoil reheat;
    reheat.role = HeatingRole::Reheat;
    reheat.by = HeatingBy::ToSupply;
    Humidifier humidifier;
    humidifier.kind = HumidifierKind::Steam;
    humidifier.by = HumidifierBy::ToSupply;
    c.components = {preheat, MixingBox{}, fan, reheat, humidifier};
    return c;
}

i18n::Text ComponentNameText(const Component& component) noexcept {
    constexpr const char* kContext = "airhandler::Component";
    if (const auto* r = std::get_if<HeatRecovery>(&component))
        return r->exchanger == Exchanger::Wheel
                   ? VW_TRANSLATABLE("airhandler::Component", "Heat-recovery wheel")
                   : VW_TRANSLATABLE("airhandler::Component", "Heat-recovery plate");
    if (std::holds_alternative<MixingBox>(component))
        return VW_TRANSLATABLE("airhandler::Component", "Mixing box");
    if (const auto* h = std::get_if<HeatingCoil>(&component))
        return h->role == HeatingRole::Preheat
                   ? VW_TRANSLATABLE("airhandler::Component", "Preheat coil")
                   : VW_TRANSLATABLE("airhandler::Component", "Reheat coil");
    if (std::holds_alternative<CoolingCoil>(component))
        return VW_TRANSLATABLE("airhandler::Component", "Cooling coil");
    if (std::holds_alternative<SupplyFan>(component))
        return VW_TRANSLATABLE("airhandler::Component", "Supply fan");
    if (const auto* h = std::get_if<Humidifier>(&component))
        return h->kind == HumidifierKind::Steam
                   ? VW_TRANSLATABLE("airhandler::Component", "Steam humidifier")
                   : VW_TRANSLATABLE("airhandler::Component", "Adiabatic humidifier");
    return i18n::Text{kContext, ""};
}

std::string_view ComponentName(const Component& component) noexcept {
    return ComponentNameText(component).source;
}

} // namespace airhandler
