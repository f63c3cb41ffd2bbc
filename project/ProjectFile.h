#pragma once

// The project file (extension .vwproj, MIME type
// application/x-vaporwright-project): a JSON object
//
//   { "format": "vaporwright-project", "version": 1,
//     "unitSystem": "IP" | "SI", "pressurePsia": 14.696,
//     "points": [ { "name": "A",
//                   "inputs": [ { "property": "dryBulb", "value": 75.0 },
//                               { "property": "relativeHumidity", "value": 0.5 } ],
//                   "airflow": { "value": 1000.0, "unit": "cfm" } } ],   (airflow optional)
//     "processes": [ { "from": 0, "to": 1 } ],                           (point positions)
//     "mixings": [ { "first": 0, "second": 1, "result": 2, "firstStreamShare": 0.25 } ],
//     "zones": { "comfortShown": false, "metabolicRate": 1.1, "clothing": 0.5, "airSpeed": 0.1,
//                "dataRoomShown": false,
//                "userZones": [ { "name": "Office", "shown": true,
//                                 "minDryBulbF": 68.0, ... (each limit optional) } ] } }
//
// Every value in base units (Definition.h). Reading checks everything: a
// file that is damaged in any way, or written by a newer version, is refused
// as a whole with one message.

#include "project/ProjectData.h"

#include <variant>

#include <QByteArray>
#include <QString>

namespace project {

inline constexpr auto kProjectFormat = "vaporwright-project";
inline constexpr int kProjectFileVersion = 1;
inline constexpr auto kProjectFileSuffix = "vwproj";
inline constexpr auto kProjectMimeType = "application/x-vaporwright-project";

QByteArray WriteProjectFile(const ProjectData& data);

// The project, or why the bytes are not one this version reads.
std::variant<ProjectData, QString> ReadProjectFile(const QByteArray& bytes);

} // namespace project
