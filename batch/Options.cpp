#include "batch/Options.h"

#include "batch/Header.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "projectcore/Csv.h"
#include "weather/Columns.h"

#include <algorithm>
#include <cctype>

namespace batch {

namespace {

// "101.3kPa" -> the number and "kPa"; the unit may follow after blanks.
std::optional<std::pair<double, std::string_view>> splitValue(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[end])) != 0 || text[end] == '.' ||
            text[end] == '-' || text[end] == '+' ||
            ((text[end] == 'e' || text[end] == 'E') && end > 0 && end + 1 < text.size() &&
             (std::isdigit(static_cast<unsigned char>(text[end + 1])) != 0 ||
              text[end + 1] == '-' || text[end + 1] == '+'))))
        ++end;
    bool tooLarge = false;
    const std::optional<double> value = ReadNumber(text.substr(0, end), tooLarge);
    if (!value)
        return std::nullopt;
    std::string_view unit = text.substr(end);
    while (!unit.empty() && unit.front() == ' ')
        unit.remove_prefix(1);
    return std::pair{*value, unit};
}

// The pressure or altitude of an option, in psia or ft, stored as the window
// stores the number typed in that unit. A bare number is in the unit of the
// unit system: psia or kPa, ft or m.
std::variant<Atmosphere, std::string> atmosphereOf(std::string_view option, std::string_view text,
                                                   System system) {
    const bool altitude = option == "--altitude";
    const auto parts = splitValue(text);
    const std::string_view quantity = altitude ? "altitude_" : "pressure_";
    std::string_view unit = parts ? parts->second : std::string_view{};
    if (unit.empty())
        unit = altitude ? (system == System::IP ? "ft" : "m")
                        : (system == System::IP ? "psia" : "kPa");
    const auto column =
        weather::columns::ParseColumnName(std::string(quantity) + std::string(unit));
    if (!parts || !column)
        return std::string(option) + ": cannot read \"" + std::string(text) + "\"; give a number" +
               (altitude ? " with ft or m" : " with psia, kPa, Pa, mbar or inHg") + ", such as " +
               (altitude ? "1500ft" : "101.325kPa");
    const std::optional<FieldUnit> target = FieldUnitOf(*column);
    const calculator::Entry entry =
        calculator::EntryOf(parts->first, false, target->field, target->position);
    if (!entry.value)
        return std::string(option) + ": " +
               calculator::ReasonText(*entry.problem, SelectorOf(system), text);
    if (!altitude) {
        if (const auto problem = calculator::CheckPressure(*entry.value))
            return std::string(option) + ": " +
                   calculator::ReasonText(*problem, SelectorOf(system));
    } else if (const auto problem = calculator::CheckAltitude(*entry.value)) {
        return std::string(option) + ": " + calculator::ReasonText(*problem, SelectorOf(system));
    }
    return Atmosphere{altitude, *entry.value};
}

} // namespace

std::variant<Options, std::string> ParseOptions(std::span<const std::string_view> arguments) {
    Options options;
    std::optional<std::pair<std::string_view, std::string_view>> atmosphere;
    bool inputGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view arg = arguments[i];
        std::optional<std::string_view> attached;
        if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
            attached = arg.substr(arg.find('=') + 1);
            arg = arg.substr(0, arg.find('='));
        }
        const auto value = [&]() -> std::optional<std::string_view> {
            if (attached)
                return attached;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const auto takesNoValue = [&] { return !attached; };

        if ((arg == "-h" || arg == "--help") && takesNoValue()) {
            options.help = true;
        } else if (arg == "--version" && takesNoValue()) {
            options.version = true;
        } else if (arg == "--formats" && takesNoValue()) {
            options.rendering.formats = true;
        } else if (arg == "--units") {
            const auto v = value();
            if (const std::optional<System> system =
                    v ? basPsychroFun::UnitSystemOf(*v) : std::nullopt)
                options.rendering.system = *system;
            else
                return "--units: give IP or SI";
            options.unitsGiven = true;
        } else if (arg == "--pressure" || arg == "--altitude") {
            const auto v = value();
            if (!v)
                return std::string(arg) + ": give a value";
            if (atmosphere && atmosphere->first != arg)
                return "Give --pressure or --altitude, not both";
            atmosphere = std::pair{arg, *v};
        } else if (arg == "--epw") {
            const auto v = value();
            if (!v || v->empty())
                return "--epw: give a weather file";
            options.epw = std::string(*v);
        } else if (arg == "--project") {
            const auto v = value();
            if (!v || v->empty())
                return "--project: give a project file";
            options.project = std::string(*v);
        } else if (arg == "--table") {
            const auto v = value();
            const auto names = project::ProjectTableNames();
            if (!v || std::find(names.begin(), names.end(), *v) == names.end()) {
                std::string known;
                for (const std::string_view name : names)
                    known += (known.empty() ? "" : ", ") + std::string(name);
                return "--table: give one of " + known;
            }
            options.table = std::string(*v);
        } else if (arg == "-o" || arg == "--output") {
            const auto v = value();
            if (!v || v->empty())
                return std::string(arg) + ": give a file";
            options.output = std::string(*v);
        } else if (arg == "-" || !arg.starts_with("-")) {
            if (inputGiven)
                return "Give one input file";
            inputGiven = true;
            options.input = std::string(arg);
        } else {
            return "Unknown option \"" + std::string(arguments[i]) + "\"; see --help";
        }
    }
    if (!options.epw.empty() && inputGiven)
        return "Give a CSV file or --epw, not both";
    if (!options.project.empty()) {
        // A lone "-" names standard output for the tables.
        if ((inputGiven && options.input != "-") || !options.epw.empty())
            return "Give a CSV file, --epw or --project, one of them";
        if (inputGiven && !options.output.empty() && options.output != "-")
            return "Give -o or -, not both";
        options.input.clear();
        // A project has its own atmosphere, and its tables their own formats.
        if (atmosphere)
            return "A project gives its points their atmospheric pressure: " +
                   std::string(atmosphere->first) + " does not apply with --project";
        if (options.rendering.formats)
            return "--formats does not apply with --project: its tables have their own";
    } else if (!options.table.empty()) {
        return "--table applies with --project";
    }
    if (!options.epw.empty() && atmosphere)
        return "A weather file gives each hour its station pressure: " +
               std::string(atmosphere->first) + " does not apply with --epw";
    if (atmosphere) {
        auto parsed = atmosphereOf(atmosphere->first, atmosphere->second, options.rendering.system);
        if (auto* message = std::get_if<std::string>(&parsed))
            return std::move(*message);
        options.atmosphere = std::get<Atmosphere>(parsed);
        options.rendering.altitudeGiven = options.atmosphere->altitudeGiven;
    }
    return options;
}

