#pragma once

// An air-handling process from one point to another at one pressure: what it
// is called, how the state changes, and the heat and water it takes for the
// airflow of its entering point.
//
// Heat split (ASHRAE Handbook of Fundamentals, Psychrometrics: enthalpy of
// moist air h = h(t, W); the sensible heat ratio SHR = q_s / q_t). Per unit
// mass of dry air, going first along constant humidity ratio, then along
// constant dry bulb:
//   sensible  q_s = h(t2, W1) - h(t1, W1)
//   latent    q_l = h(t2, W2) - h(t2, W1)
//   total     q_t = h(t2, W2) - h(t1, W1) = q_s + q_l exactly.
// The loads are these times the mass flow of dry air; the water added is
// m_da (W2 - W1). Positive values go into the air.

#include "core/Translatable.h"
#include "processes/Airflow.h"

#include <optional>
#include <string_view>

namespace processes {

// The process a line on the chart describes, named by the share of its
// sensible and latent heat (see Classify in Process.cpp for the tolerances).
enum class ProcessKind {
    SensibleHeating,
    SensibleCooling,
    CoolingAndDehumidifying,
    Dehumidifying,           // water removed at a nearly constant dry bulb
    HeatingAndDehumidifying, // e.g. a desiccant wheel with heat added
    DesiccantDehumidifying,  // water removed at a nearly constant enthalpy
    EvaporativeHumidification,
    SteamHumidification, // water added at a nearly constant dry bulb
    HeatingAndHumidifying,
    CoolingAndHumidifying, // e.g. a chilled-water spray
};

// The name shown, e.g. "Cooling and dehumidifying": marked for translation
// (core/Translatable.h), and in English.
i18n::Text ProcessNameText(ProcessKind kind) noexcept;
std::string_view ProcessName(ProcessKind kind) noexcept;

// A heat flow, kept in Btu/h.
struct HeatRate {
    double btuPerHour = 0.0;
    [[nodiscard]] double kilowatts() const noexcept;
    [[nodiscard]] double tons() const noexcept;
};

struct ProcessLoads {
    double dryAirLbPerHour = 0.0; // mass flow of dry air through the process
    HeatRate sensible;
    HeatRate latent;
    HeatRate total;
    double waterLbPerHour = 0.0; // added (negative: removed)
    [[nodiscard]] double waterKgPerHour() const noexcept;
};

struct ProcessAnalysis {
    ProcessKind kind = ProcessKind::SensibleHeating;
    double dryBulbChangeF = 0.0;      // t2 - t1, °F difference (1 K = 1.8 °F)
    double humidityRatioChange = 0.0; // W2 - W1, lb/lb
    double enthalpyChange = 0.0;      // h2 - h1, Btu/lb | kJ/kg of dry air
    // q_s / q_t where sensible and latent heat go the same way (coils,
    // heating with humidifying); none where they oppose each other, as in
    // evaporative cooling, where the ratio has no meaning.
    std::optional<double> sensibleHeatRatio;
    // With an airflow at the entering point.
    std::optional<ProcessLoads> loads;
};

// The process from `from` to `to`, enthalpy in the active system's
// formulation. Problems: either point not real air, the points at different
// pressures, the same air (SameAir), an airflow not above zero.
Outcome<ProcessAnalysis> AnalyseProcess(const AirState& from, const AirState& to, UnitSystem system,
                                        const std::optional<Airflow>& airflowAtFrom = std::nullopt);

} // namespace processes
