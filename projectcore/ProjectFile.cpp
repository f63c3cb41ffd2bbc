#include "projectcore/ProjectFile.h"

#include "core/RealAir.h"
#include "projectcore/FileReader.h"
#include "projectcore/Text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

namespace project {

namespace file {

namespace {

// A key in double quotes, appended piece by piece: GCC 12 at -O3 takes a
// literal put before a string ("\"" + key) for an overlapping copy
// (-Wrestrict).
std::string Quoted(std::string_view key) {
    std::string text;
    text.reserve(key.size() + 2);
    text += '"';
    text += key;
    text += '"';
    return text;
}

} // namespace

// The damage is told in the file's own terms (its keys, its parts and the
// names in it) and stays as it is; the sentence around it is translated.
void Reader::bad(const std::string& what) {
    fail({what.ends_with('.')
              ? VW_TRANSLATABLE("project::ProjectFile", "The project file is damaged: %1")
              : VW_TRANSLATABLE("project::ProjectFile", "The project file is damaged: %1."),
          {i18n::Argument::Plain(part_ + what)}});
}

void Reader::fail(i18n::Message message) {
    if (!error_)
        error_ = std::move(message);
}

const Value& Reader::member(const Value& o, const char* key) {
    static const Value kMissing;
    if (o.is_object()) {
        const auto it = o.find(key);
        if (it != o.end())
            return *it;
    }
    bad(Quoted(key) + " is missing");
    return kMissing;
}

double Reader::number(const Value& o, const char* key) {
    const Value& v = member(o, key);
    const double value = v.is_number() ? v.get<double>() : 0.0;
    if (!v.is_number() || !std::isfinite(value)) {
        bad(Quoted(key) + " is not a number");
        return 0.0;
    }
    return value;
}

bool Reader::boolean(const Value& o, const char* key) {
    const Value& v = member(o, key);
    if (!v.is_boolean()) {
        bad(Quoted(key) + " is not true or false");
        return false;
    }
    return v.get<bool>();
}

std::string Reader::text(const Value& o, const char* key) {
    const Value& v = member(o, key);
    if (!v.is_string()) {
        bad(Quoted(key) + " is not a text");
        return {};
    }
    return v.get_ref<const std::string&>();
}

const Value& Reader::array(const Value& o, const char* key) {
    static const Value kEmpty = Value::array();
    const Value& v = member(o, key);
    if (!v.is_array()) {
        bad(Quoted(key) + " is not a list");
        return kEmpty;
    }
    return v;
}

const Value& Reader::object(const Value& v, std::string_view what) {
    static const Value kEmpty = Value::object();
    if (!v.is_object()) {
        bad(std::string(what) + " is not an object");
        return kEmpty;
    }
    return v;
}

int Reader::position(const Value& o, const char* key, std::size_t count) {
    const double v = number(o, key);
    if (failed() || v != std::floor(v) || v < 0 || v >= static_cast<double>(count)) {
        bad(Quoted(key) + " refers to a point that is not there");
        return -1;
    }
    return static_cast<int>(v);
}

std::optional<PointDefinition> Reader::definition(const Value& o, const std::string& what) {
    const Value& inputs = array(o, "inputs");
    if (failed())
        return std::nullopt;
    if (inputs.size() != 2) {
        bad(what + " does not have two inputs");
        return std::nullopt;
    }
    std::array<InputValue, 2> values;
    for (std::size_t i = 0; i < 2; ++i) {
        const Value& input = object(inputs[i], "an input");
        const auto kind = InputFromKey(text(input, "property"));
        if (!kind)
            bad(what + " has an unknown input");
        const double value = number(input, "value");
        if (failed())
            return std::nullopt;
        values[i] = {*kind, value};
    }
    const PointDefinition definition{values[0], values[1]};
    if (auto problem = CheckDefinition(definition)) {
        bad(what + ": " + problem->English());
        return std::nullopt;
    }
    return definition;
}

std::optional<processes::Airflow> Reader::airflow(const Value& v, const std::string& what) {
    const Value& a = object(v, "an airflow");
    const std::string unit = text(a, "unit");
    const double value = number(a, "value");
    const auto found = std::find_if(kAirflowUnits.begin(), kAirflowUnits.end(),
                                    [&unit](const auto& u) { return unit == u.second; });
    if (found == kAirflowUnits.end())
        bad(what + " has an unknown airflow unit");
    if (failed())
        return std::nullopt;
    return processes::Airflow{value, found->first};
}

Value WriteInputs(const PointDefinition& definition) {
    Value inputs = Value::array();
    for (const InputValue& v : {definition.first, definition.second})
        inputs.push_back({{"property", std::string(InputKey(v.input))}, {"value", v.value}});
    return inputs;
}

Value WriteAirflow(const processes::Airflow& airflow) {
    return {{"value", airflow.value}, {"unit", NameOf(airflow.unit, kAirflowUnits)}};
}

} // namespace file

namespace {

using file::Reader;
using file::Value;
using processes::ZoneLimits;

// The optional limits of a user zone under their keys.
using LimitMember = std::optional<double> ZoneLimits::*;
constexpr std::array<std::pair<LimitMember, const char*>, 8> kLimits{{
    {&ZoneLimits::minDryBulbF, "minDryBulbF"},
    {&ZoneLimits::maxDryBulbF, "maxDryBulbF"},
    {&ZoneLimits::minHumidityRatio, "minHumidityRatio"},
    {&ZoneLimits::maxHumidityRatio, "maxHumidityRatio"},
    {&ZoneLimits::minRelativeHumidity, "minRelativeHumidity"},
    {&ZoneLimits::maxRelativeHumidity, "maxRelativeHumidity"},
    {&ZoneLimits::minDewPointF, "minDewPointF"},
    {&ZoneLimits::maxDewPointF, "maxDewPointF"},
}};

// Whether a point is, through a chain of mixtures, one of its own streams:
// whether Kahn's topological order of the graph from streams to mixtures
// leaves points out. Time linear in the size of the graph.
bool MixturesLoop(const ProjectData& data) {
    std::unordered_map<int, int> positions;
    positions.reserve(data.points.size());
    for (std::size_t i = 0; i < data.points.size(); ++i)
        positions.emplace(data.points[i].id, static_cast<int>(i));
    const auto positionOf = [&positions](int id) {
        const auto it = positions.find(id);
        return it == positions.end() ? -1 : it->second;
    };
    const std::size_t n = data.points.size();
    std::vector<std::vector<int>> madeFrom(n); // stream -> mixtures it enters
    std::vector<int> streamsLeft(n, 0);
    for (const Mixing& m : data.mixings) {
        const int result = positionOf(m.resultId);
        for (const int stream : {m.firstId, m.secondId}) {
            const int from = positionOf(stream);
            if (from < 0 || result < 0)
                continue;
            madeFrom[static_cast<std::size_t>(from)].push_back(result);
            ++streamsLeft[static_cast<std::size_t>(result)];
        }
    }
    std::vector<int> ready;
    for (std::size_t i = 0; i < n; ++i) {
        if (streamsLeft[i] == 0)
            ready.push_back(static_cast<int>(i));
    }
    while (!ready.empty()) {
        const int done = ready.back();
        ready.pop_back();
        for (const int mixture : madeFrom[static_cast<std::size_t>(done)]) {
            if (--streamsLeft[static_cast<std::size_t>(mixture)] == 0)
                ready.push_back(mixture);
        }
    }
    return std::any_of(streamsLeft.begin(), streamsLeft.end(), [](int left) { return left > 0; });
}

// --- Reading ---------------------------------------------------------------------

class ProjectReader : public Reader {
public:
    std::optional<ProjectData> project(std::string_view bytes);

private:
    std::optional<StatePoint> point(const Value& o, int id);
    ZoneSettings zones(const Value& o);
    // The file's version when this one reads it; nothing, with the message
    // why not, otherwise.
    std::optional<int> version(const Value& root);
    bool points(const Value& root, ProjectData& data);
    bool processes(const Value& root, ProjectData& data);
    bool mixings(const Value& root, ProjectData& data);
};

std::optional<StatePoint> ProjectReader::point(const Value& o, int id) {
    StatePoint point;
    point.id = id;
    point.name = std::string(TrimBlanks(text(o, "name")));
    if (failed())
        return std::nullopt;
    if (auto problem = CheckPointName(point.name, index)) {
        // Named by its place: the name may be what cannot be shown.
        bad("point number " + std::to_string(id) + ": " + problem->English());
        return std::nullopt;
    }
    const auto definition = this->definition(o, "point " + point.name);
    if (!definition)
        return std::nullopt;
    point.definition = *definition;
    if (const auto given = o.find("airflow"); given != o.end()) {
        point.airflow = airflow(*given, "point " + point.name);
        if (!point.airflow)
            return std::nullopt;
    }
    return point;
}

ZoneSettings ProjectReader::zones(const Value& o) {
    ZoneSettings zones;
    zones.comfortShown = boolean(o, "comfortShown");
    zones.comfort = {number(o, "metabolicRate"), number(o, "clothing"), number(o, "airSpeed")};
    zones.dataRoomShown = boolean(o, "dataRoomShown");
    for (const Value& v : array(o, "userZones")) {
        const Value& z = object(v, "a zone");
        UserZone zone;
        zone.name = text(z, "name");
        zone.shown = boolean(z, "shown");
        for (const auto& [limit, key] : kLimits) {
            if (z.contains(key))
                zone.limits.*limit = number(z, key);
        }
        zones.userZones.push_back(std::move(zone));
    }
    if (!failed()) {
        if (auto problem = CheckZoneSettings(zones))
            bad(problem->English());
    }
    return zones;
}

std::optional<int> ProjectReader::version(const Value& root) {
    const double version = number(root, "version");
    if (failed())
        return std::nullopt;
    if (version == 1 || version == kProjectFileVersion)
        return static_cast<int>(version);
    // A later version that may come: a whole number, told as one. Anything
    // else (a fraction, zero, a negative or huge number) is no version at all.
    constexpr double kLikelyVersions = 1e6;
    const std::string reads = std::to_string(kProjectFileVersion);
    if (version == std::floor(version) && version > kProjectFileVersion &&
        version <= kLikelyVersions) {
        fail({VW_TRANSLATABLE("project::ProjectFile",
                              "This project was saved by a newer version of Vaporwright (file "
                              "version %1); this version reads version %2."),
              {i18n::Argument::Plain(std::to_string(static_cast<int>(version))),
               i18n::Argument::Plain(reads)}});
    } else {
        fail({VW_TRANSLATABLE("project::ProjectFile",
                              "The project file's version is not one Vaporwright reads; this "
                              "version reads version %1."),
              {i18n::Argument::Plain(reads)}});
    }
    return std::nullopt;
}

bool ProjectReader::points(const Value& root, ProjectData& data) {
    const Value& list = array(root, "points");
    data.points.reserve(list.size());
    int id = 1;
    for (const Value& v : list) {
        auto point = this->point(object(v, "a point"), id++);
        if (!point)
            return false;
        index.addPoint(*point, static_cast<int>(data.points.size()));
        data.points.push_back(std::move(*point));
    }
    return !failed();
}

bool ProjectReader::processes(const Value& root, ProjectData& data) {
    const std::size_t count = data.points.size();
    const auto idAt = [&data](int i) { return data.points[static_cast<std::size_t>(i)].id; };
    for (const Value& v : array(root, "processes")) {
        const Value& o = object(v, "a process");
        const int from = position(o, "from", count);
        const int to = position(o, "to", count);
        if (failed())
            return false;
        const ProcessLink link{idAt(from), idAt(to)};
        if (auto problem = CheckProcess(link, data.points, index)) {
            bad("a process: " + problem->English());
            return false;
        }
        index.addProcess(link);
        data.processes.push_back(link);
    }
    return !failed();
}

bool ProjectReader::mixings(const Value& root, ProjectData& data) {
    const std::size_t count = data.points.size();
    const auto idAt = [&data](int i) { return data.points[static_cast<std::size_t>(i)].id; };
    for (const Value& v : array(root, "mixings")) {
        const Value& o = object(v, "a mixture");
        const int first = position(o, "first", count);
        const int second = position(o, "second", count);
        const int result = position(o, "result", count);
        const double share = number(o, "firstStreamShare");
        if (failed())
            return false;
        if (!(share >= 0.0 && share <= 1.0)) {
            bad("a mixture's share is outside 0 to 1");
            return false;
        }
        const Mixing mixing{idAt(first), idAt(second), idAt(result), share};
        if (auto problem = CheckMixing(mixing, data.points, index)) {
            bad("a mixture: " + problem->English());
            return false;
        }
        index.addMixing(mixing);
        data.mixings.push_back(mixing);
    }
    if (failed())
        return false;
    // The project makes every mixture a new point, after its streams: no
    // point can be mixed, through other mixtures, from itself.
    if (MixturesLoop(data)) {
        bad("the mixtures form a loop, a point mixed through others from itself");
        return false;
    }
    return true;
}

std::optional<ProjectData> ProjectReader::project(std::string_view bytes) {
    auto parsed = json::Parse(bytes);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        // The parser's own words, which name the place in the file.
        fail({VW_TRANSLATABLE("project::ProjectFile", "This is not a project file: %1."),
              {i18n::Argument::Plain(*problem)}});
        return std::nullopt;
    }
    const Value& root = std::get<Value>(parsed);
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kProjectFormat) {
        fail({VW_TRANSLATABLE("project::ProjectFile", "This is not a Vaporwright project file."),
              {}});
        return std::nullopt;
    }
    const std::optional<int> fileVersion = version(root);
    if (!fileVersion)
        return std::nullopt;

