#include "python/StateRows.h"

#include "batch/Header.h"
#include "batch/Solve.h"
#include "core/ComputeCore.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "engine/FloatingPointFault.h"
#include "engine/PsychroFun.h"
#include "units/Conversions.h"
#include "units/UnitCatalogue.h"
#include "weather/Columns.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace pyrows {

namespace {

namespace psy = basPsychroFun;
namespace col = weather::columns;
using calculator::Reason;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The calculator field whose unit list a quantity's position refers to.
int FieldOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::DryBulb:
        return calculator::kDryBulb;
    case Quantity::WetBulb:
        return calculator::kWetBulb;
    case Quantity::RelativeHumidity:
        return calculator::kRelativeHumidity;
    case Quantity::HumidityRatio:
        return calculator::kHumidityRatio;
    case Quantity::Enthalpy:
        return calculator::kEnthalpy;
    case Quantity::DewPoint:
        return calculator::kDewPoint;
    case Quantity::Pressure:
        return calculator::kAtmosphericPressure;
    case Quantity::Altitude:
        return calculator::kAltitude;
    }
    return calculator::kDryBulb;
}

int FieldOf(Property property) {
    using namespace calculator;
    constexpr std::array<int, kPropertyCount> kFields{kDryBulb,
                                                      kWetBulb,
                                                      kDewPoint,
                                                      kRelativeHumidity,
                                                      kHumidityRatio,
                                                      kEnthalpy,
                                                      kVaporPressure,
                                                      kDegreeOfSaturation,
                                                      kSpecificVolume,
                                                      kDensity,
                                                      kAbsoluteHumidity,
                                                      kMoistureConcentration,
                                                      kAtmosphericPressure,
                                                      kAltitude};
    return kFields[static_cast<std::size_t>(property)];
}

// The place of a unit in a unit list.
int PositionIn(std::string_view tag, std::string_view unit) {
    const auto units = basLoadUnits::UnitsOf(tag);
    return static_cast<int>(std::find(units.begin(), units.end(), unit) - units.begin());
}

// Metric pressures are given in kilopascals, where the calculator's metric
// system selects millibars.
int KiloPascalPosition() {
    return PositionIn(basLoadUnits::kPress, "kPa");
}

// The unit of field `field` in `system`: the unit the calculator selects for
// the system, except kilopascals for metric pressures.
int SystemPosition(int field, UnitSystem system) {
    if (system == UnitSystem::SI &&
        (field == calculator::kVaporPressure || field == calculator::kAtmosphericPressure))
        return KiloPascalPosition();
    return calculator::UnitSystemPosition(field, system);
}

// How a property is read from the state in its unit: the value kept in
// CalcState, converted from the base unit by the unit list's own conversion
// where the unit is not the base one, as calculator::DisplayValue renders a
// field. Found once per request, so that a row does not look its units up.
struct Rendering {
    float CalcState::*value = nullptr; // nullptr: through DisplayValue
    int position = 0;
    float (*convert)(double, int) noexcept = nullptr; // nullptr: the base unit
};

Rendering RenderingOf(int field, int position) {
    using namespace basConversions;
    using basPsychroFun::ConvertTemperatureFromBase;
    struct Known {
        int field;
        float CalcState::*value;
        int basePosition;
        float (*convert)(double, int) noexcept;
    };
    constexpr std::array<Known, 11> kKnown{{
        {calculator::kDryBulb, &CalcState::Tdb, 0, &ConvertTemperatureFromBase},
        {calculator::kWetBulb, &CalcState::Twb, 0, &ConvertTemperatureFromBase},
        {calculator::kDewPoint, &CalcState::Tdp, 0, &ConvertTemperatureFromBase},
        {calculator::kHumidityRatio, &CalcState::W, 1, &ConvertHumidityRatioFromBase},
        {calculator::kEnthalpy, &CalcState::H, 0, &ConvertEnthalpyFromBase},
        {calculator::kVaporPressure, &CalcState::Pw, 0, &ConvertPressureFromBase},
        {calculator::kSpecificVolume, &CalcState::V, 0, &ConvertSpecificVolumeFromBase},
        {calculator::kDensity, &CalcState::Rho, 0, &ConvertDensityFromBase},
        {calculator::kAbsoluteHumidity, &CalcState::Dv, 1, &ConvertAbsoluteHumidityFromBase},
        {calculator::kAtmosphericPressure, &CalcState::Patm, 0, &ConvertPressureFromBase},
        {calculator::kAltitude, &CalcState::Alt, 0, &ConvertAltitudeFromBase},
    }};
    for (const Known& k : kKnown) {
        if (k.field == field)
            return {k.value, position, position == k.basePosition ? nullptr : k.convert};
    }
    return {nullptr, position, nullptr};
}

