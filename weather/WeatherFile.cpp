#include "weather/WeatherFile.h"

#include "weather/Fields.h"

#include <sys/stat.h>

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
    file.problem = reader.problem(); // a read error ends the rows with one
    if (progress)
        progress({file.report.rows, reader.bytesRead(), totalBytes});
}

WeatherFile ReadEpw(EpwReader& reader, const ProgressCallback& progress, std::uint64_t totalBytes) {
    WeatherFile file;
    file.location = reader.location();
    file.headerDesign = reader.headerDesign();
    Drain(reader, file, progress, totalBytes);
    return file;
}

WeatherFile ReadCsv(CsvReader& reader, const ProgressCallback& progress, std::uint64_t totalBytes) {
    WeatherFile file;
    file.problemColumn = reader.problemColumn();
    Drain(reader, file, progress, totalBytes);
    return file;
}

} // namespace

WeatherFile LoadEpw(std::istream& in, const ProgressCallback& progress, std::uint64_t totalBytes) {
    EpwReader reader(in);
    return ReadEpw(reader, progress, totalBytes);
}

WeatherFile LoadCsv(std::istream& in, double pressurePsia, const ProgressCallback& progress,
                    std::uint64_t totalBytes) {
    CsvReader reader(in, pressurePsia);
    return ReadCsv(reader, progress, totalBytes);
}

WeatherFile LoadWeatherFile(const std::filesystem::path& path, double csvPressurePsia,
                            const ProgressCallback& progress) {
    // A regular file only: a window must never wait on a named pipe nor
    // read a device without end.
    OpenedFile opened = OpenForReading(path.string(), true);
    if (!opened.file) {
        WeatherFile file;
        file.problem = opened.problem;
        return file;
    }
    struct stat status {};
    const std::uint64_t totalBytes = ::fstat(::fileno(opened.file.get()), &status) == 0
                                         ? static_cast<std::uint64_t>(status.st_size)
                                         : 0;
    if (EqualsIgnoringCase(path.extension().string(), ".epw")) {
        EpwReader reader(opened.file.get());
        return ReadEpw(reader, progress, totalBytes);
    }
    CsvReader reader(opened.file.get(), csvPressurePsia);
    return ReadCsv(reader, progress, totalBytes);
}

} // namespace weather