    ProjectData data;
    const auto system = basPsychroFun::UnitSystemOf(text(root, "unitSystem"));
    if (!system)
        bad("the unit system is neither IP nor SI");
    data.atmosphere.system = system.value_or(UnitSystem::IP);
    data.atmosphere.pressurePsia = number(root, "pressurePsia");
    const auto single = basPsychroFun::units::ToSingle(data.atmosphere.pressurePsia);
    if (!single || calculator::CheckPressure(*single))
        bad("the atmospheric pressure is out of range");
    if (failed() || !points(root, data) || !processes(root, data) || !mixings(root, data))
        return std::nullopt;
    data.zones = zones(object(member(root, "zones"), "\"zones\""));
    if (failed())
        return std::nullopt;
    if (*fileVersion >= 2) {
        data.airHandler =
            file::ReadAirHandler(*this, object(member(root, "airHandler"), "\"airHandler\""));
        if (failed())
            return std::nullopt;
    }
    return data;
}

// --- Writing --------------------------------------------------------------------

Value writePoint(const StatePoint& point) {
    Value o{{"name", point.name}, {"inputs", file::WriteInputs(point.definition)}};
    if (point.airflow)
        o["airflow"] = file::WriteAirflow(*point.airflow);
    return o;
}

Value writeZones(const ZoneSettings& zones) {
    Value user = Value::array();
    for (const UserZone& zone : zones.userZones) {
        Value z{{"name", zone.name}, {"shown", zone.shown}};
        for (const auto& [limit, key] : kLimits) {
            if (zone.limits.*limit)
                z[key] = *(zone.limits.*limit);
        }
        user.push_back(std::move(z));
    }
    return {{"comfortShown", zones.comfortShown},   {"metabolicRate", zones.comfort.metabolicRate},
            {"clothing", zones.comfort.clothing},   {"airSpeed", zones.comfort.airSpeed},
            {"dataRoomShown", zones.dataRoomShown}, {"userZones", std::move(user)}};
}

