#pragma once

// What reading a weather file found: the rows it skipped and why, a fault of
// the whole file, and the progress of a long read.
//
// A bad row never stops a read and never becomes a point: it is skipped and
// counted under the first reason that applies, in the order of SkipReason
// (structure, then date, then the values).

#include "core/Translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace weather {

// The hours of a year without its leap day.
inline constexpr std::size_t kHoursPerYear = 8760;

enum class SkipReason {
    LineTooLong,
    WrongFieldCount,
    NotANumber,
    NoSuchDate,
    LeapDay,
    RepeatedHour,
    MissingDryBulb,
    DryBulbOutOfRange,
    MissingPressure,
    PressureOutOfRange,
    MissingDewPoint,
    DewPointOutOfRange,
    MissingRelativeHumidity,
    RelativeHumidityOutOfRange,
    MissingWetBulb,
    WetBulbOutOfRange,
    MissingHumidityRatio,
    HumidityRatioOutOfRange,
    AboveSaturation,
};
inline constexpr std::size_t kSkipReasonCount = 19;

// "missing dew point", "leap day (29 February)", ...: marked for translation
// (core/Translatable.h), and in English.
i18n::Text SkipReasonText(SkipReason reason) noexcept;
std::string_view DescribeSkipReason(SkipReason reason);

// A fault of the whole file: nothing of it can be read as hours.
enum class FileProblem {
    None,
    CannotOpen,
    NoSuchFile,
    IsDirectory,
    NotRegularFile,
    PermissionDenied,
    ReadFailed,
    Empty,
    NotEpw,
    HeaderCutShort,
    HeaderLineTooLong,
    TooManyColumns,
    NoTimestampColumn,
    NoDryBulbColumn,
    NoHumidityColumn,
    SeveralHumidityColumns,
    SeveralPressureColumns,
    ColumnWithoutUnit,
};

// "" for None; otherwise one sentence, such as "The file ends inside its
// header.": marked for translation, and in English.
i18n::Text FileProblemText(FileProblem problem) noexcept;
std::string_view DescribeFileProblem(FileProblem problem);

// The sentence of DescribeFileProblem, naming `column` (as the header writes
// it) where the problem is one column's.
std::string DescribeFileProblem(FileProblem problem, std::string_view column);
// The same for a window to translate: its English() is the line above.
i18n::Message FileProblemMessage(FileProblem problem, std::string_view column);

struct ReadReport {
    std::size_t rows = 0;  // data rows met (blank lines are not rows)
    std::size_t hours = 0; // hours kept as states
    std::array<std::size_t, kSkipReasonCount> skipped{};
    bool cancelled = false; // the progress callback stopped the read

    void skip(SkipReason reason) { ++skipped[static_cast<std::size_t>(reason)]; }
    [[nodiscard]] std::size_t skippedBy(SkipReason reason) const {
        return skipped[static_cast<std::size_t>(reason)];
    }
    [[nodiscard]] std::size_t skippedTotal() const;
};

// One line per reason that skipped rows, in the order of SkipReason:
// "17 hours skipped: missing dew point", "1 hour skipped: leap day (29 February)".
std::vector<std::string> DescribeSkips(const ReadReport& report);

// "The file has 8700 data rows; a year has 8760." when the row count is not
// that of a year, nothing when it is.
std::optional<std::string> DescribeRowCount(const ReadReport& report);

// Progress of a read, reported every few hundred rows and at the end. Bytes
// are those of the lines consumed; totalBytes is 0 when the size is unknown.
struct ReadProgress {
    std::uint64_t rows = 0;
    std::uint64_t bytes = 0;
    std::uint64_t totalBytes = 0;
};
// Returns false to stop the read (the hours so far are kept, the report says
// it was cancelled).
using ProgressCallback = std::function<bool(const ReadProgress&)>;

} // namespace weather
