#include "airhandler/ShrLine.h"

#include "airhandler/Heat.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>

namespace airhandler {

namespace psy = basPsychroFun;
namespace air = processes::air;
using processes::AirState;
using processes::ChartPoint;

namespace {

constexpr double kMinutesPerHour = psy::units::kSecondsPerHour / psy::units::kSecondsPerMinute;

// The airflow's mass flow settles to this share within a few passes.
constexpr double kMassFlowTolerance = 1e-12;
constexpr int kMaxAirflowPasses = 50;
// The walk along the line towards saturation, °F, and the bisection after it.
constexpr double kScanStepF = 1.0;
constexpr double kSaturationToleranceF = 1e-9;
constexpr int kMaxHalvings = 200;

bool InDryBulbRange(double tF) noexcept {
    return tF >= psy::kMinTemperatureF && tF <= psy::kMaxTemperatureF;
}

// Above zero where air of humidity ratio w at tF holds more water than
// saturated air: its vapour pressure against the saturation pressure, which
// also holds above the boiling point, where every humidity ratio is vapour.
double BeyondSaturation(double tF, double w, double pPsia) {
    return air::VapourPressure(w, pPsia) - psy::SaturationPressure(tF, "IP");
}

// Whether the duty's sign holds for a difference of the room less the supply.
bool OnDutySide(double roomLessSupply, Duty duty) noexcept {
    return duty == Duty::Cooling ? roomLessSupply > 0.0 : roomLessSupply < 0.0;
}

// The supply air of dry bulb tF and humidity ratio w, or why it is not air.
Outcome<AirState> SupplyState(double tF, double w, double pPsia) {
    if (!InDryBulbRange(tF))
        return Issue{Reason::SupplyNotAir, processes::Problem::DryBulbOutOfRange, -1};
    if (!(w >= 0.0))
        return Reason::SupplyTooDry;
    const AirState supply{tF, w, pPsia};
    if (const auto problem = processes::CheckAir(supply)) {
        if (*problem == processes::Problem::Supersaturated)
            return Reason::SupplyBeyondSaturation;
        return Issue{Reason::SupplyNotAir, *problem, -1};
    }
    return supply;
}

} // namespace

std::optional<double> ShrLine::sensibleHeatRatio() const noexcept {
    const double total = sensible_ + latent_;
    if (total == 0.0 || !std::isfinite(total))
        return std::nullopt;
    return sensible_ / total;
}

std::optional<double> ShrLine::lineHumidityRatio(double tF) const {
    const double tr = room_.dryBulbF;
    const double gr = detail::VapourEnthalpy(tr, system_);
    const double dh0 = air::Enthalpy(tr, 0.0, system_) - air::Enthalpy(tF, 0.0, system_);
    const double dg = gr - detail::VapourEnthalpy(tF, system_);
    const double denominator = sensible_ * gr + latent_ * dg;
    if (denominator == 0.0 || !std::isfinite(denominator))
        return std::nullopt;
    const double w = (sensible_ * room_.humidityRatio * gr - latent_ * dh0) / denominator;
    if (!std::isfinite(w))
        return std::nullopt;
    return w;
}

std::optional<double> ShrLine::humidityRatioAt(double tF) const noexcept {
    if (!InDryBulbRange(tF))
        return std::nullopt;
    try {
        const auto w = lineHumidityRatio(tF);
        if (!w || *w < 0.0 || BeyondSaturation(tF, *w, room_.pressurePsia) > 0.0)
            return std::nullopt;
        return w;
    } catch (const psy::FloatingPointFault&) {
        return std::nullopt;
    }
}

std::vector<ChartPoint> ShrLine::points(double fromF, double toF, int count) const {
    std::vector<ChartPoint> out;
    if (!std::isfinite(fromF) || !std::isfinite(toF))
        return out;
    count = std::clamp(count, 2, 10000);
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double t = fromF + (toF - fromF) * i / (count - 1);
        if (const auto w = humidityRatioAt(t))
            out.push_back({t, *w});
    }
    return out;
}

