#include "batch/Options.h"

#include "batch/Header.h"
#include "batch/Language.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "projectcore/Csv.h"
#include "weather/Columns.h"

#include <algorithm>
#include <array>
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
        return Say(altitude ? VW_TRANSLATABLE("batch::Options",
                                              "%1: cannot read \"%2\"; give a number with ft or m, "
                                              "such as 1500ft")
                            : VW_TRANSLATABLE("batch::Options",
                                              "%1: cannot read \"%2\"; give a number with psia, "
                                              "kPa, Pa, mbar or inHg, such as 101.325kPa"),
                   {std::string(option), std::string(text)});
    const std::optional<FieldUnit> target = FieldUnitOf(*column);
    const calculator::Entry entry =
        calculator::EntryOf(parts->first, false, target->field, target->position);
    if (!entry.value)
        return std::string(option) + ": " +
               Say(calculator::ReasonMessage(*entry.problem, SelectorOf(system), text));
    if (!altitude) {
        if (const auto problem = calculator::CheckPressure(*entry.value))
            return std::string(option) + ": " +
                   Say(calculator::ReasonMessage(*problem, SelectorOf(system)));
    } else if (const auto problem = calculator::CheckAltitude(*entry.value)) {
        return std::string(option) + ": " +
               Say(calculator::ReasonMessage(*problem, SelectorOf(system)));
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
                return Say(VW_TRANSLATABLE("batch::Options", "--units: give IP or SI"));
            options.unitsGiven = true;
        } else if (arg == "--pressure" || arg == "--altitude") {
            const auto v = value();
            if (!v)
                return Say(VW_TRANSLATABLE("batch::Options", "%1: give a value"),
                           {std::string(arg)});
            if (atmosphere && atmosphere->first != arg)
                return Say(
                    VW_TRANSLATABLE("batch::Options", "Give --pressure or --altitude, not both"));
            atmosphere = std::pair{arg, *v};
        } else if (arg == "--epw") {
            const auto v = value();
            if (!v || v->empty())
                return Say(VW_TRANSLATABLE("batch::Options", "--epw: give a weather file"));
            options.epw = std::string(*v);
        } else if (arg == "--project") {
            const auto v = value();
            if (!v || v->empty())
                return Say(VW_TRANSLATABLE("batch::Options", "--project: give a project file"));
            options.project = std::string(*v);
        } else if (arg == "--table") {
            const auto v = value();
            const auto names = project::ProjectTableNames();
            if (!v || std::find(names.begin(), names.end(), *v) == names.end()) {
                std::string known;
                for (const std::string_view name : names)
                    known += (known.empty() ? "" : ", ") + std::string(name);
                return Say(VW_TRANSLATABLE("batch::Options", "--table: give one of %1"), {known});
            }
            options.table = std::string(*v);
        } else if (arg == "-o" || arg == "--output") {
            const auto v = value();
            if (!v || v->empty())
                return Say(VW_TRANSLATABLE("batch::Options", "%1: give a file"),
                           {std::string(arg)});
            options.output = std::string(*v);
        } else if (arg == "-" || !arg.starts_with("-")) {
            if (inputGiven)
                return Say(VW_TRANSLATABLE("batch::Options", "Give one input file"));
            inputGiven = true;
            options.input = std::string(arg);
        } else {
            return Say(VW_TRANSLATABLE("batch::Options", "Unknown option \"%1\"; see --help"),
                       {std::string(arguments[i])});
        }
    }
    if (!options.epw.empty() && inputGiven)
        return Say(VW_TRANSLATABLE("batch::Options", "Give a CSV file or --epw, not both"));
    if (!options.project.empty()) {
        // A lone "-" names standard output for the tables.
        if ((inputGiven && options.input != "-") || !options.epw.empty())
            return Say(VW_TRANSLATABLE("batch::Options",
                                       "Give a CSV file, --epw or --project, one of them"));
        if (inputGiven && !options.output.empty() && options.output != "-")
            return Say(VW_TRANSLATABLE("batch::Options", "Give -o or -, not both"));
        options.input.clear();
        // A project has its own atmosphere, and its tables their own formats.
        if (atmosphere)
            return Say(VW_TRANSLATABLE("batch::Options",
                                       "A project gives its points their atmospheric "
                                       "pressure: %1 does not apply with --project"),
                       {std::string(atmosphere->first)});
        if (options.rendering.formats)
            return Say(VW_TRANSLATABLE("batch::Options",
                                       "--formats does not apply with --project: its tables "
                                       "have their own"));
    } else if (!options.table.empty()) {
        return Say(VW_TRANSLATABLE("batch::Options", "--table applies with --project"));
    }
    if (!options.epw.empty() && atmosphere)
        return Say(VW_TRANSLATABLE("batch::Options",
                                   "A weather file gives each hour its station pressure: "
                                   "%1 does not apply with --epw"),
                   {std::string(atmosphere->first)});
    if (atmosphere) {
        auto parsed = atmosphereOf(atmosphere->first, atmosphere->second, options.rendering.system);
        if (auto* message = std::get_if<std::string>(&parsed))
            return std::move(*message);
        options.atmosphere = std::get<Atmosphere>(parsed);
        options.rendering.altitudeGiven = options.atmosphere->altitudeGiven;
    }
    return options;
}

