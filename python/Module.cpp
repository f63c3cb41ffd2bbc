// The extension module under the Python package: numpy arrays in, numpy
// arrays out, the rows computed by python/StateRows.h and the workbench with
// the interpreter's lock released. The package (vaporwright/__init__.py)
// names the arguments, broadcasts the inputs and writes the documentation;
// this layer checks what it is given, so that no call can read outside an
// array.

#include "processes/ComfortZone.h"
#include "processes/LimitZone.h"
#include "processes/Process.h"
#include "python/Rows.h"
#include "python/StateRows.h"
#include "python/WeatherRows.h"
#include "python/WorkbenchRows.h"
#include "weather/Report.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

using pyrows::UnitSystem;
namespace psyunits = basPsychroFun::units;

UnitSystem SystemOf(const std::string& text) {
    const auto system = basPsychroFun::UnitSystemOf(text);
    if (!system)
        throw py::value_error("units must be \"IP\" or \"SI\", not \"" + text + "\"");
    return *system;
}

unsigned ThreadsOf(std::optional<int> threads) {
    if (!threads)
        return pyrows::MachineThreads();
    if (*threads < 1)
        throw py::value_error("threads must be at least 1");
    return static_cast<unsigned>(*threads);
}

// Rows over arrays of one shape, as the package broadcasts them: float64,
// any strides (0 where broadcast).
struct ArrayRows {
    std::vector<py::array> arrays; // kept alive while the rows are read
    std::vector<py::ssize_t> dims;
    pyrows::Shape shape;
    std::vector<pyrows::Column> columns;

    explicit ArrayRows(std::vector<py::array> given) : arrays(std::move(given)) {
        if (arrays.empty() || arrays.size() > pyrows::kMaxColumns)
            throw py::value_error("wrong number of input arrays");
        const py::array& first = arrays.front();
        if (first.ndim() > pyrows::kMaxDimensions)
            throw py::value_error("too many dimensions");
        dims.assign(first.shape(), first.shape() + first.ndim());
        shape.dimensions = static_cast<int>(first.ndim());
        for (std::size_t d = 0; d < dims.size(); ++d)
            shape.extents[d] = static_cast<std::size_t>(dims[d]);
        for (const py::array& a : arrays) {
            if (!a.dtype().is(py::dtype::of<double>()))
                throw py::type_error("the input arrays must be float64");
            if (a.ndim() != first.ndim() || !std::equal(dims.begin(), dims.end(), a.shape()))
                throw py::value_error("the input arrays must have one shape");
            pyrows::Column column;
            column.data = static_cast<const char*>(a.data());
            for (std::size_t d = 0; d < dims.size(); ++d)
                column.strides[d] = a.strides(static_cast<py::ssize_t>(d));
            columns.push_back(column);
        }
    }

    [[nodiscard]] std::size_t rows() const { return shape.rows(); }
    // `count` arrays of the rows' shape in one C-ordered block, as its
    // first dimension.
    [[nodiscard]] py::array_t<double> block(std::size_t count) const {
        std::vector<py::ssize_t> blockDims{static_cast<py::ssize_t>(count)};
        blockDims.insert(blockDims.end(), dims.begin(), dims.end());
        return py::array_t<double>(blockDims);
    }
    template <typename T>
    [[nodiscard]] py::array_t<T> array() const {
        return py::array_t<T>(dims);
    }
};

pyrows::NamedColumn NamedOrThrow(const std::string& name, UnitSystem system) {
    const auto column = pyrows::ColumnNamed(name, system);
    if (!column)
        throw py::value_error("no such input: \"" + name + "\"");
    return *column;
}

// --- States -----------------------------------------------------------------

