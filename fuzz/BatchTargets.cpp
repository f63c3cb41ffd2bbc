// vaporwright-batch's two readers, run as the program runs them, with their
// output checked as CSV and as real air.

#include "batch/Options.h"
#include "batch/Output.h"
#include "batch/Run.h"
#include "engine/Limits.h"
#include "engine/Units.h"
#include "fuzz/Csv.h"
#include "fuzz/Targets.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

namespace {

namespace psy = basPsychroFun;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The property columns the program writes, counted from the end of a record:
// fourteen properties, then the reason.
constexpr std::size_t kPropertyColumns = 14;
constexpr std::size_t kDryBulbFromEnd = 15;
constexpr std::size_t kRelativeHumidityFromEnd = 12;
constexpr std::size_t kHumidityRatioFromEnd = 11;

// The output of a run, written to memory as the program writes it to a file.
class Output {
public:
    Output() : file_(open_memstream(&data_, &size_)) {}
    ~Output() {
        file_.reset();
        std::free(data_);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    [[nodiscard]] std::FILE* file() const { return file_.get(); }
    // Everything written; valid until the next write.
    std::string_view text() {
        std::fflush(file_.get());
        return {data_, size_};
    }

private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    File file_;
};

// The options of a run: the unit system and the display formats vary with
// the input's length, so that every rendering is met without running twice.
batch::Options OptionsFor(std::string_view bytes) {
    batch::Options options;
    options.rendering.system = bytes.size() % 2 == 0 ? psy::UnitSystem::IP : psy::UnitSystem::SI;
    options.rendering.formats = bytes.size() % 4 >= 2;
    return options;
}

std::optional<double> Number(const std::string& text) {
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Whether the output records are valid: all as wide as the header, which
// ends in the properties and the reason; a row with a reason has no
// properties, and a row without one is real air.
Finding CheckRecords(const std::vector<CsvRecord>& records, psy::UnitSystem system) {
    if (records.empty())
        return "the output has no header";
    const std::size_t width = records.front().size();
    if (width < kPropertyColumns + 1 || records.front().back() != "reason")
        return "the output's header does not end in the properties and the reason";
    const bool metric = system == psy::UnitSystem::SI;
    // Limits in the unit written, widened by the rounding of the display
    // formats (two decimals of a temperature, one of a per cent).
    const double lowest =
        metric ? psy::units::FahrenheitToCelsius(psy::kMinTemperatureF) : psy::kMinTemperatureF;
    const double highest =
        metric ? psy::units::FahrenheitToCelsius(psy::kMaxTemperatureF) : psy::kMaxTemperatureF;
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string row = "output row " + std::to_string(r) + ": ";
        if (record.size() != width)
            return row + std::to_string(record.size()) + " fields, the header has " +
                   std::to_string(width);
        const auto field = [&](std::size_t fromEnd) { return record[width - fromEnd]; };
        if (!record.back().empty()) {
            for (std::size_t p = 2; p <= kDryBulbFromEnd; ++p)
                if (!field(p).empty())
                    return row + "a property beside the reason \"" + record.back() + "\"";
            continue;
        }
        const std::optional<double> dryBulb = Number(field(kDryBulbFromEnd));
        if (!dryBulb || *dryBulb < lowest - 0.01 || *dryBulb > highest + 0.01)
            return row + "dry bulb \"" + field(kDryBulbFromEnd) + "\" is no real air's";
        const std::optional<double> rh = Number(field(kRelativeHumidityFromEnd));
        if (!rh || *rh < 0.0 || *rh > psy::kMaxRelativeHumidity * 100.0 + 0.1)
            return row + "relative humidity \"" + field(kRelativeHumidityFromEnd) +
                   "\" is no real air's";
        const std::optional<double> w = Number(field(kHumidityRatioFromEnd));
        if (!w || *w < 0.0)
            return row + "humidity ratio \"" + field(kHumidityRatioFromEnd) + "\" is no real air's";
    }
    return {};
}

// A run's result and output checked; `rows` is the number of records the
// output must have besides its header, when known.
Finding CheckRun(const batch::RunResult& result, std::string_view output, psy::UnitSystem system,
                 std::optional<std::size_t> rows) {
    if (result.exitCode != batch::kExitOk) {
        if (result.exitCode != batch::kExitBadInput)
            return "exit code " + std::to_string(result.exitCode) + " for an input file";
        if (result.message.empty())
            return "an input refused without a message";
        return {};
    }
    auto read = ReadCsv(output);
    if (auto* why = std::get_if<std::string>(&read))
        return "the output is not valid CSV: " + *why;
    const auto& records = std::get<std::vector<CsvRecord>>(read);
    if (rows && records.size() != *rows + 1)
        return std::to_string(*rows) + " input rows, " +
               std::to_string(records.empty() ? 0 : records.size() - 1) + " output rows";
    return CheckRecords(records, system);
}

// The lines the batch reader takes from `bytes`: split at "\r\n", "\n" or a
// lone "\r" (old Macintosh files), a last line without a line end counted.
std::size_t LineCount(std::string_view bytes) {
    std::size_t ends = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\n' ||
            (bytes[at] == '\r' && (at + 1 == bytes.size() || bytes[at + 1] != '\n')))
            ++ends;
    }
    return ends + (!bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r' ? 1 : 0);
}

} // namespace

Finding CheckBatchCsv(std::string_view bytes) {
    // fmemopen reads the bytes in place; it takes no pointer to const.
    std::string input(bytes);
    const File in(fmemopen(input.data(), input.size(), "rb"));
    Output output;
    if (!in || output.file() == nullptr)
        return {}; // out of memory for the harness itself: nothing to judge
    const batch::Options options = OptionsFor(bytes);
    batch::Sink sink(output.file());
    batch::Progress progress(nullptr, 0);
    const batch::RunResult result = batch::RunCsv(in.get(), sink, options, progress);
    if (!sink.flush())
        return "the output could not be written";
    const std::size_t lines = LineCount(bytes);
    return CheckRun(result, output.text(), options.rendering.system,
                    lines == 0 ? std::nullopt : std::optional<std::size_t>(lines - 1));
}

Finding CheckBatchEpw(std::string_view bytes) {
    // The program reads the weather file by its name: a file in memory,
    // named through /proc.
    const int fd = memfd_create("vaporwright-fuzz.epw", MFD_CLOEXEC);
    if (fd < 0)
        return {};
    const struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t written = write(fd, bytes.data() + at, bytes.size() - at);
        if (written <= 0)
            return {};
        at += static_cast<std::size_t>(written);
    }
    Output output;
    if (output.file() == nullptr)
        return {};
    const batch::Options options = OptionsFor(bytes);
    batch::Sink sink(output.file());
    batch::Progress progress(nullptr, 0);
    const batch::RunResult result =
        batch::RunEpw("/proc/self/fd/" + std::to_string(fd), sink, options, progress);
    if (!sink.flush())
        return "the output could not be written";
    return CheckRun(result, output.text(), options.rendering.system, std::nullopt);
}

} // namespace fuzz
