// Speed of the air handler: re-solving the whole design after an edit
// (target: 1 ms), both cases with every kind of component, and the tables
// drawn from the solution.

#include "airhandler/Tables.h"

#include <benchmark/benchmark.h>

using namespace airhandler;

namespace {

constexpr double kSeaLevel = 14.696; // psia

// Summer: a wheel on the outdoor air, a mixing box with an enthalpy
// economizer, preheat (off), a blow-through fan by its power, a cooling coil
// to the supply's humidity ratio, reheat to its dry bulb and an adiabatic
// humidifier (off). Winter: preheat against frost, the wheel, the mixing box,
// a fan by its rise, reheat to the supply and a steam humidifier to it.
Design EveryComponent() {
    Design d;
    HeatRecovery wheel;
    wheel.sensibleEffectiveness = 0.75;
    wheel.latentEffectiveness = 0.6;
    MixingBox box;
    box.economizer = Economizer::Enthalpy;
    HeatingCoil preheat;
    preheat.role = HeatingRole::Preheat;
    preheat.by = HeatingBy::LeavingDryBulb;
    preheat.leavingDryBulbF = 40.0;
    SupplyFan powered;
    powered.by = FanBy::Power;
    powered.power = 5.0;
    powered.powerUnit = PowerUnit::Horsepower;
    CoolingCoil coil;
    coil.by = CoolingBy::ToSupplyHumidity;
    coil.leavingRelativeHumidity = 0.95;
    HeatingCoil reheat;
    reheat.by = HeatingBy::ToSupply;
    Humidifier adiabatic;
    adiabatic.kind = HumidifierKind::Adiabatic;
    adiabatic.by = HumidifierBy::LeavingRh;
    adiabatic.leavingRelativeHumidity = 0.3;
    d.summer.roomLatentBtuPerHour = 50000.0;
    d.summer.components = {wheel, box, preheat, powered, coil, reheat, adiabatic};

    SupplyFan rise;
    rise.by = FanBy::Rise;
    rise.riseF = 2.0;
    Humidifier steam;
    steam.kind = HumidifierKind::Steam;
    steam.by = HumidifierBy::ToSupply;
    d.winter.outdoor = {0.0, 0.0005, kSeaLevel};
    d.winter.components = {preheat, wheel, MixingBox{}, rise, reheat, steam};
    return d;
}

// As the panel does after each edit: the room's sensible load changes and the
// whole design is solved again.
void ResolveAfterAnEdit(benchmark::State& state) {
    Design design = EveryComponent();
    bool ok = true;
    double load = 100000.0;
    for (auto _ : state) {
        load = load == 100000.0 ? 101000.0 : 100000.0;
        design.summer.roomSensibleBtuPerHour = load;
        const Solution solution = Solve(design);
        ok = ok && solution.summer.ok() && solution.winter.ok();
        benchmark::DoNotOptimize(solution);
    }
    if (!ok)
        state.SkipWithError("the design did not solve");
}
BENCHMARK(ResolveAfterAnEdit)->Unit(benchmark::kMicrosecond);

void TablesOfASolution(benchmark::State& state) {
    const Design design = EveryComponent();
    const Solution solution = Solve(design);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ToCsv(ComponentsTable(design, solution, Season::Summer)));
        benchmark::DoNotOptimize(ToCsv(RollupTable(design, solution)));
    }
}
BENCHMARK(TablesOfASolution)->Unit(benchmark::kMicrosecond);

} // namespace
