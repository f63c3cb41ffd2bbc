#include "airhandler/Solve.h"

#include "airhandler/Chain.h"
#include "airhandler/Heat.h"
#include "airhandler/Notes.h"
#include "engine/Limits.h"
#include "processes/Mixing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace airhandler {

namespace psy = basPsychroFun;
namespace air = processes::air;
using processes::AirflowUnit;
using processes::AirState;
using processes::Problem;

double Rollup::humidifierWaterKgPerHour() const noexcept {
    return psy::units::PoundsToKilograms(humidifierWaterLbPerHour);
}
double Rollup::condensateKgPerHour() const noexcept {
    return psy::units::PoundsToKilograms(condensateLbPerHour);
}

i18n::Text EconomizerText(EconomizerReason reason) noexcept {
    switch (reason) {
    case EconomizerReason::NoEconomizer:
        return VW_TRANSLATABLE("airhandler::Economizer", "No economizer: minimum outdoor air.");
    case EconomizerReason::Heating:
        return VW_TRANSLATABLE("airhandler::Economizer",
                               "Heating: the economizer keeps the minimum outdoor air.");
    case EconomizerReason::OutdoorDryBulbBelow:
        return VW_TRANSLATABLE(
            "airhandler::Economizer",
            "The outdoor dry bulb is below the return air's: outdoor air beyond the minimum.");
    case EconomizerReason::OutdoorDryBulbNotBelow:
        return VW_TRANSLATABLE(
            "airhandler::Economizer",
            "The outdoor dry bulb is not below the return air's: minimum outdoor air.");
    case EconomizerReason::OutdoorEnthalpyBelow:
        return VW_TRANSLATABLE(
            "airhandler::Economizer",
            "The outdoor enthalpy is below the return air's: outdoor air beyond the minimum.");
    case EconomizerReason::OutdoorEnthalpyNotBelow:
        return VW_TRANSLATABLE(
            "airhandler::Economizer",
            "The outdoor enthalpy is not below the return air's: minimum outdoor air.");
    case EconomizerReason::AboveHighLimit:
        return VW_TRANSLATABLE(
            "airhandler::Economizer",
            "The outdoor dry bulb is above the economizer's high limit: minimum outdoor air.");
    }
    return i18n::Text{"airhandler::Economizer", ""};
}

std::string_view Describe(EconomizerReason reason) noexcept {
    return EconomizerText(reason).source;
}