py::tuple States(const std::vector<std::string>& names, std::vector<py::array> arrays,
                 const std::string& units, const std::vector<int>& properties,
                 std::optional<int> threads) {
    const UnitSystem system = SystemOf(units);
    if (names.size() != arrays.size() || (names.size() != 2 && names.size() != 3))
        throw py::value_error("two inputs and at most one pressure or altitude");
    pyrows::StateRequest request;
    request.system = system;
    request.inputs = {NamedOrThrow(names[0], system), NamedOrThrow(names[1], system)};
    if (names.size() == 3)
        request.atmosphere = NamedOrThrow(names[2], system);
    if (const auto problem = pyrows::CheckRequest(request))
        throw py::value_error(*problem);

    const ArrayRows rows(std::move(arrays));
    py::array_t<double> block = rows.block(properties.size());
    py::array_t<std::uint8_t> reasons = rows.array<std::uint8_t>();
    pyrows::StateResults results;
    for (std::size_t k = 0; k < properties.size(); ++k) {
        const int p = properties[k];
        if (p < 0 || static_cast<std::size_t>(p) >= pyrows::kPropertyCount)
            throw py::value_error("no such property");
        results.properties[static_cast<std::size_t>(p)] = block.mutable_data() + k * rows.rows();
    }
    results.reasons = reasons.mutable_data();
    const unsigned count = ThreadsOf(threads);
    {
        py::gil_scoped_release unlocked;
        pyrows::SolveRows(request, rows.shape, rows.columns, results, count);
    }
    return py::make_tuple(block, reasons);
}

// The quantity a name gives, as the package sorts inputs from the
// atmosphere: "dry_bulb", ..., "pressure", "altitude"; None for no name of
// one.
std::optional<std::string> QuantityOf(const std::string& name, const std::string& units) {
    constexpr std::array<const char*, 8> kQuantities{
        "dry_bulb", "wet_bulb",  "relative_humidity", "humidity_ratio",
        "enthalpy", "dew_point", "pressure",          "altitude"};
    const auto column = pyrows::ColumnNamed(name, SystemOf(units));
    if (!column)
        return std::nullopt;
    return kQuantities[static_cast<std::size_t>(column->quantity)];
}

std::vector<std::string> PropertyNames() {
    std::vector<std::string> names;
    for (std::size_t p = 0; p < pyrows::kPropertyCount; ++p)
        names.emplace_back(pyrows::PropertyName(static_cast<pyrows::Property>(p)));
    return names;
}

std::vector<std::string> PropertyUnits(const std::string& units) {
    const UnitSystem system = SystemOf(units);
    std::vector<std::string> texts;
    for (std::size_t p = 0; p < pyrows::kPropertyCount; ++p)
        texts.emplace_back(pyrows::PropertyUnit(static_cast<pyrows::Property>(p), system));
    return texts;
}

std::vector<std::string> ReasonNames() {
    std::vector<std::string> names{"RealAir"};
    for (int code = 1; const auto reason = pyrows::ReasonOfCode(code); ++code)
        names.emplace_back(pyrows::ReasonName(*reason));
    return names;
}

std::string ReasonText(int code, const std::string& units) {
    const UnitSystem system = SystemOf(units);
    if (code == pyrows::kRealAir)
        return {};
    const auto reason = pyrows::ReasonOfCode(code);
    if (!reason)
        throw py::value_error("no such reason code: " + std::to_string(code));
    return pyrows::ReasonLine(*reason, system);
}

// --- The workbench ------------------------------------------------------------

pyrows::Operation OperationOf(const std::string& name) {
    using pyrows::Operation;
    constexpr std::array<std::pair<const char*, Operation>, 6> kOperations{{
        {"process", Operation::Process},
        {"mix", Operation::Mix},
        {"coil", Operation::CoilContact},
        {"coil_leaving", Operation::CoilLeaving},
        {"comfort", Operation::Comfort},
        {"zone", Operation::ZoneMember},
    }};
    for (const auto& [known, operation] : kOperations) {
        if (name == known)
            return operation;
    }
    throw py::value_error("no such operation: " + name);
}

processes::AirflowUnit AirflowUnitOf(const std::string& text) {
    using processes::AirflowUnit;
    for (const AirflowUnit unit :
         {AirflowUnit::Cfm, AirflowUnit::LitresPerSecond, AirflowUnit::CubicMetresPerSecond,
          AirflowUnit::CubicMetresPerHour}) {
        if (text == processes::AirflowUnitSymbol(unit))
            return unit;
    }
    if (text == "m3/s")
        return AirflowUnit::CubicMetresPerSecond;
    if (text == "m3/h")
        return AirflowUnit::CubicMetresPerHour;
    throw py::value_error("airflow units are cfm, L/s, m3/s and m3/h, not \"" + text + "\"");
}

