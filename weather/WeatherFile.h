#pragma once

// A whole weather file loaded into memory: its hours as states, what its
// header says of the site, and what the read skipped. For reading row by row
// without keeping the hours, use EpwReader or CsvReader directly.

#include "weather/Csv.h"
#include "weather/Epw.h"

#include <filesystem>
#include <vector>

namespace weather {

struct WeatherFile {
    Location location;             // from an EPW header; empty for CSV
    DesignConditions headerDesign; // the ASHRAE values an EPW header carries
    std::vector<Hour> hours;
    ReadReport report;
    FileProblem problem = FileProblem::None;
    std::string problemColumn; // the column a problem concerns, if one: see DescribeFileProblem
};

// `totalBytes` (0 when unknown) is passed on to `progress`, which is called
// every few hundred rows and once at the end.
WeatherFile LoadEpw(std::istream& in, const ProgressCallback& progress = {},
                    std::uint64_t totalBytes = 0);
// `pressurePsia` is the pressure of rows that give none.
WeatherFile LoadCsv(std::istream& in, double pressurePsia, const ProgressCallback& progress = {},
                    std::uint64_t totalBytes = 0);

// A file by its name: ".epw" (any case) is read as EPW, anything else as CSV.
// Only a regular file is read; the problem says why another is not (no such
// file, a folder, a pipe or device, permission denied).
WeatherFile LoadWeatherFile(const std::filesystem::path& path, double csvPressurePsia,
                            const ProgressCallback& progress = {});

} // namespace weather
