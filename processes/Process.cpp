#include "processes/Process.h"

#include "processes/Guarded.h"

#include <cmath>

namespace processes {

namespace units = basPsychroFun::units;

i18n::Text ProcessNameText(ProcessKind kind) noexcept {
    switch (kind) {
    case ProcessKind::SensibleHeating:
        return VW_TRANSLATABLE("processes::Process", "Sensible heating");
    case ProcessKind::SensibleCooling:
        return VW_TRANSLATABLE("processes::Process", "Sensible cooling");
    case ProcessKind::CoolingAndDehumidifying:
        return VW_TRANSLATABLE("processes::Process", "Cooling and dehumidifying");
    case ProcessKind::Dehumidifying:
        return VW_TRANSLATABLE("processes::Process", "Dehumidifying");
    case ProcessKind::HeatingAndDehumidifying:
        return VW_TRANSLATABLE("processes::Process", "Heating and dehumidifying");
    case ProcessKind::DesiccantDehumidifying:
        return VW_TRANSLATABLE("processes::Process", "Desiccant (adiabatic) dehumidifying");
    case ProcessKind::EvaporativeHumidification:
        return VW_TRANSLATABLE("processes::Process", "Evaporative (adiabatic) humidification");
    case ProcessKind::SteamHumidification:
        return VW_TRANSLATABLE("processes::Process", "Steam humidification");
    case ProcessKind::HeatingAndHumidifying:
        return VW_TRANSLATABLE("processes::Process", "Heating and humidifying");
    case ProcessKind::CoolingAndHumidifying:
        return VW_TRANSLATABLE("processes::Process", "Cooling and humidifying");
    }
    return i18n::Text{"processes::Process", ""};
}

std::string_view ProcessName(ProcessKind kind) noexcept {
    return ProcessNameText(kind).source;
}

double HeatRate::kilowatts() const noexcept {
    return units::BtuPerHourToKilowatts(btuPerHour);
}
double HeatRate::tons() const noexcept {
    return units::BtuPerHourToTons(btuPerHour);
}
double ProcessLoads::waterKgPerHour() const noexcept {
    return units::PoundsToKilograms(waterLbPerHour);
}

namespace {

// Shares of |q_s| + |q_l| that name a process:
// - latent heat within 2 % of it: the moisture is unchanged, a sensible process;
// - sensible heat within 10 %: the dry bulb is unchanged, a moisture process
//   (steam at 212 °F injected into room air puts about 5 % of its heat into
//   the dry bulb, superheated steam some more);
// - total heat within 5 % where the two oppose: an adiabatic process along a
//   line of nearly constant enthalpy and wet bulb (the water sprayed in an
//   evaporative cooler brings h_f at the wet bulb, 1 to 3 % of its latent heat).
constexpr double kSensibleOnlyShare = 0.02;
constexpr double kMoistureOnlyShare = 0.10;
constexpr double kAdiabaticShare = 0.05;

struct Split {
    double sensible; // per unit mass of dry air
    double latent;
    [[nodiscard]] double total() const { return sensible + latent; }
};

Split SplitHeat(const AirState& a, const AirState& b, UnitSystem system) {
    const double h1 = air::Enthalpy(a.dryBulbF, a.humidityRatio, system);
    const double h2Dry = air::Enthalpy(b.dryBulbF, a.humidityRatio, system);
    const double h2 = air::Enthalpy(b.dryBulbF, b.humidityRatio, system);
    return {h2Dry - h1, h2 - h2Dry};
}

// Names the process by the inch-pound split, so that one line keeps its name
// in both unit systems.
ProcessKind Classify(const AirState& a, const AirState& b) {
    const Split q = SplitHeat(a, b, UnitSystem::IP);
    const double sum = std::fabs(q.sensible) + std::fabs(q.latent);
    const bool warmer = b.dryBulbF > a.dryBulbF;
    const bool wetter = b.humidityRatio > a.humidityRatio;
    if (std::fabs(q.latent) <= kSensibleOnlyShare * sum)
        return warmer ? ProcessKind::SensibleHeating : ProcessKind::SensibleCooling;
    if (std::fabs(q.sensible) <= kMoistureOnlyShare * sum)
        return wetter ? ProcessKind::SteamHumidification : ProcessKind::Dehumidifying;
    const bool adiabatic = std::fabs(q.total()) <= kAdiabaticShare * sum;
    if (warmer)
        return wetter      ? ProcessKind::HeatingAndHumidifying
               : adiabatic ? ProcessKind::DesiccantDehumidifying
                           : ProcessKind::HeatingAndDehumidifying;
    if (!wetter)
        return ProcessKind::CoolingAndDehumidifying;
    return adiabatic ? ProcessKind::EvaporativeHumidification : ProcessKind::CoolingAndHumidifying;
}

// Heat per hour of m lb/h of dry air with dh per unit mass in the active
// system: Btu/lb times lb/h, or kJ/kg times kg/s as kW.
HeatRate Heat(double dryAirLbPerHour, double dh, UnitSystem system) {
    if (system == UnitSystem::IP)
        return {dryAirLbPerHour * dh};
    const double kgPerSecond = units::PoundsToKilograms(dryAirLbPerHour) / units::kSecondsPerHour;
    return {units::KilowattsToBtuPerHour(kgPerSecond * dh)};
}

} // namespace

Outcome<ProcessAnalysis> AnalyseProcess(const AirState& from, const AirState& to, UnitSystem system,
                                        const std::optional<Airflow>& airflowAtFrom) {
    for (const AirState* point : {&from, &to})
        if (const auto problem = CheckAir(*point))
            return *problem;
    if (!SamePressure(from, to))
        return Problem::DifferentPressures;
    if (SameAir(from, to))
        return Problem::SameAir;

    std::optional<double> massFlow;
    if (airflowAtFrom) {
        const auto m = DryAirMassFlow(from, *airflowAtFrom);
        if (!m)
            return m.problem();
        massFlow = *m;
    }

    return detail::Guarded([&]() -> Outcome<ProcessAnalysis> {
        ProcessAnalysis r;
        r.kind = Classify(from, to);
        r.dryBulbChangeF = to.dryBulbF - from.dryBulbF;
        r.humidityRatioChange = to.humidityRatio - from.humidityRatio;
        const Split q = SplitHeat(from, to, system);
        r.enthalpyChange = q.total();
        if (q.sensible * q.latent >= 0.0 && q.total() != 0.0)
            r.sensibleHeatRatio = q.sensible / q.total();
        if (massFlow) {
            ProcessLoads loads;
            loads.dryAirLbPerHour = *massFlow;
            loads.sensible = Heat(*massFlow, q.sensible, system);
            loads.latent = Heat(*massFlow, q.latent, system);
            loads.total = {loads.sensible.btuPerHour + loads.latent.btuPerHour};
            loads.waterLbPerHour = *massFlow * r.humidityRatioChange;
            r.loads = loads;
        }
        return r;
    });
}

} // namespace processes
