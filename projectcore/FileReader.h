#pragma once

// For the library's own sources: the checked reading of the project file's
// JSON, shared by the project's parts (ProjectFile.cpp) and the air
// handler's (AirHandlerFile.cpp), and the writing of what both hold.
//
// Every accessor refuses what is missing or of the wrong kind: it records the
// first fault and gives a harmless value, and the reader stops at the next
// check of failed(), so that nothing is built from a fault.

#include "core/Translatable.h"
#include "projectcore/Json.h"
#include "projectcore/ProjectData.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace project::file {

using json::Value;

class Reader {
public:
    [[nodiscard]] bool failed() const noexcept { return error_.has_value(); }
    [[nodiscard]] const i18n::Message& error() const noexcept { return *error_; }

    // `what` is a phrase, or ends in a sentence of a check with its own full
    // stop ("point A: The dry bulb is not a number."). Within a part of the
    // file that names itself (the air handler's), the part comes first.
    void bad(const std::string& what);
    // A message of its own, not a kind of damage.
    void fail(i18n::Message message);
    // The part of the file being read, said before each damage ("air
    // handler, summer: "); empty for the project's own.
    void setPart(std::string part) { part_ = std::move(part); }

    const Value& member(const Value& o, const char* key);
    double number(const Value& o, const char* key);
    bool boolean(const Value& o, const char* key);
    std::string text(const Value& o, const char* key);
    const Value& array(const Value& o, const char* key);
    const Value& object(const Value& v, std::string_view what);
    // A position in a list of `count`, given as a whole number; -1 when not.
    int position(const Value& o, const char* key, std::size_t count);
    // Two inputs under "inputs", checked as a point's: `what` names their
    // owner ("point A", "the room air").
    std::optional<PointDefinition> definition(const Value& o, const std::string& what);
    // An airflow object: its value and unit; `what` names its owner.
    std::optional<processes::Airflow> airflow(const Value& a, const std::string& what);

    // The value of an enumeration under `key`, one of `names`.
    template <typename E, std::size_t N>
    E choice(const Value& o, const char* key,
             const std::array<std::pair<E, const char*>, N>& names) {
        const std::string given = text(o, key);
        for (const auto& [value, name] : names) {
            if (given == name)
                return value;
        }
        if (!failed()) {
            std::string known;
            for (const auto& entry : names)
                known += (known.empty() ? "" : ", ") + std::string(entry.second);
            bad("\"" + std::string(key) + "\" is not one of " + known);
        }
        return names[0].first;
    }

    // The lists read so far, for the checks the project's edits apply.
    ProjectIndex index;

private:
    std::optional<i18n::Message> error_;
    std::string part_;
};

// The airflow units under their names in the file.
inline constexpr std::array<std::pair<processes::AirflowUnit, const char*>, 4> kAirflowUnits{{
    {processes::AirflowUnit::Cfm, "cfm"},
    {processes::AirflowUnit::LitresPerSecond, "L/s"},
    {processes::AirflowUnit::CubicMetresPerSecond, "m3/s"},
    {processes::AirflowUnit::CubicMetresPerHour, "m3/h"},
}};

// The name of an enumeration's value in `names`; the first for one that is
// not there (no value of the program is left out).
template <typename E, std::size_t N>
const char* NameOf(E value, const std::array<std::pair<E, const char*>, N>& names) {
    for (const auto& [v, name] : names) {
        if (v == value)
            return name;
    }
    return names[0].second;
}

Value WriteInputs(const PointDefinition& definition);
Value WriteAirflow(const processes::Airflow& airflow);

// The air handler (AirHandlerFile.cpp).
std::optional<AirHandlerSetup> ReadAirHandler(Reader& reader, const Value& o);
Value WriteAirHandler(const AirHandlerSetup& setup);

} // namespace project::file