std::optional<ChartPoint> ShrLine::saturationEnd(Duty duty) const noexcept {
    try {
        const double p = room_.pressurePsia;
        // Above zero where the line lies beyond saturation.
        const auto beyond = [&](double t) -> std::optional<double> {
            const auto w = lineHumidityRatio(t);
            if (!w || *w < 0.0)
                return std::nullopt;
            return BeyondSaturation(t, *w, p);
        };
        const double step = duty == Duty::Cooling ? -kScanStepF : kScanStepF;
        double inside = room_.dryBulbF;
        for (;;) {
            const double next =
                std::clamp(inside + step, psy::kMinTemperatureF, psy::kMaxTemperatureF);
            if (next == inside)
                return std::nullopt;
            const auto w = lineHumidityRatio(next);
            const auto f = beyond(next);
            if (!w || !f || *w < 0.0)
                return std::nullopt; // through dry air, or the line turns away
            if (*f >= 0.0) {
                double lo = inside; // below saturation
                double hi = next;   // beyond
                for (int i = 0; i < kMaxHalvings && std::fabs(hi - lo) > kSaturationToleranceF;
                     ++i) {
                    const double mid = lo + (hi - lo) / 2.0;
                    const auto fm = beyond(mid);
                    if (!fm)
                        return std::nullopt;
                    (*fm >= 0.0 ? hi : lo) = mid;
                }
                return ChartPoint{lo, *lineHumidityRatio(lo)};
            }
            inside = next;
        }
    } catch (const psy::FloatingPointFault&) {
        return std::nullopt;
    }
}

Outcome<SupplyAir> SupplyOnLine(const ShrLine& line, Duty duty, const SupplySpec& given) {
    const double qs = line.sensibleBtuPerHour();
    const double ql = line.latentBtuPerHour();
    if (!std::isfinite(qs) || !std::isfinite(ql))
        return Reason::LoadNotFinite;
    // A cooling room gains heat (q_s > 0), a heated one loses it (q_s < 0).
    if (!OnDutySide(qs, duty))
        return Reason::SensibleLoadAgainstDuty;
    const AirState& room = line.room();
    const UnitSystem system = line.system();

    return detail::Guarded([&]() -> Outcome<SupplyAir> {
        if (given.by == SupplyBy::Airflow) {
            const double cfm = processes::ToCfm(given.airflow);
            if (!(cfm > 0.0) || std::isinf(cfm))
                return Reason::NoSupplyAirflow;
            const double gr = detail::VapourEnthalpy(room.dryBulbF, system);
            double m = cfm * kMinutesPerHour / air::SpecificVolume(room);
            for (int pass = 0; pass < kMaxAirflowPasses; ++pass) {
                // The loads per unit mass at this mass flow fix the state.
                const double w = room.humidityRatio - detail::PerMass(ql, m, system) / gr; // latent
                if (!(w >= 0.0))
                    return Reason::SupplyTooDry;
                const double h = air::Enthalpy(room.dryBulbF, w, system) -
                                 detail::PerMass(qs, m, system); // sensible
                const auto supply =
                    SupplyState(air::DryBulbFromEnthalpy(w, h, system), w, room.pressurePsia);
                if (!supply)
                    return supply.issue();
                // m = Q / v at the supply air.
                const double next = cfm * kMinutesPerHour / air::SpecificVolume(*supply);
                if (std::fabs(next - m) <= kMassFlowTolerance * m)
                    return SupplyAir{*supply, m};
                m = next;
            }
            return Reason::CalculationFault;
        }

        double ts = given.dryBulbF;
        if (given.by == SupplyBy::TemperatureDifference) {
            if (!(given.differenceF > 0.0) || std::isinf(given.differenceF))
                return Reason::BadTemperatureDifference;
            ts = duty == Duty::Cooling ? room.dryBulbF - given.differenceF
                                       : room.dryBulbF + given.differenceF;
        }
        if (std::isnan(ts))
            return Issue{Reason::SupplyNotAir, processes::Problem::DryBulbOutOfRange, -1};
        // Colder than the room in cooling, warmer in heating.
        if (!OnDutySide(room.dryBulbF - ts, duty))
            return Reason::SupplyDryBulbAgainstDuty;
        if (!InDryBulbRange(ts))
            return Issue{Reason::SupplyNotAir, processes::Problem::DryBulbOutOfRange, -1};
        const auto w = line.lineHumidityRatio(ts);
        if (!w)
            return Reason::CalculationFault;
        const auto supply = SupplyState(ts, *w, room.pressurePsia);
        if (!supply)
            return supply.issue();
        const double sensiblePerMass =
            air::Enthalpy(room.dryBulbF, *w, system) - air::Enthalpy(ts, *w, system);
        const double m = detail::MassFlowFor(qs, sensiblePerMass, system);
        if (!(m > 0.0) || std::isinf(m))
            return Reason::CalculationFault;
        return SupplyAir{*supply, m};
    });
}

} // namespace airhandler