// The help in paragraphs, each translated as a whole: a translator keeps the
// option names, the column names and the alignment of the option list.
constexpr std::array kHelp{
    VW_TRANSLATABLE(
        "batch::Help",
        "Usage: vaporwright-batch [OPTIONS] [FILE]\n"
        "       vaporwright-batch [OPTIONS] --epw WEATHER.epw\n"
        "       vaporwright-batch --project FILE.vwproj [--units IP|SI] [--table NAME] [-o OUT]"),
    VW_TRANSLATABLE(
        "batch::Help",
        "Computes the state of moist air for every row of a CSV file (FILE, or standard\n"
        "input when FILE is missing or \"-\") and writes every property the Vaporwright\n"
        "calculator shows as CSV to standard output."),
    VW_TRANSLATABLE(
        "batch::Help",
        "Input: the header line names two input columns, each a quantity and its unit:\n"
        "  dry_bulb_F  dry_bulb_C  dry_bulb_K      (also wet_bulb_...)\n"
        "  relative_humidity_pct\n"
        "  humidity_ratio_lb/lb  humidity_ratio_kg/kg  humidity_ratio_g/kg\n"
        "  humidity_ratio_gr/lb\n"
        "  enthalpy_Btu/lb (zero at 0 F)  enthalpy_kJ/kg (zero at 0 C)\n"
        "Any two of dry bulb, wet bulb, relative humidity, humidity ratio and enthalpy\n"
        "make a pair. An optional pressure_psia, pressure_kPa, pressure_Pa,\n"
        "pressure_mbar, pressure_inHg, altitude_ft or altitude_m column gives each row\n"
        "its atmosphere. Names are matched without regard to case; other programs'\n"
        "forms are read too: \"Pressure (kPa)\", \"pressure-kPa\", \"pressure [kPa]\",\n"
        "\"Station pressure (hPa)\", \"Dry bulb (F)\", \"Relative humidity (%)\". A column\n"
        "that names a quantity without a unit (\"pressure\", \"altitude\") is refused.\n"
        "Every other column (a timestamp, say) is copied to the output, before the\n"
        "properties, as a CSV reader reads it and quoted where CSV needs it.\n"
        "Lines may end in LF, CRLF or CR; a line longer than 16 MiB is not read (a\n"
        "header that long ends the run)."),
    VW_TRANSLATABLE(
        "batch::Help",
        "Output: the copied columns, then dry bulb, wet bulb, dew point, relative\n"
        "humidity, humidity ratio, enthalpy, vapor pressure, degree of saturation,\n"
        "specific volume, density, absolute humidity, moisture concentration, pressure\n"
        "and altitude, each header naming its unit, then \"reason\". A row that gives no\n"
        "real air, or that cannot be read (an empty or non-numeric input, a wrong number\n"
        "of fields), has empty properties and says why in \"reason\"; the run goes on.\n"
        "Every line after the header gives one output row."),
    VW_TRANSLATABLE(
        "batch::Help",
        "Options:\n"
        "  --units IP|SI       units of the output and of bare --pressure/--altitude\n"
        "                      values (default IP: F, lb/lb, Btu/lb, psia, ft; SI: C,\n"
        "                      kg/kg, kJ/kg, mbar, m)\n"
        "  --pressure VALUE    atmospheric pressure of every row: a number with psia,\n"
        "                      kPa, Pa, mbar or inHg, or a bare number in psia (IP) or\n"
        "                      kPa (SI); default 14.696 psia\n"
        "  --altitude VALUE    altitude of every row, its pressure from the standard\n"
        "                      atmosphere: a number with ft or m, or bare in ft (IP) or\n"
        "                      m (SI)\n"
        "  --formats           round as the calculator displays (####0.00 for the dry\n"
        "                      bulb, ...) instead of full precision: the shortest text\n"
        "                      that reads back as the computed single-precision value\n"
        "  --epw FILE          read an EnergyPlus weather file instead (\"-\" for standard\n"
        "                      input): each hour's dry bulb and dew point at its\n"
        "                      station pressure; the output begins with the file's\n"
        "                      year,month,day,hour (hour 1 to 24, ending then)\n"
        "  --project FILE      read a Vaporwright project file instead (never written):\n"
        "                      compute it, the air handler included, and write its\n"
        "                      tables as CSV (below)\n"
        "  --table NAME        with --project, only that table: points, processes,\n"
        "                      mixtures, airhandler-components or airhandler-rollup\n"
        "  -o, --output FILE   write to FILE instead of standard output (with --project:\n"
        "                      a folder DIR for every table, a FILE for the one table\n"
        "                      --table names, or - for standard output)\n"
        "  -h, --help          show this help and exit\n"
        "  --version           show the version and exit"),
    VW_TRANSLATABLE(
        "batch::Help",
        "Project tables (--project): points, processes and mixtures, and for a project\n"
        "with an air handler airhandler-components (both cases, each row led by its\n"
        "case) and airhandler-rollup, in the project's own unit system unless --units\n"
        "says otherwise; each an RFC 4180 table with CR LF line ends and units in its\n"
        "header. To standard output (no -o, -o - or -) every table is preceded by a\n"
        "line holding its name and followed, but for the last, by an empty line; with\n"
        "--table, the one table alone, as a plain CSV file; -o FILE takes one table,\n"
        "--table's. With -o DIR (an existing folder, or a name ending in \"/\", made if\n"
        "missing) each table goes to its own file, DIR/NAME.csv, written whole or not\n"
        "at all. A damaged or unreadable project is refused with the window's message,\n"
        "and nothing is written."),
    VW_TRANSLATABLE(
        "batch::Help",
        "Exit status: 0 all rows written (rows without real air included), 1 a command\n"
        "line that cannot be followed (an output that is the input file, named, on\n"
        "standard input or a project's standard output, included; one file for all of\n"
        "a project's tables), 2 an input that cannot be opened or read (a missing\n"
        "file, a folder, an unusable header, a damaged project, a table the project\n"
        "does not have), 3 an output that cannot be written."),
    VW_TRANSLATABLE(
        "batch::Help",
        "Examples:\n"
        "  printf 'time,dry_bulb_F,relative_humidity_pct\\n08:00,75,50\\n' |\n"
        "      vaporwright-batch --units SI --altitude 1500ft\n"
        "  vaporwright-batch --project office.vwproj -o tables/\n"
        "  vaporwright-batch --project office.vwproj --table airhandler-rollup --units SI"),
};

std::string HelpText() {
    std::string text;
    for (const i18n::Text& paragraph : kHelp) {
        if (!text.empty())
            text += "\n";
        text += Say(paragraph);
        text += "\n";
    }
    return text;
}

} // namespace batch
