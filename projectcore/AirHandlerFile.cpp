// The air handler in the project file: see ProjectFile.h for its JSON.

#include "projectcore/FileReader.h"

#include <algorithm>
#include <type_traits>

namespace project::file {

namespace {

using namespace airhandler;
using airhandler::Season;

template <typename E, std::size_t N>
using Names = std::array<std::pair<E, const char*>, N>;

constexpr Names<Duty, 2> kDuties{{{Duty::Cooling, "cooling"}, {Duty::Heating, "heating"}}};
constexpr Names<SupplyBy, 3> kSupplyBy{{{SupplyBy::DryBulb, "dryBulb"},
                                        {SupplyBy::TemperatureDifference, "temperatureDifference"},
                                        {SupplyBy::Airflow, "airflow"}}};
constexpr Names<OutdoorAirBy, 2> kOutdoorAirBy{
    {{OutdoorAirBy::Airflow, "airflow"}, {OutdoorAirBy::Share, "share"}}};
constexpr Names<Exchanger, 2> kExchangers{
    {{Exchanger::Wheel, "wheel"}, {Exchanger::Plate, "plate"}}};
constexpr Names<Economizer, 3> kEconomizers{{{Economizer::None, "none"},
                                             {Economizer::DryBulb, "dryBulb"},
                                             {Economizer::Enthalpy, "enthalpy"}}};
constexpr Names<HeatingRole, 2> kHeatingRoles{
    {{HeatingRole::Preheat, "preheat"}, {HeatingRole::Reheat, "reheat"}}};
constexpr Names<HeatingBy, 3> kHeatingBy{{{HeatingBy::LeavingDryBulb, "leavingDryBulb"},
                                          {HeatingBy::Rise, "rise"},
                                          {HeatingBy::ToSupply, "toSupply"}}};
constexpr Names<CoolingBy, 4> kCoolingBy{{{CoolingBy::LeavingDryBulbAndRh, "leavingDryBulbAndRh"},
                                          {CoolingBy::ApparatusDewPoint, "apparatusDewPoint"},
                                          {CoolingBy::ToSupplyHumidity, "toSupplyHumidity"},
                                          {CoolingBy::ToSupplyState, "toSupplyState"}}};
constexpr Names<FanBy, 2> kFanBy{{{FanBy::Power, "power"}, {FanBy::Rise, "rise"}}};
constexpr Names<PowerUnit, 2> kPowerUnits{
    {{PowerUnit::Kilowatts, "kW"}, {PowerUnit::Horsepower, "hp"}}};
constexpr Names<HumidifierKind, 2> kHumidifierKinds{
    {{HumidifierKind::Steam, "steam"}, {HumidifierKind::Adiabatic, "adiabatic"}}};
constexpr Names<HumidifierBy, 3> kHumidifierBy{{{HumidifierBy::LeavingDewPoint, "leavingDewPoint"},
                                                {HumidifierBy::LeavingRh, "leavingRh"},
                                                {HumidifierBy::ToSupply, "toSupply"}}};

// The kinds of component under their names, in the order of the variant.
enum class Kind { HeatRecovery, MixingBox, HeatingCoil, CoolingCoil, SupplyFan, Humidifier };
constexpr Names<Kind, 6> kKinds{{{Kind::HeatRecovery, "heatRecovery"},
                                 {Kind::MixingBox, "mixingBox"},
                                 {Kind::HeatingCoil, "heatingCoil"},
                                 {Kind::CoolingCoil, "coolingCoil"},
                                 {Kind::SupplyFan, "supplyFan"},
                                 {Kind::Humidifier, "humidifier"}}};

Component readComponent(Reader& r, const Value& o) {
    switch (r.choice(o, "type", kKinds)) {
    case Kind::HeatRecovery: {
        HeatRecovery c;
        c.exchanger = r.choice(o, "exchanger", kExchangers);
        c.sensibleEffectiveness = r.number(o, "sensibleEffectiveness");
        c.latentEffectiveness = r.number(o, "latentEffectiveness");
        if (const auto given = o.find("exhaustAirflow"); given != o.end())
            c.exhaustAirflow = r.airflow(*given, "the heat recovery's exhaust");
        return c;
    }
    case Kind::MixingBox: {
        MixingBox c;
        c.economizer = r.choice(o, "economizer", kEconomizers);
        if (o.contains("highLimitDryBulbF"))
            c.highLimitDryBulbF = r.number(o, "highLimitDryBulbF");
        c.maximumShare = r.number(o, "maximumShare");
        return c;
    }
    case Kind::HeatingCoil: {
        HeatingCoil c;
        c.role = r.choice(o, "role", kHeatingRoles);
        c.by = r.choice(o, "by", kHeatingBy);
        c.leavingDryBulbF = r.number(o, "leavingDryBulbF");
        c.riseF = r.number(o, "riseF");
        return c;
    }
    case Kind::CoolingCoil: {
        CoolingCoil c;
        c.by = r.choice(o, "by", kCoolingBy);
        c.leavingDryBulbF = r.number(o, "leavingDryBulbF");
        c.leavingRelativeHumidity = r.number(o, "leavingRelativeHumidity");
        c.apparatusDewPointF = r.number(o, "apparatusDewPointF");
        c.bypassFactor = r.number(o, "bypassFactor");
        return c;
    }
    case Kind::SupplyFan: {
        SupplyFan c;
        c.by = r.choice(o, "by", kFanBy);
        c.power = r.number(o, "power");
        c.powerUnit = r.choice(o, "powerUnit", kPowerUnits);
        c.motorEfficiency = r.number(o, "motorEfficiency");
        c.motorInAirstream = r.boolean(o, "motorInAirstream");
        c.riseF = r.number(o, "riseF");
        return c;
    }
    case Kind::Humidifier:
        break;
    }
    Humidifier c;
    c.kind = r.choice(o, "kind", kHumidifierKinds);
    c.by = r.choice(o, "by", kHumidifierBy);
    c.leavingDewPointF = r.number(o, "leavingDewPointF");
    c.leavingRelativeHumidity = r.number(o, "leavingRelativeHumidity");
    c.steamTemperatureF = r.number(o, "steamTemperatureF");
    return c;
}

std::optional<AirHandlerCase> readCase(Reader& r, const Value& o) {
    AirHandlerCase c;
    c.duty = r.choice(o, "duty", kDuties);
    if (r.failed())
        return std::nullopt;
    const auto room = r.definition(r.object(r.member(o, "room"), "\"room\""), "the room air");
    if (!room)
        return std::nullopt;
    const auto outdoor =
        r.definition(r.object(r.member(o, "outdoor"), "\"outdoor\""), "the outdoor air");
    if (!outdoor)
        return std::nullopt;
    c.room = *room;
    c.outdoor = *outdoor;
    c.roomSensibleBtuPerHour = r.number(o, "roomSensibleBtuPerHour");
    c.roomLatentBtuPerHour = r.number(o, "roomLatentBtuPerHour");

    const Value& supply = r.object(r.member(o, "supply"), "\"supply\"");
    c.supply.by = r.choice(supply, "by", kSupplyBy);
    c.supply.dryBulbF = r.number(supply, "dryBulbF");
    c.supply.differenceF = r.number(supply, "differenceF");
    if (const auto airflow = r.airflow(r.member(supply, "airflow"), "the supply"))
        c.supply.airflow = *airflow;

    const Value& outdoorAir = r.object(r.member(o, "outdoorAir"), "\"outdoorAir\"");
    c.outdoorAir.by = r.choice(outdoorAir, "by", kOutdoorAirBy);
    if (const auto airflow = r.airflow(r.member(outdoorAir, "airflow"), "the outdoor air"))
        c.outdoorAir.airflow = *airflow;
    c.outdoorAir.share = r.number(outdoorAir, "share");
    if (r.failed())
        return std::nullopt;

    const Value& components = r.array(o, "components");
    c.components.reserve(components.size());
    for (const Value& v : components) {
        c.components.push_back(readComponent(r, r.object(v, "a component")));
        if (r.failed())
            return std::nullopt;
    }
    return c;
}

Value writeComponent(const Component& component) {
    return std::visit(
        [](const auto& c) -> Value {
            using C = std::decay_t<decltype(c)>;
            if constexpr (std::is_same_v<C, HeatRecovery>) {
                Value o{{"type", "heatRecovery"},
                        {"exchanger", NameOf(c.exchanger, kExchangers)},
                        {"sensibleEffectiveness", c.sensibleEffectiveness},
                        {"latentEffectiveness", c.latentEffectiveness}};
                if (c.exhaustAirflow)
                    o["exhaustAirflow"] = WriteAirflow(*c.exhaustAirflow);
                return o;
            } else if constexpr (std::is_same_v<C, MixingBox>) {
                Value o{{"type", "mixingBox"},
                        {"economizer", NameOf(c.economizer, kEconomizers)},
                        {"maximumShare", c.maximumShare}};
                if (c.highLimitDryBulbF)
                    o["highLimitDryBulbF"] = *c.highLimitDryBulbF;
                return o;
            } else if constexpr (std::is_same_v<C, HeatingCoil>) {
                return {{"type", "heatingCoil"},
                        {"role", NameOf(c.role, kHeatingRoles)},
                        {"by", NameOf(c.by, kHeatingBy)},
                        {"leavingDryBulbF", c.leavingDryBulbF},
                        {"riseF", c.riseF}};
            } else if constexpr (std::is_same_v<C, CoolingCoil>) {
                return {{"type", "coolingCoil"},
                        {"by", NameOf(c.by, kCoolingBy)},
                        {"leavingDryBulbF", c.leavingDryBulbF},
                        {"leavingRelativeHumidity", c.leavingRelativeHumidity},
                        {"apparatusDewPointF", c.apparatusDewPointF},
                        {"bypassFactor", c.bypassFactor}};
            } else if constexpr (std::is_same_v<C, SupplyFan>) {
                return {{"type", "supplyFan"},
                        {"by", NameOf(c.by, kFanBy)},
                        {"power", c.power},
                        {"powerUnit", NameOf(c.powerUnit, kPowerUnits)},
                        {"motorEfficiency", c.motorEfficiency},
                        {"motorInAirstream", c.motorInAirstream},
                        {"riseF", c.riseF}};
            } else {
                return {{"type", "humidifier"},
                        {"kind", NameOf(c.kind, kHumidifierKinds)},
                        {"by", NameOf(c.by, kHumidifierBy)},
                        {"leavingDewPointF", c.leavingDewPointF},
                        {"leavingRelativeHumidity", c.leavingRelativeHumidity},
                        {"steamTemperatureF", c.steamTemperatureF}};
            }
        },
        component);
}

Value writeCase(const AirHandlerCase& c) {
    Value components = Value::array();
    for (const Component& component : c.components)
        components.push_back(writeComponent(component));
    return {{"duty", NameOf(c.duty, kDuties)},
            {"room", {{"inputs", WriteInputs(c.room)}}},
            {"outdoor", {{"inputs", WriteInputs(c.outdoor)}}},
            {"roomSensibleBtuPerHour", c.roomSensibleBtuPerHour},
            {"roomLatentBtuPerHour", c.roomLatentBtuPerHour},
            {"supply",
             {{"by", NameOf(c.supply.by, kSupplyBy)},
              {"dryBulbF", c.supply.dryBulbF},
              {"differenceF", c.supply.differenceF},
              {"airflow", WriteAirflow(c.supply.airflow)}}},
            {"outdoorAir",
             {{"by", NameOf(c.outdoorAir.by, kOutdoorAirBy)},
              {"airflow", WriteAirflow(c.outdoorAir.airflow)},
              {"share", c.outdoorAir.share}}},
            {"components", std::move(components)}};
}

} // namespace

std::optional<AirHandlerSetup> ReadAirHandler(Reader& reader, const Value& o) {
    AirHandlerSetup setup;
    reader.setPart("air handler: ");
    const std::string unit = reader.text(o, "airflowUnit");
    const auto found = std::find_if(kAirflowUnits.begin(), kAirflowUnits.end(),
                                    [&unit](const auto& u) { return unit == u.second; });
    if (found == kAirflowUnits.end())
        reader.bad("\"airflowUnit\" is not a known airflow unit");
    else
        setup.airflowUnit = found->first;
    for (const auto& [season, key] :
         {std::pair{Season::Summer, "summer"}, std::pair{Season::Winter, "winter"}}) {
        const Value& given = reader.member(o, key);
        if (reader.failed())
            return std::nullopt;
        reader.setPart(std::string("air handler, ") + key + ": ");
        auto read = readCase(reader, reader.object(given, "the case"));
        if (!read)
            return std::nullopt;
        setup.of(season) = std::move(*read);
    }
    reader.setPart("air handler: ");
    if (!reader.failed()) {
        if (auto problem = CheckAirHandler(setup))
            reader.bad(*problem);
    }
    reader.setPart({});
    if (reader.failed())
        return std::nullopt;
    return setup;
}

Value WriteAirHandler(const AirHandlerSetup& setup) {
    return {{"airflowUnit", NameOf(setup.airflowUnit, kAirflowUnits)},
            {"summer", writeCase(setup.summer)},
            {"winter", writeCase(setup.winter)}};
}

} // namespace project::file