// The text of a file that does not open or read, as errno tells it.
std::string errorText(int error) {
    return std::strerror(error);
}

// Closes the file descriptor it holds.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    [[nodiscard]] int get() const noexcept { return fd_; }

private:
    int fd_;
};

} // namespace

std::string WriteProjectFile(const ProjectData& data) {
    ProjectIndex index;
    index.rebuildPoints(data.points);
    const auto positionOf = [&index](int id) { return index.positionOfId(id); };
    Value points = Value::array();
    for (const StatePoint& point : data.points)
        points.push_back(writePoint(point));
    Value processes = Value::array();
    for (const ProcessLink& link : data.processes)
        processes.push_back({{"from", positionOf(link.fromId)}, {"to", positionOf(link.toId)}});
    Value mixings = Value::array();
    for (const Mixing& m : data.mixings)
        mixings.push_back({{"first", positionOf(m.firstId)},
                           {"second", positionOf(m.secondId)},
                           {"result", positionOf(m.resultId)},
                           {"firstStreamShare", m.firstStreamShare}});
    Value root{
        {"format", kProjectFormat},
        // The lowest version that holds the project: earlier versions of the
        // program read a project without an air handler.
        {"version", data.airHandler ? kProjectFileVersion : 1},
        {"unitSystem", std::string(basPsychroFun::SelectorOf(data.atmosphere.system))},
        {"pressurePsia", data.atmosphere.pressurePsia},
        {"points", std::move(points)},
        {"processes", std::move(processes)},
        {"mixings", std::move(mixings)},
        {"zones", writeZones(data.zones)},
    };
    if (data.airHandler)
        root["airHandler"] = file::WriteAirHandler(*data.airHandler);
    return json::Write(root);
}

