#include "fuzz/Targets.h"

#include <array>

namespace fuzz {

std::span<const Target> Targets() {
    static constexpr std::array<Target, 6> kTargets{{
        {"batch_csv", &CheckBatchCsv},
        {"batch_epw", &CheckBatchEpw},
        {"weather_epw", &CheckWeatherEpw},
        {"weather_csv", &CheckWeatherCsv},
        {"project_file", &CheckProjectFile},
        {"settings_ini", &CheckSettingsIni},
    }};
    return kTargets;
}

} // namespace fuzz
