#include "batch/Run.h"

#include "batch/Header.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "weather/Epw.h"
#include "weather/Fields.h"

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>

namespace batch {

std::optional<LineReader::Line> LineReader::next() {
    std::size_t searched = begin_;
    while (true) {
        const void* found = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
        if (found != nullptr || (atEnd_ && begin_ < end_)) {
            const std::size_t stop =
                found != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data())
                    : end_;
            std::string_view text(buffer_.data() + begin_, stop - begin_);
            bytes_ += text.size() + (found != nullptr ? 1 : 0);
            begin_ = found != nullptr ? stop + 1 : end_;
            if (!text.empty() && text.back() == '\r')
                text.remove_suffix(1);
            return Line{text, false};
        }
        if (atEnd_)
            return std::nullopt;
        searched = end_;
        // Room for the next block: the partial line moves to the front, and
        // the buffer grows while the line is shorter than kMaxLine.
        if (begin_ > 0) {
            std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
            searched -= begin_;
            end_ -= begin_;
            begin_ = 0;
        }
        if (end_ == buffer_.size()) {
            if (buffer_.size() >= kMaxLine) {
                // A line this long is no row of data: passed over to its end.
                bytes_ += end_;
                begin_ = end_ = 0;
                while (true) {
                    if (!fill())
                        return Line{{}, true};
                    const void* nl = std::memchr(buffer_.data(), '\n', end_);
                    if (nl != nullptr) {
                        begin_ = static_cast<std::size_t>(static_cast<const char*>(nl) -
                                                          buffer_.data()) +
                                 1;
                        bytes_ += begin_;
                        return Line{{}, true};
                    }
                    bytes_ += end_;
                    end_ = 0;
                }
            }
            buffer_.resize(buffer_.size() * 2);
        }
        fill();
    }
}

bool LineReader::fill() {
    if (atEnd_)
        return false;
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
    end_ += got;
    if (got == 0) {
        atEnd_ = true;
        failed_ = std::ferror(file_) != 0;
        return false;
    }
    return true;
}

bool Sink::flush() {
    if (!failed_ && !text_.empty() &&
        std::fwrite(text_.data(), 1, text_.size(), file_) != text_.size())
        failed_ = true;
    text_.clear();
    return !failed_;
}

Progress::Progress(std::FILE* terminal, std::uint64_t totalBytes)
    : terminal_(totalBytes > 0 ? terminal : nullptr), total_(totalBytes) {}

Progress::~Progress() {
    if (shown_) {
        std::fputs("\r                              \r", terminal_);
        std::fflush(terminal_);
    }
}

void Progress::show(std::uint64_t bytes) {
    using namespace std::chrono;
    const std::int64_t now =
        duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
    constexpr std::int64_t kIntervalNs = 250'000'000; // four times a second
    if (shown_ && now - lastShownNs_ < kIntervalNs)
        return;
    lastShownNs_ = now;
    shown_ = true;
    const auto percent = static_cast<unsigned>(bytes * 100 / total_);
    std::fprintf(terminal_, "\rvaporwright-batch: %3u%%", percent > 100 ? 100U : percent);
    std::fflush(terminal_);
}

