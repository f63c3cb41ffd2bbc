#include "batch/Run.h"

#include "batch/Header.h"
#include "batch/Language.h"
#include "core/CsvText.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "weather/Epw.h"
#include "weather/Fields.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <future>
#include <system_error>
#include <thread>

namespace batch {

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
    // The field as typed, safe to show: no control character of the input
    // reaches a message, and a long field is cut.
    bool tooLarge = false;
    const std::optional<double> number = ReadNumber(text, tooLarge);
    const calculator::Entry entry =
        number ? calculator::EntryOf(*number, false, column.field, column.position)
               : calculator::Entry{std::nullopt,
                                   tooLarge ? Reason::NumberTooLarge : Reason::UnreadableNumber};
    if (!entry.value)
        return calculator::ReasonText(*entry.problem, system, weather::ShownText(text)) + " in " +
               column.name;
    return *entry.value;
}

// Ends a row: its properties or the reason it has none. The copied columns
// are in `out` already, `copied` of them.
void finishRow(std::string& out, bool copied, const CalcState* state, std::string_view reason,
               const Rendering& rendering) {
    if (state != nullptr) {
        AppendProperties(out, *state, rendering, copied);
        out += ',';
    } else {
        AppendEmptyProperties(out, copied);
        out += ',';
        csv::AppendField(out, reason);
    }
    out += '\n';
}

// The rows of one CSV file, written one at a time. Each thread has its own:
// it keeps the fields of the row and the atmosphere of the last one.
class CsvRows {
public:
    CsvRows(const Layout& layout, const Rendering& rendering, const CalcState& base)
        : layout_(layout), rendering_(rendering), shown_(SelectorOf(rendering.system)), base_(base),
          lastPatm_(base.Patm), lastAlt_(base.Alt) {}

    // Appends the output line of input line `line` (cut: longer than the
    // reader takes) to `out`.
    void write(std::string_view line, bool cut, std::string& out);

private:
    const Layout& layout_;
    const Rendering& rendering_;
    const std::string_view shown_;
    const CalcState& base_;
    std::vector<std::string_view> fields_;
    std::string value_; // a copied field as a CSV reader reads it
    CalcState state_;
    std::string reason_;
    // The atmosphere of the last row's column, derived once for a run of
    // rows at the same pressure or altitude.
    std::optional<float> lastAtmosphere_;
    float lastPatm_;
    float lastAlt_;
    std::optional<Reason> lastAtmosphereProblem_;
};

void CsvRows::write(std::string_view line, bool cut, std::string& out) {
    // One field more than the header's shows a row with too many; the
    // rest are counted, not kept.
    std::size_t count = 0;
    if (cut)
        fields_.clear();
    else
        count = weather::SplitCsvFields(line, fields_, layout_.columns + 1);
    // A copied field is written as its value, quoted again where it must
    // be: a stray quote of the input never opens a field of the output.
    for (std::size_t i = 0; i < layout_.passThrough.size(); ++i) {
        if (i > 0)
            out += ',';
        if (layout_.passThrough[i] >= fields_.size())
            continue;
        const std::string_view field = fields_[layout_.passThrough[i]];
        if (field.starts_with('"')) {
            weather::CsvFieldValue(field, value_);
            csv::AppendField(out, value_);
        } else {
            csv::AppendField(out, field); // its value is its text
        }
    }
    const bool copied = !layout_.passThrough.empty();

    reason_.clear();
    if (cut) {
        reason_ = "The line is longer than 16 MiB";
    } else if (count != layout_.columns) {
        reason_ = weather::TrimField(line).empty()
                      ? "Empty row"
                      : "The row has " + std::to_string(count) + " fields; the header has " +
                            std::to_string(layout_.columns);
    } else {
        state_ = base_;
        for (const ValueColumn& input : layout_.inputs) {
            auto value = readValue(fields_[input.index], input, shown_);
            if (auto* why = std::get_if<std::string>(&value)) {
                reason_ = std::move(*why);
                break;
            }
            setInput(state_, input.field, std::get<float>(value));
        }
        if (reason_.empty() && layout_.atmosphere) {
            auto value = readValue(fields_[layout_.atmosphere->index], *layout_.atmosphere, shown_);
            if (auto* why = std::get_if<std::string>(&value)) {
                reason_ = std::move(*why);
            } else if (lastAtmosphere_ == std::get<float>(value)) {
                state_.Patm = lastPatm_;
                state_.Alt = lastAlt_;
            } else {
                lastAtmosphere_ = std::get<float>(value);
                lastAtmosphereProblem_ =
                    SetAtmosphere(state_, Atmosphere{rendering_.altitudeGiven, *lastAtmosphere_});
                lastPatm_ = state_.Patm;
                lastAlt_ = state_.Alt;
            }
            if (reason_.empty() && lastAtmosphereProblem_)
                reason_ = calculator::ReasonText(*lastAtmosphereProblem_, shown_);
        }
        if (reason_.empty()) {
            if (const auto problem =
                    ComputeShown(state_, layout_.inputs[0].field, layout_.inputs[1].field, shown_))
                reason_ = calculator::ReasonText(*problem, shown_);
        }
    }
    finishRow(out, copied, reason_.empty() ? &state_ : nullptr, reason_, rendering_);
}

// Lines read ahead, so that the threads share their computation; bounded in
// lines and bytes, so that memory does not grow with the file.
struct Batch {
    static constexpr std::size_t kMaxLines = 8192;
    static constexpr std::size_t kMaxBytes = std::size_t{1} << 22;

    std::string text;
    struct Entry {
        std::size_t offset;
        std::size_t size;
        bool cut;
    };
    std::vector<Entry> lines;