// A value stored as the calculator stores it typed into field `field` in the
// unit at `position`; a NaN is no number.
calculator::Entry Typed(double value, int field, int position) {
    if (std::isnan(value))
        return {std::nullopt, Reason::UnreadableNumber};
    return calculator::EntryOf(value, false, field, position);
}

// The humidity ratio (lb/lb) of air whose dew point is tdpF (°F) at pPsia, or
// why there is none. At the dew point the vapour is saturated,
// p_w = p_ws(t_dp), and W = 0.62198 p_w / (p - p_w) (ASHRAE Handbook of
// Fundamentals, Psychrometrics, eq. 22), both by the engine's relations.
std::optional<Reason> HumidityRatioAtDewPoint(double tdpF, double pPsia, double& w) {
    if (const auto outside = calculator::CheckTemperature(
            static_cast<float>(tdpF), Reason::DewPointBelowRange, Reason::DewPointAboveRange))
        return outside;
    if (const auto pressure = calculator::CheckPressure(static_cast<float>(pPsia)))
        return pressure;
    try {
        const double pws = psy::SaturationPressure(tdpF, "IP");
        if (pws == psy::kNoResult)
            return Reason::DewPointAboveRange;
        if (!(pws < pPsia))
            return Reason::VaporPressureAtAtmosphere;
        w = psy::HumidityRatioFromVaporPressure(pws, pPsia, "IP");
    } catch (const psy::FloatingPointFault&) {
        return Reason::NoSolution;
    }
    return std::nullopt;
}

// One row after another of a request, keeping the atmosphere of the last row
// for a run of rows at the same pressure or altitude.
class StateRow {
public:
    StateRow(const StateRequest& request, const StateResults& results)
        : request_(request), results_(results), shown_(psy::SelectorOf(request.system)),
          altitudeGiven_(request.atmosphere && request.atmosphere->quantity == Quantity::Altitude) {
        // An enthalpy belongs to the formulation of its unit (kJ/kg: metric,
        // zero at 0 °C); the state is solved in it and shown in the system.
        base_.UnitSystem = std::string(shown_);
        const int kiloJoulePerKilogram = PositionIn(basLoadUnits::kEnth, "kJ/kg");
        for (const NamedColumn& input : request.inputs) {
            if (input.quantity == Quantity::Enthalpy)
                base_.UnitSystem = input.position == kiloJoulePerKilogram ? "SI" : "IP";
        }
        base_.Patm = batch::Atmosphere{}.value;
        base_.Alt = 0.0f;
        for (std::size_t p = 0; p < kPropertyCount; ++p) {
            const int field = FieldOf(static_cast<Property>(p));
            renderings_[p] = RenderingOf(field, SystemPosition(field, request.system));
        }
    }

    void operator()(std::size_t i, const Cursor& at) {
        if (const std::optional<Reason> problem = solve(at)) {
            for (double* out : results_.properties) {
                if (out != nullptr)
                    out[i] = kNaN;
            }
            results_.reasons[i] = ReasonCode(*problem);
            return;
        }
        for (std::size_t p = 0; p < kPropertyCount; ++p) {
            if (results_.properties[p] != nullptr)
                results_.properties[p][i] = shown(static_cast<Property>(p));
        }
        results_.reasons[i] = kRealAir;
    }

private:
    std::optional<Reason> solve(const Cursor& at) {
        state_ = base_;
        std::array<int, 2> fields{};
        std::optional<float> dewPointF;
        for (std::size_t k = 0; k < 2; ++k) {
            const NamedColumn& input = request_.inputs[k];
            // A dew point is typed as any temperature is.
            const bool dewPoint = input.quantity == Quantity::DewPoint;
            const int field = dewPoint ? calculator::kDryBulb : FieldOf(input.quantity);
            const calculator::Entry entry = Typed(at[k], field, input.position);
            if (!entry.value)
                return entry.problem;
            if (dewPoint) {
                dewPointF = *entry.value;
                fields[k] = calculator::kHumidityRatio;
            } else {
                calculator::StoreEntry(state_, field, *entry.value);
                fields[k] = field;
            }
        }
        if (const auto problem = atmosphere(at))
            return problem;
        if (dewPointF) {
            double w = 0.0;
            if (const auto problem = HumidityRatioAtDewPoint(static_cast<double>(*dewPointF),
                                                             static_cast<double>(state_.Patm), w))
                return problem;
            const std::optional<float> single = psy::units::ToSingle(w);
            if (!single)
                return Reason::NumberTooLarge;
            state_.W = *single;
        }
        if (fields[1] < fields[0])
            std::swap(fields[0], fields[1]);
        // In the system it is shown in, the state is solved as it stands;
        // otherwise its enthalpy moves to the other system first.
        if (state_.UnitSystem == shown_)
            return batch::SolvePair(state_, fields[0], fields[1]);
        return batch::ComputeShown(state_, fields[0], fields[1], shown_);
    }