namespace {

using calculator::Reason;

void setInput(CalcState& s, int field, float value) {
    switch (field) {
    case calculator::kDryBulb:
        s.Tdb = value;
        break;
    case calculator::kWetBulb:
        s.Twb = value;
        break;
    case calculator::kRelativeHumidity:
        s.Phi = value;
        break;
    case calculator::kHumidityRatio:
        s.W = value;
        break;
    default:
        s.H = value;
        break;
    }
}

// A field's number stored as the window stores it typed in the column's unit;
// otherwise why not, naming the column.
std::variant<float, std::string> readValue(std::string_view field, const ValueColumn& column,
                                           std::string_view system) {
    const std::string_view text = weather::TrimField(field);
    if (text.empty())
        return "No value in " + column.name;
    bool tooLarge = false;
    const std::optional<double> number = ReadNumber(text, tooLarge);
    const calculator::Entry entry =
        number ? calculator::EntryOf(*number, false, column.field, column.position)
               : calculator::Entry{std::nullopt,
                                   tooLarge ? Reason::NumberTooLarge : Reason::UnreadableNumber};
    if (!entry.value)
        return calculator::ReasonText(*entry.problem, system, text) + " in " + column.name;
    return *entry.value;
}

// Ends a row: its properties or the reason it has none. The copied columns
// are in `out` already, `copied` of them.
void finishRow(std::string& out, bool copied, const CalcState* state, std::string_view reason,
               const Rendering& rendering) {
    const std::size_t start = out.size();
    if (state != nullptr) {
        AppendProperties(out, *state, rendering);
        out += ',';
    } else {
        AppendEmptyProperties(out);
        out += ',';
        AppendCsvField(out, reason);
    }
    if (!copied)
        out.erase(start, 1); // the properties open the line
    out += '\n';
}

} // namespace

