#include "processes/Mixing.h"

#include "processes/Guarded.h"

namespace processes {

Outcome<Mixture> Mix(const AirState& first, const Airflow& firstAirflow, const AirState& second,
                     const Airflow& secondAirflow, UnitSystem system) {
    const auto m1 = DryAirMassFlow(first, firstAirflow);
    if (!m1)
        return m1.problem();
    const auto m2 = DryAirMassFlow(second, secondAirflow);
    if (!m2)
        return m2.problem();
    if (!SamePressure(first, second))
        return Problem::DifferentPressures;

    return detail::Guarded([&]() -> Outcome<Mixture> {
        const double m3 = *m1 + *m2;
        const double share = *m1 / m3;
        // (m1 a + m2 b) / m3 written as b + m1/m3 (a - b): the mixed value
        // never strays outside the two, even in its last digit.
        const auto weigh = [&](double a, double b) { return b + share * (a - b); };
        const double h1 = air::Enthalpy(first.dryBulbF, first.humidityRatio, system);
        const double h2 = air::Enthalpy(second.dryBulbF, second.humidityRatio, system);

        Mixture mix;
        mix.air.humidityRatio = weigh(first.humidityRatio, second.humidityRatio);
        mix.enthalpy = weigh(h1, h2);
        mix.air.dryBulbF = air::DryBulbFromEnthalpy(mix.air.humidityRatio, mix.enthalpy, system);
        mix.air.pressurePsia = first.pressurePsia;
        mix.dryAirLbPerHour = m3;
        mix.firstStreamShare = share;
        if (const auto problem = CheckAir(mix.air))
            return *problem;
        return mix;
    });
}

} // namespace processes