    void clear() {
        text.clear();
        lines.clear();
    }
    [[nodiscard]] bool full() const {
        return lines.size() >= kMaxLines || text.size() >= kMaxBytes;
    }
    void add(const LineReader::Line& line) {
        lines.push_back({text.size(), line.text.size(), line.cut});
        text += line.text;
    }
    [[nodiscard]] std::string_view line(std::size_t i) const {
        return std::string_view(text).substr(lines[i].offset, lines[i].size);
    }
};

// The computing threads: one per core, at most four.
std::size_t threadCount() {
    const unsigned cores = std::thread::hardware_concurrency();
    return std::clamp<std::size_t>(cores, 1, 4);
}

} // namespace

RunResult RunCsv(std::FILE* in, Sink& out, const Options& options, Progress& progress) {
    LineReader reader(in);
    const std::optional<LineReader::Line> first = reader.next();
    if (reader.failed())
        return {kExitBadInput, Say(VW_TRANSLATABLE("batch::Run", "Could not read the input: %1"),
                                   {std::strerror(errno)})};
    if (!first)
        return {kExitBadInput,
                Say(VW_TRANSLATABLE("batch::Run", "The input is empty: it needs a header "
                                                  "line such as "
                                                  "\"dry_bulb_F,relative_humidity_pct\""))};
    if (first->cut)
        return {kExitBadInput,
                Say(VW_TRANSLATABLE("batch::Run",
                                    "Unusable header: the header line is longer than 16 MiB"))};
    std::string_view headerLine = first->text;
    if (headerLine.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        headerLine.remove_prefix(3);
    auto header = ReadHeader(headerLine);
    if (auto* message = std::get_if<std::string>(&header))
        return {kExitBadInput,
                Say(VW_TRANSLATABLE("batch::Run", "Unusable header: %1"), {*message})};
    const Layout layout = std::move(std::get<Layout>(header));
    if (layout.atmosphere && options.atmosphere)
        return {kExitUsage,
                Say(VW_TRANSLATABLE("batch::Run", "The input has a column %1; --pressure and "
                                                  "--altitude apply to files without one"),
                    {layout.atmosphere->name})};

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
    if (options.atmosphere) {
        SetAtmosphere(base, *options.atmosphere);
    } else {
        // The window's first start: the standard atmosphere at sea level.
        base.Patm = Atmosphere{}.value;
        base.Alt = 0.0f;
    }

    std::string& text = out.text();
    for (const std::string& name : layout.passThroughNames) {
        csv::AppendField(text, name);
        text += ',';
    }
    text.append(PropertyHeader(rendering.system)).append("\n");

    // Each batch is cut into one contiguous share per thread; the shares'
    // output is written in order.
    const std::size_t threads = threadCount();
    std::vector<CsvRows> rows(threads, CsvRows(layout, rendering, base));
    std::vector<std::string> shares(threads);
    Batch batch;
    while (true) {
        batch.clear();
        while (!batch.full()) {
            const std::optional<LineReader::Line> line = reader.next();
            if (!line)
                break;
            batch.add(*line);
        }
        if (batch.lines.empty())
            break;
        const std::size_t count = batch.lines.size();
        const auto computeShare = [&](std::size_t t) {
            shares[t].clear();
            for (std::size_t i = count * t / threads; i < count * (t + 1) / threads; ++i)
                rows[t].write(batch.line(i), batch.lines[i].cut, shares[t]);
        };
        // Shares 1 to helpers.size() go to threads of their own; where no
        // thread can be had, the rest are computed here.
        std::vector<std::future<void>> helpers;
        try {
            while (count >= 2 * threads && helpers.size() + 1 < threads)
                helpers.push_back(std::async(std::launch::async, computeShare, helpers.size() + 1));
        } catch (const std::system_error&) {
        }
        computeShare(0);
        for (std::size_t t = helpers.size() + 1; t < threads; ++t)
            computeShare(t);
        for (std::future<void>& helper : helpers)
            helper.get();
        for (const std::string& share : shares) {
            text += share;
            out.write();
        }
        if (out.failed())
            return {};
        progress.update(reader.bytes());
    }
    if (reader.failed())
        return {kExitBadInput, Say(VW_TRANSLATABLE("batch::Run", "Could not read the input: %1"),
                                   {std::strerror(errno)})};
    return {};
}

RunResult RunEpw(const std::string& path, Sink& out, const Options& options, Progress& progress) {
    const weather::OpenedFile opened = weather::OpenForReading(path, false);
    if (!opened.file)
        return {kExitBadInput,
                Say(VW_TRANSLATABLE("batch::Run", "Cannot open the weather file \"%1\": %2"),
                    {weather::ShownText(path, 4096), std::strerror(opened.error)})};
    return RunEpw(opened.file.get(), path, out, options, progress);
}

RunResult RunEpw(std::FILE* in, const std::string& path, Sink& out, const Options& options,
                 Progress& progress) {
    const std::string shownPath = weather::ShownText(path, 4096);
    weather::EpwReader reader(in);
    if (reader.problem() != weather::FileProblem::None)
        return {kExitBadInput, Say(VW_TRANSLATABLE("batch::Run", "\"%1\": %2"),
                                   {shownPath, Say(weather::FileProblemText(reader.problem()))})};

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
                csv::AppendField(text, weather::TrimField(date[i]));
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
    if (reader.problem() == weather::FileProblem::ReadFailed)
        return {kExitBadInput, Say(VW_TRANSLATABLE("batch::Run", "\"%1\": %2"),
                                   {shownPath, Say(weather::FileProblemText(reader.problem()))})};
    return {};
}

} // namespace batch
