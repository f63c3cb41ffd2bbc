#pragma once

// What a project keeps, apart from what is computed from it: the points and
// their definitions, airflows, the processes and mixtures between them, the
// zone settings and the atmosphere. This is what the project file holds and
// what the undo commands move; the results (Project.h) follow from it.

#include "processes/Airflow.h"
#include "processes/Comfort.h"
#include "processes/LimitZone.h"
#include "project/Definition.h"

#include <optional>
#include <vector>

#include <QString>

namespace project {

struct StatePoint {
    int id = 0; // unique within the project, kept for the point's life
    QString name;
    PointDefinition definition;
    // The supply or return airflow at this point, taken at its specific
    // volume; none when the point carries no airflow.
    std::optional<processes::Airflow> airflow;
};

// A process from one point to another, analysed for the airflow of the
// entering point.
struct ProcessLink {
    int fromId = 0;
    int toId = 0;
    bool operator==(const ProcessLink&) const = default;
};

// An adiabatic mixture: the point `resultId` was made by mixing `firstId`
// and `secondId`, the first stream being `firstStreamShare` of the dry air
// (the mixture divides the line between them at that share, measured from
// the second point). The share is the one at the time of mixing; the mixed
// point is an ordinary point from then on.
struct Mixing {
    int firstId = 0;
    int secondId = 0;
    int resultId = 0;
    double firstStreamShare = 0.0;
    bool operator==(const Mixing&) const = default;
};

struct UserZone {
    QString name;
    processes::ZoneLimits limits;
    bool shown = true;
};

struct ZoneSettings {
    bool comfortShown = false;
    processes::ComfortParameters comfort = processes::kSummerComfort;
    bool dataRoomShown = false;
    std::vector<UserZone> userZones;
};

bool operator==(const ZoneSettings& a, const ZoneSettings& b);

struct ProjectData {
    Atmosphere atmosphere;
    std::vector<StatePoint> points;
    std::vector<ProcessLink> processes;
    std::vector<Mixing> mixings;
    ZoneSettings zones;
};

// The label of position n of the naming sequence: A to Z, then AA, AB, ...
QString SequenceName(int n);
// The position of a label of that sequence; nothing for any other name.
std::optional<int> SequencePosition(const QString& name);
// The name for a new point: the label after the last one of the sequence in
// use, skipping names already taken.
QString NextPointName(const std::vector<StatePoint>& points);

// Why the zone settings cannot be used, nothing when they can: comfort
// parameters outside the PMV model, a user zone without a name or whose
// limits LimitZone refuses.
std::optional<QString> CheckZoneSettings(const ZoneSettings& zones);

// Why an airflow cannot be stored: a value that is not a finite number. (A
// zero or negative airflow is kept and shown with a message.)
std::optional<QString> CheckAirflow(const std::optional<processes::Airflow>& airflow);

} // namespace project