std::string HelpText() {
    return R"help(Usage: vaporwright-batch [OPTIONS] [FILE]
       vaporwright-batch [OPTIONS] --epw WEATHER.epw
       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]

Computes the state of moist air for every row of a CSV file (FILE, or standard
input when FILE is missing or "-") and writes every property the Vaporwright
calculator shows as CSV to standard output.

Input: the header line names two input columns, each a quantity and its unit:
  dry_bulb_F  dry_bulb_C  dry_bulb_K      (also wet_bulb_...)
  relative_humidity_pct
  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg
  humidity_ratio_gr/lb
  enthalpy_Btu/lb (zero at 0 F)  enthalpy_kJ/kg (zero at 0 C)
Any two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy
make a pair. An optional pressure_psia, pressure_kPa, pressure_Pa,
pressure_mbar, pressure_inHg, altitude_ft or altitude_m column gives each row
its atmosphere. Names are matched without regard to case; other programs'
forms are read too: "Pressure (kPa)", "pressure-kPa", "pressure [kPa]",
"Station pressure (hPa)", "Dry bulb (F)", "Relative humidity (%)". A column
that names a quantity without a unit ("pressure", "altitude") is refused.
Every other column (a timestamp, say) is copied to the output, before the
properties, as a CSV reader reads it and quoted where CSV needs it.
Lines may end in LF, CRLF or CR; a line longer than 16 MiB is not read (a
header that long ends the run).

Output: the copied columns, then dry bulb, wet bulb, dew point, relative
humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,
specific volume, density, absolute humidity, moisture concentration, pressure
and altitude, each header naming its unit, then "reason". A row that gives no
real air, or that cannot be read (an empty or non-numeric input, a wrong number
of fields), has empty properties and says why in "reason"; the run goes on.
Every line after the header gives one output row.

Options:
  --units IP|SI       units of the output and of bare --pressure/--altitude
                      values (default IP: F, lb/lb, Btu/lb, psia, ft; SI: C,
                      kg/kg, kJ/kg, mbar, m)
  --pressure VALUE    atmospheric pressure of every row: a number with psia,
                      kPa, Pa, mbar or inHg, or a bare number in psia (IP) or
                      kPa (SI); default 14.696 psia
  --altitude VALUE    altitude of every row, its pressure from the standard
                      atmosphere: a number with ft or m, or bare in ft (IP) or
                      m (SI)
  --formats           round as the calculator displays (####0.00 for the dry
                      bulb, ...) instead of full precision: the shortest text
                      that reads back as the computed single-precision value
  --epw FILE          read an EnergyPlus weather file instead ("-" for standard
                      input): each hour's dry bulb and dew point at its
                      station pressure; the output begins with the file's
                      year,month,day,hour (hour 1 to 24, ending then)
  --project FILE      read a Vaporwright project file instead (never written):
                      compute it, the air handler included, and write its
                      tables as CSV (below)
  --table NAME        with --project, only that table: points, processes,
                      mixtures, airhandler-components or airhandler-rollup
  -o, --output FILE   write to FILE instead of standard output (with --project:
                      a folder DIR for every table, a FILE for the one table
                      --table names, or - for standard output)
  -h, --help          show this help and exit
  --version           show the version and exit

Project tables (--project): points, processes and mixtures, and for a project
with an air handler airhandler-components (both cases, each row led by its
case) and airhandler-rollup, in the project's own unit system unless --units
says otherwise; each an RFC 4180 table with CR LF line ends and units in its
header. To standard output (no -o, -o - or -) every table is preceded by a
line holding its name and followed, but for the last, by an empty line; with
--table, the one table alone, as a plain CSV file; -o FILE takes one table,
--table's. With -o DIR (an existing folder, or a name ending in "/", made if
missing) each table goes to its own file, DIR/NAME.csv, written whole or not
at all. A damaged or unreadable project is refused with the window's message,
and nothing is written.

Exit status: 0 all rows written (rows without real air included), 1 a command
line that cannot be followed (an output that is the input file, named, on
standard input or a project's standard output, included; one file for all of
a project's tables), 2 an input that cannot be opened or read (a missing
file, a folder, an unusable header, a damaged project, a table the project
does not have), 3 an output that cannot be written.

Examples:
  printf 'time,dry_bulb_F,relative_humidity_pct\n08:00,75,50\n' |
      vaporwright-batch --units SI --altitude 1500ft
  vaporwright-batch --project office.vwproj -o tables/
  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI
)help";
}

} // namespace batch
