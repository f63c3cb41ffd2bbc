#include "weather/EpwHeader.h"

#include "engine/Units.h"
#include "weather/Fields.h"

#include <algorithm>
#include <vector>

namespace weather {

namespace {

namespace u = basPsychroFun::units;

// The fields of a header record, trimmed; past the first kMaxFields the
// record holds nothing the program reads, and a damaged line of commas must
// not cost memory for each.
std::vector<std::string_view> AllFields(std::string_view line) {
    constexpr std::size_t kMaxFields = 256;
    std::vector<std::string_view> fields(std::min(SplitFields(line, nullptr, 0), kMaxFields));
    SplitFields(line, fields.data(), fields.size());
    for (std::string_view& f : fields)
        f = TrimField(f);
    return fields;
}

std::optional<double> NumberAt(const std::vector<std::string_view>& fields, std::size_t i) {
    return i < fields.size() ? ParseNumber(fields[i]) : std::nullopt;
}

std::optional<double> CelsiusAt(const std::vector<std::string_view>& fields, std::size_t i) {
    const auto c = NumberAt(fields, i);
    return c ? std::optional(u::CelsiusToFahrenheit(*c)) : std::nullopt;
}

// Index of the field just after the keyword, or nothing.
std::optional<std::size_t> After(const std::vector<std::string_view>& fields,
                                 std::string_view keyword) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (EqualsIgnoringCase(fields[i], keyword))
            return i + 1;
    return std::nullopt;
}

} // namespace

Location ParseLocation(std::string_view line) {
    const auto f = AllFields(line);
    const auto text = [&](std::size_t i) {
        return i < f.size() ? std::string(f[i]) : std::string();
    };
    Location location;
    location.city = text(1);
    location.region = text(2);
    location.country = text(3);
    location.source = text(4);
    location.wmo = text(5);
    location.latitude = NumberAt(f, 6);
    location.longitude = NumberAt(f, 7);
    location.timeZone = NumberAt(f, 8);
    location.elevationM = NumberAt(f, 9);
    return location;
}

DesignConditions ParseDesignConditions(std::string_view line) {
    const auto f = AllFields(line);
    DesignConditions design;
    if (const auto h = After(f, "Heating")) {
        design.heating996DryBulbF = CelsiusAt(f, *h + 1);
        design.heating990DryBulbF = CelsiusAt(f, *h + 2);
    }
    if (const auto c = After(f, "Cooling")) {
        for (std::size_t i = 0; i < design.cooling.size(); ++i) {
            const auto db = CelsiusAt(f, *c + 2 + 2 * i);
            const auto mcwb = CelsiusAt(f, *c + 3 + 2 * i);
            if (db && mcwb)
                design.cooling[i] = CoolingDesign{*db, *mcwb};
        }
        const auto dp = CelsiusAt(f, *c + 16);
        const auto hr = NumberAt(f, *c + 17);
        const auto mcdb = CelsiusAt(f, *c + 18);
        if (dp && mcdb) {
            design.dewPoint04 = DehumidificationDesign{
                *dp, hr ? std::optional(u::GramsPerKilogramToRatio(*hr)) : std::nullopt, *mcdb};
        }
    }
    return design;
}

} // namespace weather