namespace {

// The passes that bring the "to supply" components to where the chain ends
// at the supply air. Each pass moves their targets by what the chain missed
// by; the later components shift the air by nearly the same amount whatever
// its state, so the miss shrinks by orders of magnitude per pass.
constexpr int kMaxClosingPasses = 40;
constexpr double kClosedDryBulbF = 1e-9;
constexpr double kClosedHumidityRatio = 1e-12;
// A miss in humidity ratio weighed against one in dry bulb: 1e-4 lb/lb is
// about what one °F of dew point moves at room conditions.
constexpr double kDryBulbPerHumidityRatio = 1e4;
// A pass that does not shrink the miss to this share stops the passes: the
// chain cannot close (a component is off, or at its limit).
constexpr double kProgress = 0.9;
// Each room load delivered within this share.
constexpr double kRoomLoadTolerance = 0.01;

constexpr std::string_view kTooSmall = notes::kTooSmall.source;
constexpr std::string_view kBlowThrough = notes::kBlowThrough.source;
constexpr std::string_view kDrawThrough = notes::kDrawThrough.source;

Issue At(Issue issue, int component) {
    issue.component = component;
    return issue;
}

EconomizerDecision Decide(const MixingBox* box, Duty duty, const AirState& outdoor,
                          const AirState& ret, UnitSystem system) {
    if (!box || box->economizer == Economizer::None)
        return {false, EconomizerReason::NoEconomizer};
    if (duty == Duty::Heating)
        return {false, EconomizerReason::Heating};
    if (box->highLimitDryBulbF && outdoor.dryBulbF > *box->highLimitDryBulbF)
        return {false, EconomizerReason::AboveHighLimit};
    if (box->economizer == Economizer::DryBulb)
        return outdoor.dryBulbF < ret.dryBulbF
                   ? EconomizerDecision{true, EconomizerReason::OutdoorDryBulbBelow}
                   : EconomizerDecision{false, EconomizerReason::OutdoorDryBulbNotBelow};
    const double ho = air::Enthalpy(outdoor.dryBulbF, outdoor.humidityRatio, system);
    const double hr = air::Enthalpy(ret.dryBulbF, ret.humidityRatio, system);
    return ho < hr ? EconomizerDecision{true, EconomizerReason::OutdoorEnthalpyBelow}
                   : EconomizerDecision{false, EconomizerReason::OutdoorEnthalpyNotBelow};
}

// The volume airflow in cfm that carries m lb/h of dry air at the point, for
// the processes' functions that take airflows.
Outcome<processes::Airflow> AirflowOf(const AirState& at, double m) {
    const auto q = processes::VolumeFlow(at, m, AirflowUnit::Cfm);
    if (!q)
        return Issue{Reason::CalculationFault, q.problem(), -1};
    return *q;
}

// Outdoor air (at the mixing box) and return air mixed by processes::Mix;
// one of the two alone where the other has no flow.
Outcome<AirState> Mixed(const AirState& outdoor, double mOutdoor, const AirState& ret,
                        double mReturn, UnitSystem system) {
    if (!(mOutdoor > 0.0))
        return ret;
    if (!(mReturn > 0.0))
        return outdoor;
    const auto qo = AirflowOf(outdoor, mOutdoor);
    const auto qr = AirflowOf(ret, mReturn);
    if (!qo || !qr)
        return Reason::CalculationFault;
    const auto mix = processes::Mix(outdoor, *qo, ret, *qr, system);
    if (!mix)
        return Issue{Reason::MixtureNotAir, mix.problem(), -1};
    return mix->air;
}

// A component's row with its process and loads.
Outcome<ComponentResult> Row(const Component& component, Stream stream, const AirState& entering,
                             const detail::Step& step, double m, UnitSystem system) {
    ComponentResult r;
    r.name = ComponentName(component);
    r.stream = stream;
    r.entering = entering;
    r.leaving = step.leaving;
    r.dryAirLbPerHour = m;
    r.active = step.active;
    r.note = step.note;
    r.coil = step.coil;
    r.exhaust = step.exhaust;
    if (!r.active)
        return r;
    if (processes::SameAir(entering, step.leaving)) {
        r.note = kTooSmall;
        return r;
    }
    const auto q = AirflowOf(entering, m);
    if (!q)
        return q.issue();
    const auto analysis = processes::AnalyseProcess(entering, step.leaving, system, *q);
    if (!analysis)
        return Issue{Reason::CalculationFault, analysis.problem(), -1};
    r.analysis = *analysis;
    return r;
}

RoomLoadCheck CheckRoomLoads(const AirState& end, const AirState& room, double m, double qs,
                             double ql, UnitSystem system) {
    RoomLoadCheck check;
    if (!processes::SameAir(end, room)) {
        const auto q = processes::VolumeFlow(end, m, AirflowUnit::Cfm);
        const auto analysis =
            q ? processes::AnalyseProcess(end, room, system, *q)
              : processes::Outcome<processes::ProcessAnalysis>(Problem::CalculationFault);
        if (analysis && analysis->loads) {
            check.sensible = analysis->loads->sensible;
            check.latent = analysis->loads->latent;
        }
    }
    const double floor = kRoomLoadTolerance * (std::fabs(qs) + std::fabs(ql));
    const auto within = [&](double delivered, double load) {
        const double tolerance = load != 0.0 ? kRoomLoadTolerance * std::fabs(load) : floor;
        return std::fabs(delivered - load) <= tolerance;
    };
    const auto percent = [](double delivered, double load) -> std::optional<double> {
        if (load == 0.0)
            return std::nullopt;
        return psy::units::FractionToPercent(delivered / load);
    };
    check.sensiblePercent = percent(check.sensible.btuPerHour, qs);
    check.latentPercent = percent(check.latent.btuPerHour, ql);
    check.met = within(check.sensible.btuPerHour, qs) && within(check.latent.btuPerHour, ql);
    return check;
}

Rollup Totals(const std::vector<ComponentResult>& rows, const DesignCase& c) {
    Rollup total;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ComponentResult& r = rows[i];
        if (!r.analysis || !r.analysis->loads)
            continue;
        const processes::ProcessLoads& loads = *r.analysis->loads;
        const Component& component = c.components[i];
        if (std::holds_alternative<CoolingCoil>(component)) {
            total.cooling.btuPerHour -= loads.total.btuPerHour;
            total.coolingSensible.btuPerHour -= loads.sensible.btuPerHour;
            total.coolingLatent.btuPerHour -= loads.latent.btuPerHour;
            total.condensateLbPerHour -= loads.waterLbPerHour;
        } else if (std::holds_alternative<HeatingCoil>(component)) {
            total.heating.btuPerHour += loads.total.btuPerHour;
        } else if (std::holds_alternative<SupplyFan>(component)) {
            total.fan.btuPerHour += loads.total.btuPerHour;
        } else if (std::holds_alternative<HeatRecovery>(component)) {
            total.recovered.btuPerHour += loads.total.btuPerHour;
        } else if (const auto* h = std::get_if<Humidifier>(&component)) {
            total.humidifierWaterLbPerHour += loads.waterLbPerHour;
            if (h->kind == HumidifierKind::Steam)
                total.steam.btuPerHour += loads.total.btuPerHour;
        }
    }
    return total;
}