// A zone made once for a call, kept by the package between calls.
struct ZoneHandle {
    std::shared_ptr<const processes::Zone> zone;
};

[[noreturn]] void ThrowProblem(processes::Problem problem) {
    throw py::value_error(std::string(processes::Describe(problem)));
}

ZoneHandle ComfortZone(double met, double clo, double airSpeed) {
    auto zone = processes::ComfortZone::Make({met, clo, airSpeed});
    if (!zone)
        ThrowProblem(zone.problem());
    return {std::make_shared<processes::ComfortZone>(*zone)};
}

ZoneHandle DataRoomZone() {
    return {std::make_shared<processes::LimitZone>(processes::DataRoomEnvelope())};
}

// Limits in the units of the system: temperatures °F | °C, humidity ratio
// lb/lb | kg/kg, relative humidity in per cent.
ZoneHandle LimitZone(const std::string& units, std::optional<double> minDryBulb,
                     std::optional<double> maxDryBulb, std::optional<double> minHumidityRatio,
                     std::optional<double> maxHumidityRatio,
                     std::optional<double> minRelativeHumidity,
                     std::optional<double> maxRelativeHumidity, std::optional<double> minDewPoint,
                     std::optional<double> maxDewPoint) {
    const UnitSystem system = SystemOf(units);
    const auto temperature = [system](std::optional<double> t) -> std::optional<double> {
        if (!t || system == UnitSystem::IP)
            return t;
        return psyunits::CelsiusToFahrenheit(*t);
    };
    const auto fraction = [](std::optional<double> percent) -> std::optional<double> {
        if (!percent)
            return percent;
        return psyunits::PercentToFraction(*percent);
    };
    processes::ZoneLimits limits;
    limits.minDryBulbF = temperature(minDryBulb);
    limits.maxDryBulbF = temperature(maxDryBulb);
    limits.minHumidityRatio = minHumidityRatio;
    limits.maxHumidityRatio = maxHumidityRatio;
    limits.minRelativeHumidity = fraction(minRelativeHumidity);
    limits.maxRelativeHumidity = fraction(maxRelativeHumidity);
    limits.minDewPointF = temperature(minDewPoint);
    limits.maxDewPointF = temperature(maxDewPoint);
    auto zone = processes::LimitZone::Make(limits);
    if (!zone)
        ThrowProblem(zone.problem());
    return {std::make_shared<processes::LimitZone>(*zone)};
}

py::dict Workbench(const std::string& operationName, std::vector<py::array> arrays,
                   const std::string& units, bool altitudes, const std::string& airflowUnit,
                   std::optional<int> threads, const std::optional<ZoneHandle>& zone) {
    pyrows::WorkbenchRequest request;
    request.operation = OperationOf(operationName);
    request.system = SystemOf(units);
    request.altitudes = altitudes;
    request.airflowUnit = AirflowUnitOf(airflowUnit);
    if (request.operation == pyrows::Operation::ZoneMember) {
        if (!zone || !zone->zone)
            throw py::value_error("no zone");
        request.zone = zone->zone.get();
    }
    if (arrays.size() != pyrows::OperationColumns(request.operation).size())
        throw py::value_error("wrong number of input arrays for " + operationName);

    const ArrayRows rows(std::move(arrays));
    const auto names = pyrows::OperationResults(request.operation);
    py::array_t<double> block = rows.block(names.size());
    std::vector<double*> values;
    for (std::size_t k = 0; k < names.size(); ++k)
        values.push_back(block.mutable_data() + k * rows.rows());
    py::array_t<std::uint8_t> problems = rows.array<std::uint8_t>();
    py::array_t<std::int8_t> kinds = rows.array<std::int8_t>();
    py::array_t<std::uint8_t> members = rows.array<std::uint8_t>();
    pyrows::WorkbenchResults results;
    results.values = values;
    results.problems = problems.mutable_data();
    results.kinds = kinds.mutable_data();
    results.members = members.mutable_data();
    const unsigned count = ThreadsOf(threads);
    {
        py::gil_scoped_release unlocked;
        pyrows::RunWorkbench(request, rows.shape, rows.columns, results, count);
    }
    py::dict out;
    for (std::size_t k = 0; k < names.size(); ++k)
        out[py::str(std::string(names[k]))] = block[py::int_(k)];
    if (request.operation == pyrows::Operation::Process)
        out["kind"] = kinds;
    if (request.operation == pyrows::Operation::ZoneMember)
        out["inside"] = members.attr("astype")("bool");
    else
        out["problem"] = problems;
    return out;
}