RunResult RunCsv(std::FILE* in, Sink& out, const Options& options, Progress& progress) {
    LineReader reader(in);
    const std::optional<LineReader::Line> first = reader.next();
    if (reader.failed())
        return {kExitBadInput, "Could not read the input: " + std::string(std::strerror(errno))};
    if (!first)
        return {kExitBadInput, "The input is empty: it needs a header line such as "
                               "\"dry_bulb_F,relative_humidity_pct\""};
    std::string_view headerLine = first->text;
    if (headerLine.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        headerLine.remove_prefix(3);
    auto header = ReadHeader(headerLine);
    if (auto* message = std::get_if<std::string>(&header))
        return {kExitBadInput, "Unusable header: " + *message};
    const Layout layout = std::move(std::get<Layout>(header));
    if (layout.atmosphere && options.atmosphere)
        return {kExitUsage, "The input has a column " + layout.atmosphere->name +
                                "; --pressure and --altitude apply to files without one"};

    Rendering rendering = options.rendering;
    if (layout.atmosphere)
        rendering.altitudeGiven = layout.atmosphere->field == calculator::kAltitude;
    const std::string_view shown = SelectorOf(rendering.system);

    // The state every row starts from: an enthalpy is entered in the system
    // of its unit (kJ/kg, position 2, metric), every other input in the
    // system shown; the atmosphere of the options, or 14.696 psia.
    CalcState base;
    base.UnitSystem = std::string(shown);
    for (const ValueColumn& input : layout.inputs)
        if (input.field == calculator::kEnthalpy)
            base.UnitSystem = input.position == 2 ? "SI" : "IP";
    SetAtmosphere(base, options.atmosphere.value_or(Atmosphere{}));
    const int firstField = layout.inputs[0].field;
    const int secondField = layout.inputs[1].field;

    std::string& text = out.text();
    for (std::size_t i = 0; i < layout.passThroughNames.size(); ++i)
        text.append(layout.passThroughNames[i]).append(",");
    text.append(PropertyHeader(rendering.system)).append("\n");

    std::vector<std::string_view> fields;
    // The atmosphere of the last row's column, derived once for a run of
    // rows at the same pressure or altitude.
    std::optional<float> lastAtmosphere;
    float lastPatm = base.Patm;
    float lastAlt = base.Alt;
    std::optional<Reason> lastAtmosphereProblem;
    CalcState state;
    std::string reason;
    while (const std::optional<LineReader::Line> line = reader.next()) {
        progress.update(reader.bytes());
        if (line->cut)
            fields.clear();
        else
            SplitCsv(line->text, fields);
        for (std::size_t i = 0; i < layout.passThrough.size(); ++i) {
            if (i > 0)
                text += ',';
            if (layout.passThrough[i] < fields.size())
                text += fields[layout.passThrough[i]];
        }
        const bool copied = !layout.passThrough.empty();

        reason.clear();
        if (line->cut) {
            reason = "The line is longer than 16 MiB";
        } else if (fields.size() != layout.columns) {
            reason = weather::TrimField(line->text).empty()
                         ? "Empty row"
                         : "The row has " + std::to_string(fields.size()) +
                               " fields; the header has " + std::to_string(layout.columns);
        } else {
            state = base;
            for (const ValueColumn& input : layout.inputs) {
                auto value = readValue(fields[input.index], input, shown);
                if (auto* why = std::get_if<std::string>(&value)) {
                    reason = std::move(*why);
                    break;
                }
                setInput(state, input.field, std::get<float>(value));
            }
            if (reason.empty() && layout.atmosphere) {
                auto value = readValue(fields[layout.atmosphere->index], *layout.atmosphere, shown);
                if (auto* why = std::get_if<std::string>(&value)) {
                    reason = std::move(*why);
                } else if (lastAtmosphere == std::get<float>(value)) {
                    state.Patm = lastPatm;
                    state.Alt = lastAlt;
                } else {
                    lastAtmosphere = std::get<float>(value);
                    lastAtmosphereProblem =
                        SetAtmosphere(state, Atmosphere{rendering.altitudeGiven, *lastAtmosphere});
                    lastPatm = state.Patm;
                    lastAlt = state.Alt;
                }
                if (reason.empty() && lastAtmosphereProblem)
                    reason = calculator::ReasonText(*lastAtmosphereProblem, shown);
            }
            if (reason.empty()) {
                if (const auto problem = ComputeShown(state, firstField, secondField, shown))
                    reason = calculator::ReasonText(*problem, shown);
            }
        }
        finishRow(text, copied, reason.empty() ? &state : nullptr, reason, rendering);
        out.write();
        if (out.failed())
            return {};
    }
    if (reader.failed())
        return {kExitBadInput, "Could not read the input: " + std::string(std::strerror(errno))};
    return {};
}

RunResult RunEpw(const std::string& path, Sink& out, const Options& options, Progress& progress) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {kExitBadInput,
                "Cannot open the weather file \"" + path + "\": " + std::strerror(errno)};
    weather::EpwReader reader(file);
    if (reader.problem() != weather::FileProblem::None)
        return {kExitBadInput,
                "\"" + path + "\": " + std::string(weather::DescribeFileProblem(reader.problem()))};

    const Rendering& rendering = options.rendering;
    const std::string_view shown = SelectorOf(rendering.system);
    std::string& text = out.text();
    text.append("year,month,day,hour,").append(PropertyHeader(rendering.system)).append("\n");

    std::array<std::string_view, 4> date;
    CalcState state;
    std::string reason;
    while (const std::optional<weather::EpwRow> row = reader.nextRow()) {
        progress.update(reader.bytesRead());
        const std::size_t count = weather::SplitFields(row->line, date.data(), date.size());
        for (std::size_t i = 0; i < date.size(); ++i) {
            if (i > 0)
                text += ',';
            if (i < count)
                AppendCsvField(text, weather::TrimField(date[i]));
        }

        reason.clear();
        if (const auto* hour = std::get_if<weather::Hour>(&row->result)) {
            // The hour's dry bulb and humidity ratio (from its dew point at
            // the station pressure), solved as the window solves a typed
            // dry bulb and humidity ratio at that pressure.
            state = CalcState{};
            state.UnitSystem = std::string(shown);
            state.Tdb = static_cast<float>(hour->dryBulbF);
            state.W = static_cast<float>(hour->humidityRatio);
            SetAtmosphere(state, Atmosphere{false, static_cast<float>(hour->pressurePsia)});
            if (const auto problem =
                    ComputeShown(state, calculator::kDryBulb, calculator::kHumidityRatio, shown))
                reason = calculator::ReasonText(*problem, shown);
        } else {
            reason = "Skipped: " + std::string(weather::DescribeSkipReason(
                                       std::get<weather::SkipReason>(row->result)));
        }
        finishRow(text, true, reason.empty() ? &state : nullptr, reason, rendering);
        out.write();
        if (out.failed())
            return {};
    }
    if (file.bad())
        return {kExitBadInput, "Could not read the weather file \"" + path + "\""};
    return {};
}

} // namespace batch