    // The pressure and altitude of the row, as vaporwright-batch derives
    // them from its pressure or altitude column.
    std::optional<Reason> atmosphere(const Cursor& at) {
        if (!request_.atmosphere)
            return std::nullopt;
        const NamedColumn& given = *request_.atmosphere;
        const calculator::Entry entry = Typed(at[2], FieldOf(given.quantity), given.position);
        if (!entry.value)
            return entry.problem;
        if (lastAtmosphere_ != *entry.value) {
            lastAtmosphere_ = *entry.value;
            lastProblem_ =
                batch::SetAtmosphere(state_, batch::Atmosphere{altitudeGiven_, *entry.value});
            lastPatm_ = state_.Patm;
            lastAlt_ = state_.Alt;
        }
        state_.Patm = lastPatm_;
        state_.Alt = lastAlt_;
        return lastProblem_;
    }

    // A property of the solved state in its unit, NaN where the calculator
    // shows nothing.
    double shown(Property property) const {
        const int field = FieldOf(property);
        switch (property) {
        case Property::RelativeHumidity:
            // Kept as a fraction, shown in per cent: the product is formed in
            // single precision, as the calculator forms it.
            return static_cast<double>(state_.Phi * 100.0f);
        case Property::DegreeOfSaturation:
            return static_cast<double>(state_.Mu * 100.0f);
        case Property::DewPoint:
            if (!calculator::HasDewPoint(state_))
                return kNaN;
            break;
        case Property::Pressure:
            if (!altitudeGiven_ && calculator::CheckPressure(state_.Patm))
                return kNaN;
            break;
        case Property::Altitude:
            if (!altitudeGiven_ && calculator::CheckAltitude(state_.Alt))
                return kNaN;
            break;
        default:
            break;
        }
        const Rendering& r = renderings_[static_cast<std::size_t>(property)];
        if (r.value == nullptr)
            return calculator::DisplayValue(state_, field, r.position).value_or(kNaN);
        const float base = state_.*r.value;
        if (r.convert == nullptr)
            return static_cast<double>(base);
        return static_cast<double>(r.convert(static_cast<double>(base), r.position));
    }

    const StateRequest& request_;
    const StateResults& results_;
    const std::string_view shown_;
    const bool altitudeGiven_;
    std::array<Rendering, kPropertyCount> renderings_{};
    CalcState base_;
    CalcState state_;
    std::optional<float> lastAtmosphere_;
    float lastPatm_ = 0.0f;
    float lastAlt_ = 0.0f;
    std::optional<Reason> lastProblem_;
};

} // namespace

std::optional<NamedColumn> ColumnNamed(std::string_view name, UnitSystem system) {
    constexpr std::array<std::pair<std::string_view, Quantity>, 8> kNames{{
        {"dry_bulb", Quantity::DryBulb},
        {"wet_bulb", Quantity::WetBulb},
        {"relative_humidity", Quantity::RelativeHumidity},
        {"humidity_ratio", Quantity::HumidityRatio},
        {"enthalpy", Quantity::Enthalpy},
        {"dew_point", Quantity::DewPoint},
        {"pressure", Quantity::Pressure},
        {"altitude", Quantity::Altitude},
    }};
    for (const auto& [known, quantity] : kNames) {
        if (name == known)
            return NamedColumn{quantity, SystemPosition(FieldOf(quantity), system)};
    }
    // The data-file vocabulary: a quantity and its unit.
    const std::optional<col::Column> column = col::ParseColumnName(name);
    if (!column)
        return std::nullopt;
    if (column->quantity == col::Quantity::DewPoint) {
        // Typed in the temperature list, as a dry bulb of the same unit.
        const auto unit = batch::FieldUnitOf({col::Quantity::DryBulb, column->unit});
        if (!unit)
            return std::nullopt;
        return NamedColumn{Quantity::DewPoint, unit->position};
    }
    const auto unit = batch::FieldUnitOf(*column);
    if (!unit)
        return std::nullopt;
    for (int q = 0; q <= static_cast<int>(Quantity::Altitude); ++q) {
        if (FieldOf(static_cast<Quantity>(q)) == unit->field)
            return NamedColumn{static_cast<Quantity>(q), unit->position};
    }
    return std::nullopt;
}