std::vector<std::string> ProblemNames() {
    std::vector<std::string> names{"NoProblem"};
    for (int code = 1; const auto problem = pyrows::ProblemOfCode(code); ++code)
        names.emplace_back(pyrows::ProblemName(*problem));
    return names;
}

std::string ProblemText(int code) {
    if (code == pyrows::kNoProblem)
        return {};
    const auto problem = pyrows::ProblemOfCode(code);
    if (!problem)
        throw py::value_error("no such problem code: " + std::to_string(code));
    return std::string(processes::Describe(*problem));
}

std::vector<std::string> ProcessNames() {
    std::vector<std::string> names;
    for (int k = 0; k < pyrows::kProcessKindCount; ++k)
        names.emplace_back(processes::ProcessName(static_cast<processes::ProcessKind>(k)));
    return names;
}

// --- Weather -----------------------------------------------------------------

py::object Optional(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

py::dict ReadWeatherFile(const std::string& path, const std::string& units,
                         std::optional<double> csvPressure, std::optional<int> threads) {
    const UnitSystem system = SystemOf(units);
    double csvPressurePsia = psyunits::kAtmospherePsia;
    if (csvPressure)
        csvPressurePsia =
            system == UnitSystem::SI ? psyunits::KPaToPsia(*csvPressure) : *csvPressure;
    const unsigned count = ThreadsOf(threads);

    std::optional<pyrows::WeatherRead> read;
    {
        py::gil_scoped_release unlocked;
        read = pyrows::ReadWeather(path, csvPressurePsia);
    }
    const std::vector<weather::Hour>& hours = read->file.hours;
    const auto n = static_cast<py::ssize_t>(hours.size());

    py::array_t<std::int16_t> month(n);
    py::array_t<std::int16_t> day(n);
    py::array_t<std::int16_t> hour(n);
    for (py::ssize_t i = 0; i < n; ++i) {
        const weather::Hour& h = hours[static_cast<std::size_t>(i)];
        month.mutable_at(i) = static_cast<std::int16_t>(h.month);
        day.mutable_at(i) = static_cast<std::int16_t>(h.day);
        hour.mutable_at(i) = static_cast<std::int16_t>(h.hourOfDay);
    }
    py::array_t<double> block({static_cast<py::ssize_t>(pyrows::kPropertyCount), n});
    py::array_t<std::uint8_t> reasons(n);
    pyrows::StateResults results;
    for (std::size_t p = 0; p < pyrows::kPropertyCount; ++p)
        results.properties[p] = block.mutable_data() + p * hours.size();
    results.reasons = reasons.mutable_data();
    {
        py::gil_scoped_release unlocked;
        pyrows::SolveHours(hours, system, results, count);
    }

    const weather::ReadReport& report = read->file.report;
    py::dict skipped;
    for (std::size_t r = 0; r < weather::kSkipReasonCount; ++r) {
        if (report.skipped[r] > 0)
            skipped[py::str(
                std::string(weather::DescribeSkipReason(static_cast<weather::SkipReason>(r))))] =
                report.skipped[r];
    }
    const auto designOf = [system](const weather::DesignConditions& design) {
        py::dict values;
        for (const auto& [name, value] : pyrows::DesignValues(design, system))
            values[py::str(name)] = Optional(value);
        return values;
    };
    const weather::Location& where = read->file.location;
    py::dict location;
    location["city"] = where.city;
    location["region"] = where.region;
    location["country"] = where.country;
    location["source"] = where.source;
    location["wmo"] = where.wmo;
    location["latitude"] = Optional(where.latitude);
    location["longitude"] = Optional(where.longitude);
    location["time_zone"] = Optional(where.timeZone);
    location["elevation"] = Optional(where.elevationM && system == UnitSystem::IP
                                         ? std::optional(psyunits::MetresToFeet(*where.elevationM))
                                         : where.elevationM);

    py::dict out;
    const weather::FileProblem problem = read->file.problem;
    out["problem"] = weather::DescribeFileProblem(problem, read->file.problemColumn);
    // The file could not be opened or read at all (Python's OSError), as
    // against a file that is no weather file (ValueError).
    using enum weather::FileProblem;
    out["cannot_open"] = problem == CannotOpen || problem == NoSuchFile || problem == IsDirectory ||
                         problem == NotRegularFile || problem == PermissionDenied ||
                         problem == ReadFailed;
    out["month"] = month;
    out["day"] = day;
    out["hour"] = hour;
    out["block"] = block;
    out["reason"] = reasons;
    out["rows"] = report.rows;
    out["skipped"] = skipped;
    out["design"] = designOf(read->design);
    out["header_design"] = designOf(read->file.headerDesign);
    out["location"] = location;
    out["site_pressure"] =
        system == UnitSystem::SI ? psyunits::PsiaToKPa(read->site.psia) : read->site.psia;
    out["site_pressure_note"] = std::string(weather::DescribeSitePressureSource(read->site.source));
    return out;
}

} // namespace