// Notes each running fan as blow- or draw-through by where the cooling coil
// stands.
void NoteFans(std::vector<ComponentResult>& rows, const DesignCase& c) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!std::holds_alternative<SupplyFan>(c.components[i]) || !rows[i].active ||
            !rows[i].note.empty())
            continue;
        const auto isCoil = [&](std::size_t k) {
            return std::holds_alternative<CoolingCoil>(c.components[k]) &&
                   rows[k].stream == rows[i].stream;
        };
        for (std::size_t k = i + 1; k < rows.size() && rows[i].note.empty(); ++k)
            if (isCoil(k))
                rows[i].note = kBlowThrough;
        for (std::size_t k = 0; k < i && rows[i].note.empty(); ++k)
            if (isCoil(k))
                rows[i].note = kDrawThrough;
    }
}

Outcome<CaseSolution> Unguarded(const Design& design, Season season) {
    const DesignCase& c = design.of(season);
    const double p = design.pressurePsia;
    const UnitSystem system = design.system;

    // The room, the outdoor air and their pressure.
    if (!(p > 0.0 && p <= psy::kMaxAtmosphericPressurePsia))
        return Reason::PressureOutOfRange;
    if (const auto problem = processes::CheckAir(c.room))
        return Issue{Reason::RoomNotAir, *problem, -1};
    if (const auto problem = processes::CheckAir(c.outdoor))
        return Issue{Reason::OutdoorNotAir, *problem, -1};
    const AirState atPressure{0.0, 0.0, p};
    if (!processes::SamePressure(c.room, atPressure) ||
        !processes::SamePressure(c.outdoor, atPressure))
        return Issue{Reason::StateAtOtherPressure, Problem::DifferentPressures, -1};

    // The supply air on the room's SHR line.
    const double qs = c.roomSensibleBtuPerHour;
    const double ql = c.roomLatentBtuPerHour;
    CaseSolution s;
    s.duty = c.duty;
    s.shrLine = ShrLine(c.room, qs, ql, system);
    const auto supply = SupplyOnLine(s.shrLine, c.duty, c.supply);
    if (!supply)
        return supply.issue();
    s.sensibleHeatRatio = s.shrLine.sensibleHeatRatio();
    s.shrLineSaturation = s.shrLine.saturationEnd(c.duty);
    s.room = c.room;
    s.supply = supply->air;
    const double mSupply = supply->dryAirLbPerHour;
    s.supplyDryAirLbPerHour = mSupply;
    const auto supplyAirflow = processes::VolumeFlow(s.supply, mSupply, design.airflowUnit);
    if (!supplyAirflow)
        return Issue{Reason::CalculationFault, supplyAirflow.problem(), -1};
    s.supplyAirflow = *supplyAirflow;

    // The minimum outdoor air.
    s.outdoor = c.outdoor;
    double mOutdoor = 0.0;
    if (c.outdoorAir.by == OutdoorAirBy::Airflow) {
        const double cfm = processes::ToCfm(c.outdoorAir.airflow);
        if (std::isnan(cfm) || cfm < 0.0)
            return Reason::NegativeOutdoorAir;
        if (std::isinf(cfm))
            return Reason::OutdoorAirExceedsSupply;
        if (cfm > 0.0) {
            const auto m = processes::DryAirMassFlow(c.outdoor, c.outdoorAir.airflow);
            if (!m)
                return Issue{Reason::CalculationFault, m.problem(), -1};
            mOutdoor = *m;
        }
    } else {
        const double share = c.outdoorAir.share;
        if (std::isnan(share) || share < 0.0)
            return Reason::NegativeOutdoorAir;
        if (share > 1.0)
            return Reason::OutdoorAirExceedsSupply;
        mOutdoor = share * mSupply;
    }
    if (mOutdoor > mSupply * (1.0 + 1e-9))
        return Reason::OutdoorAirExceedsSupply;
    mOutdoor = std::min(mOutdoor, mSupply);

    // The chain: its settings, where the mixing box stands, what may stand
    // on either side of it.
    const int n = static_cast<int>(c.components.size());
    int mixAt = -1;
    // Components to the supply's dry bulb and humidity ratio, by the way
    // they move the air (raising, lowering).
    int dryBulbTargets[3] = {0, 0, 0};
    int humidityTargets[3] = {0, 0, 0};
    for (int i = 0; i < n; ++i) {
        const Component& component = c.components[static_cast<std::size_t>(i)];
        if (const auto reason = detail::CheckSettings(component))
            return Issue{*reason, std::nullopt, i};
        if (std::holds_alternative<MixingBox>(component)) {
            if (mixAt >= 0)
                return Issue{Reason::SeveralMixingBoxes, std::nullopt, i};
            mixAt = i;
        }
    }
    for (int i = 0; i < n; ++i) {
        const Component& component = c.components[static_cast<std::size_t>(i)];
        const bool outdoorSide = i < mixAt;
        if (!outdoorSide && std::holds_alternative<HeatRecovery>(component))
            return Issue{Reason::RecoveryAfterMixing, std::nullopt, i};
        const auto dryBulb = detail::DryBulbTarget(component);
        const auto humidity = detail::HumidityTarget(component);
        if (outdoorSide && (dryBulb != detail::Way::None || humidity != detail::Way::None))
            return Issue{Reason::ToSupplyOnOutdoorAir, std::nullopt, i};
        if (dryBulb != detail::Way::None && ++dryBulbTargets[static_cast<int>(dryBulb)] > 1)
            return Issue{Reason::SeveralToSupplyDryBulb, std::nullopt, i};
        if (humidity != detail::Way::None && ++humidityTargets[static_cast<int>(humidity)] > 1)
            return Issue{Reason::SeveralToSupplyHumidity, std::nullopt, i};
    }

    // The economizer opens beyond the minimum outdoor air.
    const MixingBox* box =
        mixAt >= 0 ? &std::get<MixingBox>(c.components[static_cast<std::size_t>(mixAt)]) : nullptr;
    if (box && box->economizer != Economizer::None && box->maximumShare * mSupply < mOutdoor)
        return Issue{Reason::BadEconomizerShare, std::nullopt, mixAt};
    s.economizer = Decide(box, c.duty, c.outdoor, c.room, system);
    if (s.economizer.economizing)
        mOutdoor = std::max(mOutdoor, box->maximumShare * mSupply);
    s.outdoorDryAirLbPerHour = mOutdoor;
    s.outdoorShare = mOutdoor / mSupply;
    if (mOutdoor > 0.0) {
        const auto q = processes::VolumeFlow(c.outdoor, mOutdoor, design.airflowUnit);
        if (!q)
            return Issue{Reason::CalculationFault, q.problem(), -1};
        s.outdoorAirflow = *q;
    }
    const double mReturn = mSupply - mOutdoor;
    s.returnDryAirLbPerHour = mReturn;

    const detail::Context context{system, c.room, mSupply, s.economizer.economizing};
    s.components.reserve(c.components.size());

    // The outdoor air alone, up to the mixing box.
    if (mixAt > 0 && !(mOutdoor > 0.0))
        return Issue{Reason::NoOutdoorAirToTreat, std::nullopt, 0};
    AirState stream = c.outdoor;
    for (int i = 0; i < mixAt; ++i) {
        const Component& component = c.components[static_cast<std::size_t>(i)];
        const auto step = detail::Apply(component, stream, mOutdoor, context, {}, true);
        if (!step)
            return At(step.issue(), i);
        const auto row = Row(component, Stream::OutdoorAir, stream, *step, mOutdoor, system);
        if (!row)
            return At(row.issue(), i);
        s.components.push_back(*row);
        stream = step->leaving;
    }

    // Mixed with the return air.
    const auto mixed = Mixed(stream, mOutdoor, c.room, mReturn, system);
    if (!mixed)
        return At(mixed.issue(), mixAt);
    s.mixed = *mixed;
    if (box) {
        ComponentResult r;
        r.name = ComponentName(*box);
        r.stream = Stream::SupplyAir;
        r.entering = stream;
        r.leaving = s.mixed;
        r.dryAirLbPerHour = mSupply;
        r.active = mOutdoor > 0.0 && mReturn > 0.0;
        r.note = Describe(s.economizer.reason);
        r.economizer = s.economizer;
        s.components.push_back(r);
    }

    // The whole supply air, from the mixing box on.
    const auto run = [&](const detail::Targets& targets, bool final,
                         std::vector<ComponentResult>* rows) -> Outcome<AirState> {
        AirState a = s.mixed;
        for (int i = mixAt + 1; i < n; ++i) {
            const Component& component = c.components[static_cast<std::size_t>(i)];
            const auto step = detail::Apply(component, a, mSupply, context, targets, final);
            if (!step)
                return At(step.issue(), i);
            if (rows) {
                const auto row = Row(component, Stream::SupplyAir, a, *step, mSupply, system);
                if (!row)
                    return At(row.issue(), i);
                rows->push_back(*row);
            }
            a = step->leaving;
        }
        return a;
    };

    detail::Targets targets{s.supply.dryBulbF, s.supply.humidityRatio};
    const bool closesDryBulb = dryBulbTargets[1] + dryBulbTargets[2] > 0;
    const bool closesHumidity = humidityTargets[1] + humidityTargets[2] > 0;
    if (closesDryBulb || closesHumidity) {
        detail::Targets best = targets;
        double bestMiss = std::numeric_limits<double>::infinity();
        for (int pass = 0; pass < kMaxClosingPasses; ++pass) {
            const auto end = run(targets, false, nullptr);
            if (!end)
                return end.issue();
            const double dt = closesDryBulb ? s.supply.dryBulbF - end->dryBulbF : 0.0;
            const double dw = closesHumidity ? s.supply.humidityRatio - end->humidityRatio : 0.0;
            const double miss = std::fabs(dt) + kDryBulbPerHumidityRatio * std::fabs(dw);
            const bool closed =
                std::fabs(dt) <= kClosedDryBulbF && std::fabs(dw) <= kClosedHumidityRatio;
            if (miss < bestMiss) {
                const bool stalled = miss > kProgress * bestMiss;
                best = targets;
                bestMiss = miss;
                if (stalled)
                    break;
            } else {
                break;
            }
            if (closed)
                break;
            targets.dryBulbF += dt;
            targets.humidityRatio += dw;
        }
        targets = best;
    }
    const auto end = run(targets, true, &s.components);
    if (!end)
        return end.issue();
    s.chainEnd = *end;
    NoteFans(s.components, c);

    s.roomCheck = CheckRoomLoads(s.chainEnd, s.room, mSupply, qs, ql, system);
    s.reachesSupply = s.roomCheck.met;
    s.rollup = Totals(s.components, c);
    return s;
}

} // namespace

std::optional<Issue> CheckComponentSettings(const DesignCase& designCase) {
    for (std::size_t i = 0; i < designCase.components.size(); ++i) {
        if (const auto reason = detail::CheckSettings(designCase.components[i]))
            return Issue{*reason, std::nullopt, static_cast<int>(i)};
    }
    return std::nullopt;
}

Outcome<CaseSolution> SolveCase(const Design& design, Season season) {
    return detail::Guarded([&]() -> Outcome<CaseSolution> { return Unguarded(design, season); });
}

Solution Solve(const Design& design) {
    return Solution{design.system, design.airflowUnit, SolveCase(design, Season::Summer),
                    SolveCase(design, Season::Winter)};
}

} // namespace airhandler