std::string_view PropertyName(Property property) {
    constexpr std::array<std::string_view, kPropertyCount> kNames{
        "dry_bulb",        "wet_bulb", "dew_point",         "relative_humidity",
        "humidity_ratio",  "enthalpy", "vapor_pressure",    "degree_of_saturation",
        "specific_volume", "density",  "absolute_humidity", "moisture_concentration",
        "pressure",        "altitude"};
    return kNames[static_cast<std::size_t>(property)];
}

std::string_view PropertyUnit(Property property, UnitSystem system) {
    if (property == Property::RelativeHumidity || property == Property::DegreeOfSaturation)
        return "%";
    const int field = FieldOf(property);
    const auto units = basLoadUnits::UnitsOf(calculator::UnitTag(field));
    const int position = SystemPosition(field, system);
    return position >= 0 && static_cast<std::size_t>(position) < units.size()
               ? units[static_cast<std::size_t>(position)]
               : std::string_view{};
}

std::optional<std::string> CheckRequest(const StateRequest& request) {
    const auto isAtmosphere = [](Quantity q) {
        return q == Quantity::Pressure || q == Quantity::Altitude;
    };
    const Quantity a = request.inputs[0].quantity;
    const Quantity b = request.inputs[1].quantity;
    if (isAtmosphere(a) || isAtmosphere(b))
        return "The pressure or altitude is the atmosphere of the state, not one of its two "
               "inputs";
    if (request.atmosphere && !isAtmosphere(request.atmosphere->quantity))
        return "The atmosphere is a pressure or an altitude";
    if (a == b)
        return "A state needs two different inputs; one is given twice";
    if ((a == Quantity::DewPoint && b == Quantity::HumidityRatio) ||
        (a == Quantity::HumidityRatio && b == Quantity::DewPoint))
        return "Dew point and humidity ratio both fix the water in the air at a given pressure; "
               "pair either with another input";
    return std::nullopt;
}

std::optional<calculator::Reason> ReasonOfCode(int code) {
    if (code <= kRealAir || code > ReasonCode(Reason::NumberTooLarge))
        return std::nullopt;
    return static_cast<Reason>(code - 1);
}

std::string_view ReasonName(calculator::Reason reason) {
    switch (reason) {
    case Reason::NoSolution:
        return "NoSolution";
    case Reason::NotSolved:
        return "NotSolved";
    case Reason::NoDryBulb:
        return "NoDryBulb";
    case Reason::DryBulbBelowRange:
        return "DryBulbBelowRange";
    case Reason::DryBulbAboveRange:
        return "DryBulbAboveRange";
    case Reason::WetBulbBelowRange:
        return "WetBulbBelowRange";
    case Reason::WetBulbAboveRange:
        return "WetBulbAboveRange";
    case Reason::DewPointBelowRange:
        return "DewPointBelowRange";
    case Reason::DewPointAboveRange:
        return "DewPointAboveRange";
    case Reason::WetBulbAboveDryBulb:
        return "WetBulbAboveDryBulb";
    case Reason::HumidityRatioNegative:
        return "HumidityRatioNegative";
    case Reason::RelativeHumidityNegative:
        return "RelativeHumidityNegative";
    case Reason::RelativeHumidityAboveRange:
        return "RelativeHumidityAboveRange";
    case Reason::VaporPressureAtAtmosphere:
        return "VaporPressureAtAtmosphere";
    case Reason::VolumeNotPositive:
        return "VolumeNotPositive";
    case Reason::OutOfRangeMarker:
        return "OutOfRangeMarker";
    case Reason::PressureNotPositive:
        return "PressureNotPositive";
    case Reason::PressureAboveRange:
        return "PressureAboveRange";
    case Reason::AltitudeBelowRange:
        return "AltitudeBelowRange";
    case Reason::AltitudeAboveRange:
        return "AltitudeAboveRange";
    case Reason::UnreadableNumber:
        return "NotANumber";
    case Reason::NumberTooLarge:
        return "NumberTooLarge";
    }
    return {};
}

std::string ReasonLine(calculator::Reason reason, UnitSystem system) {
    // An array holds no typed text to quote: its two entry reasons are said
    // of the value.
    if (reason == Reason::UnreadableNumber)
        return "An input is not a number (NaN)";
    if (reason == Reason::NumberTooLarge)
        return "An input is too large to store";
    return calculator::ReasonText(reason, psy::SelectorOf(system));
}

void SolveRows(const StateRequest& request, const Shape& shape, std::span<const Column> columns,
               const StateResults& results, unsigned threads) {
    RunRows(shape, columns, threads, [&] { return StateRow(request, results); });
}

} // namespace pyrows
