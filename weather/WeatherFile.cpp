#include "weather/WeatherFile.h"

#include "weather/Fields.h"

#include <fstream>

namespace weather {

namespace {

constexpr std::size_t kProgressEveryRows = 512;

// Collects the hours of a reader, reporting progress as it goes.
template <typename Reader>
void Drain(Reader& reader, WeatherFile& file, const ProgressCallback& progress,
           std::uint64_t totalBytes) {
    file.problem = reader.problem();
    file.hours.reserve(kHoursPerYear);
    std::size_t nextReport = kProgressEveryRows;
    while (const auto hour = reader.next()) {
        file.hours.push_back(*hour);
        if (progress && reader.report().rows >= nextReport) {
            nextReport = reader.report().rows + kProgressEveryRows;
            if (!progress({reader.report().rows, reader.bytesRead(), totalBytes})) {
                file.report = reader.report();
                file.report.cancelled = true;
                return;
            }
        }
    }
    file.report = reader.report();
    if (progress)
        progress({file.report.rows, reader.bytesRead(), totalBytes});
}

} // namespace

WeatherFile LoadEpw(std::istream& in, const ProgressCallback& progress, std::uint64_t totalBytes) {
    EpwReader reader(in);
    WeatherFile file;
    file.location = reader.location();
    file.headerDesign = reader.headerDesign();
    Drain(reader, file, progress, totalBytes);
    return file;
}

WeatherFile LoadCsv(std::istream& in, double pressurePsia, const ProgressCallback& progress,
                    std::uint64_t totalBytes) {
    CsvReader reader(in, pressurePsia);
    WeatherFile file;
    Drain(reader, file, progress, totalBytes);
    return file;
}

WeatherFile LoadWeatherFile(const std::filesystem::path& path, double csvPressurePsia,
                            const ProgressCallback& progress) {
    std::error_code error;
    std::ifstream in(path, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(path, error)) {
        WeatherFile file;
        file.problem = FileProblem::CannotOpen;
        return file;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const std::uint64_t totalBytes = error ? 0 : size;
    if (EqualsIgnoringCase(path.extension().string(), ".epw"))
        return LoadEpw(in, progress, totalBytes);
    return LoadCsv(in, csvPressurePsia, progress, totalBytes);
}

} // namespace weather