PYBIND11_MODULE(_vaporwright, m) {
    m.doc() = "The compute core of Vaporwright for numpy arrays; use the vaporwright package.";
    m.def("states", &States, py::arg("names"), py::arg("arrays"), py::arg("units"),
          py::arg("properties"), py::arg("threads"));
    m.def("quantity_of", &QuantityOf, py::arg("name"), py::arg("units"));
    m.def("property_names", &PropertyNames);
    m.def("property_units", &PropertyUnits, py::arg("units"));
    m.def("reason_names", &ReasonNames);
    m.def("reason_text", &ReasonText, py::arg("code"), py::arg("units"));

    py::class_<ZoneHandle>(m, "Zone");
    m.def("comfort_zone", &ComfortZone, py::arg("met"), py::arg("clo"), py::arg("air_speed"));
    m.def("data_room_zone", &DataRoomZone);
    m.def("limit_zone", &LimitZone, py::arg("units"), py::arg("min_dry_bulb"),
          py::arg("max_dry_bulb"), py::arg("min_humidity_ratio"), py::arg("max_humidity_ratio"),
          py::arg("min_relative_humidity"), py::arg("max_relative_humidity"),
          py::arg("min_dew_point"), py::arg("max_dew_point"));
    m.def("workbench", &Workbench, py::arg("operation"), py::arg("arrays"), py::arg("units"),
          py::arg("altitudes"), py::arg("airflow_unit"), py::arg("threads"), py::arg("zone"));
    m.def("operation_columns", [](const std::string& operation) {
        std::vector<std::string> names;
        for (const std::string_view name : pyrows::OperationColumns(OperationOf(operation)))
            names.emplace_back(name);
        return names;
    });
    m.def("problem_names", &ProblemNames);
    m.def("problem_text", &ProblemText, py::arg("code"));
    m.def("process_names", &ProcessNames);

    m.def("standard_pressure", [](const std::string& system) {
        return SystemOf(system) == UnitSystem::SI ? psyunits::kAtmosphereKPa
                                                  : psyunits::kAtmospherePsia;
    });
    m.def("read_weather", &ReadWeatherFile, py::arg("path"), py::arg("units"),
          py::arg("csv_pressure"), py::arg("threads"));
    m.attr("machine_threads") = pyrows::MachineThreads();
}