namespace {

// A refusal naming the file: "<pattern>" with the path as %1 and, where
// given, the system's reason as %2.
i18n::Message aboutFile(i18n::Text pattern, const std::string& path,
                        std::optional<int> error = std::nullopt) {
    i18n::Message message{pattern, {i18n::Argument::Plain(path)}};
    if (error)
        message.arguments.push_back(i18n::Argument::Plain(errorText(*error)));
    return message;
}

// The English of a refusal, for the callers that stay in English.
template <typename T>
std::variant<ProjectData, std::string> inEnglish(std::variant<ProjectData, T> read) {
    if (auto* message = std::get_if<T>(&read))
        return message->English();
    return std::get<ProjectData>(std::move(read));
}

} // namespace

std::variant<ProjectData, i18n::Message> LoadProjectFile(std::string_view bytes) {
    ProjectReader reader;
    if (auto data = reader.project(bytes))
        return std::move(*data);
    return reader.error();
}

std::variant<ProjectData, std::string> ReadProjectFile(std::string_view bytes) {
    return inEnglish(LoadProjectFile(bytes));
}

std::variant<ProjectData, std::string> ReadProjectFileAt(const std::string& path) {
    return inEnglish(LoadProjectFileAt(path));
}

std::variant<ProjectData, i18n::Message> LoadProjectFileAt(const std::string& path) {
    // A device or a pipe in the file's place would block the read or never
    // end it (a link to /dev/zero, say): asked before opening (opening a pipe
    // waits for its writer), and again of the file opened.
    struct stat status {};
    const auto notAFile = [&path] {
        return aboutFile(VW_TRANSLATABLE("project::ProjectFile", "%1 is not a file."), path);
    };
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
        return notAFile();
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return aboutFile(VW_TRANSLATABLE("project::ProjectFile", "Cannot open %1: %2"), path,
                         errno);
    if (::fstat(file.get(), &status) != 0)
        return aboutFile(VW_TRANSLATABLE("project::ProjectFile", "Cannot read %1: %2"), path,
                         errno);
    if (!S_ISREG(status.st_mode))
        return notAFile();
    // The read, not the size the file gave when asked, is what counts; it
    // goes by pieces, so that nothing is set aside for a size not there.
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::string bytes;
    while (bytes.size() <= kLargestProjectFile) {
        const std::size_t want = std::min(kPiece, kLargestProjectFile + 1 - bytes.size());
        const std::size_t had = bytes.size();
        bytes.resize(had + want);
        const ssize_t got = ::read(file.get(), bytes.data() + had, want);
        if (got < 0) {
            if (errno == EINTR) {
                bytes.resize(had);
                continue;
            }
            return aboutFile(VW_TRANSLATABLE("project::ProjectFile", "Cannot read %1: %2"), path,
                             errno);
        }
        bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    if (bytes.size() > kLargestProjectFile)
        return aboutFile(
            VW_TRANSLATABLE("project::ProjectFile", "%1 is too large to be a project file."), path);
    return LoadProjectFile(bytes);
}

} // namespace project
