#pragma once

// The room's sensible-heat-ratio line and the supply air on it.
//
// Air supplied at state s and leaving the room at its state r takes up, per
// unit mass of dry air, the room's loads split as the processes split any
// process (processes/Process.h; ASHRAE Handbook — Fundamentals, ch. 1,
// enthalpy of moist air h(t, W) = h(t, 0) + W g(t), g the vapour's enthalpy):
//   sensible  q_s / m = h(t_r, W_s) - h(t_s, W_s)
//   latent    q_l / m = h(t_r, W_r) - h(t_r, W_s) = (W_r - W_s) g(t_r)
// Every supply state that carries the room's sensible heat ratio
// SHR = q_s / (q_s + q_l) satisfies q_s (latent) = q_l (sensible); with
// h(t, W) affine in W that is, at a supply dry bulb t_s,
//   W_s = (q_s W_r g_r - q_l [h(t_r, 0) - h(t_s, 0)])
//         / (q_s g_r + q_l [g_r - g(t_s)]),            g_r = g(t_r),
// the condition line of the Handbook's "space heat absorption and moist-air
// moisture gains" drawn on the dry bulb - humidity ratio plane. It passes
// through the room state; the airflow then follows from the sensible load,
// m = q_s / (h(t_r, W_s) - h(t_s, W_s)).

#include "airhandler/Design.h"
#include "airhandler/Issue.h"
#include "processes/Zone.h"

#include <optional>
#include <vector>

namespace airhandler {

class ShrLine {
public:
    ShrLine() = default;
    ShrLine(const processes::AirState& room, double sensibleBtuPerHour, double latentBtuPerHour,
            UnitSystem system) noexcept
        : room_(room), sensible_(sensibleBtuPerHour), latent_(latentBtuPerHour), system_(system) {}

    [[nodiscard]] const processes::AirState& room() const noexcept { return room_; }
    [[nodiscard]] double sensibleBtuPerHour() const noexcept { return sensible_; }
    [[nodiscard]] double latentBtuPerHour() const noexcept { return latent_; }
    [[nodiscard]] UnitSystem system() const noexcept { return system_; }
    // q_s / (q_s + q_l); none when the total load is zero.
    [[nodiscard]] std::optional<double> sensibleHeatRatio() const noexcept;

    // The line's humidity ratio at dry bulb tF (°F); none where it is not
    // air there: below dry air, beyond saturation, outside -148 °F to 400 °F.
    [[nodiscard]] std::optional<double> humidityRatioAt(double tF) const noexcept;
    // count points (at least 2) evenly spaced in dry bulb from fromF to toF,
    // those that are air; for the chart to draw the line across its range.
    [[nodiscard]] std::vector<processes::ChartPoint> points(double fromF, double toF,
                                                            int count = 64) const;
    // Where the line meets saturation on the supply side of the room (colder
    // in cooling, warmer in heating): the room's apparatus dew point, the
    // coldest air a coil can supply on the line. None where the line leaves
    // the chart through dry air or the end of the range first.
    [[nodiscard]] std::optional<processes::ChartPoint> saturationEnd(Duty duty) const noexcept;

    // The formula above, without the real-air test; none where its
    // denominator vanishes. May throw the engine's FloatingPointFault.
    [[nodiscard]] std::optional<double> lineHumidityRatio(double tF) const;

private:
    processes::AirState room_;
    double sensible_ = 0.0;
    double latent_ = 0.0;
    UnitSystem system_ = UnitSystem::IP;
};

// The supply air and the mass flow of dry air that carries the room's loads.
struct SupplyAir {
    processes::AirState air;
    double dryAirLbPerHour = 0.0;
};

// The supply on the line as the designer gives it. With an airflow (taken at the
// supply air, m = Q / v_s) the state and the mass flow are solved together:
//   W_s = W_r - (q_l / m) / g_r,  h(t_s, W_s) = h(t_r, W_s) - q_s / m,
// repeated with v_s of the new state until m settles (v_s changes by
// a fraction of a percent across any supply, so a few passes do).
// Issues: SensibleLoadAgainstDuty, SupplyDryBulbAgainstDuty,
// BadTemperatureDifference, NoSupplyAirflow, SupplyBeyondSaturation,
// SupplyTooDry, SupplyNotAir, CalculationFault.
Outcome<SupplyAir> SupplyOnLine(const ShrLine& line, Duty duty, const SupplySpec& given);

} // namespace airhandler
