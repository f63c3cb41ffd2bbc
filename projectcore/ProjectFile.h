#pragma once

// The project file (extension .vwproj, MIME type
// application/x-vaporwright-project): a JSON object
//
//   { "format": "vaporwright-project", "version": 1 | 2,
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
//                                 "minDryBulbF": 68.0, ... (each limit optional) } ] },
//     "airHandler": { ... } }                                             (version 2 only)
//
// with, in version 2, the air handler:
//
//   "airHandler": { "airflowUnit": "cfm",
//     "summer": {                                                 (and "winter", the same)
//       "duty": "cooling" | "heating",
//       "room":    { "inputs": [ two inputs, as a point's ] },
//       "outdoor": { "inputs": [ two inputs, as a point's ] },
//       "roomSensibleBtuPerHour": 100000.0, "roomLatentBtuPerHour": 25000.0,
//       "supply": { "by": "dryBulb" | "temperatureDifference" | "airflow",
//                   "dryBulbF": 55.0, "differenceF": 20.0,
//                   "airflow": { "value": 10000.0, "unit": "cfm" } },
//       "outdoorAir": { "by": "airflow" | "share",
//                       "airflow": { "value": 2000.0, "unit": "cfm" }, "share": 0.2 },
//       "components": [                                           (in the order the air meets them)
//         { "type": "heatRecovery", "exchanger": "wheel" | "plate",
//           "sensibleEffectiveness": 0.7, "latentEffectiveness": 0.6,
//           "exhaustAirflow": { "value": 2000.0, "unit": "cfm" } },    (optional: balanced)
//         { "type": "mixingBox", "economizer": "none" | "dryBulb" | "enthalpy",
//           "highLimitDryBulbF": 75.0, "maximumShare": 1.0 },           (high limit optional)
//         { "type": "heatingCoil", "role": "preheat" | "reheat",
//           "by": "leavingDryBulb" | "rise" | "toSupply", "leavingDryBulbF": 55.0, "riseF": 10.0 },
//         { "type": "coolingCoil",
//           "by": "leavingDryBulbAndRh" | "apparatusDewPoint" | "toSupplyHumidity"
//                 | "toSupplyState",
//           "leavingDryBulbF": 55.0, "leavingRelativeHumidity": 0.95,
//           "apparatusDewPointF": 50.0, "bypassFactor": 0.1 },
//         { "type": "supplyFan", "by": "power" | "rise", "power": 10.0, "powerUnit": "kW" | "hp",
//           "motorEfficiency": 0.9, "motorInAirstream": true, "riseF": 2.0 },
//         { "type": "humidifier", "kind": "steam" | "adiabatic",
//           "by": "leavingDewPoint" | "leavingRh" | "toSupply", "leavingDewPointF": 40.0,
//           "leavingRelativeHumidity": 0.4, "steamTemperatureF": 212.0 } ] } }
//
// Every value in base units (Definition.h; airhandler/Design.h): °F and
// temperature differences in °F, Btu/h, fractions 0 to 1; airflows and the
// fan's power in the unit given with them. Every field of a component is
// written, whichever option is chosen, so that the user's other settings
// survive. A project without an air handler is written as version 1, which
// earlier versions read. Reading checks everything: a file that is damaged in
// any way (the air handler included), or written by a newer version, is
// refused as a whole with one message.

#include "core/Translatable.h"
#include "projectcore/ProjectData.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace project {

inline constexpr auto kProjectFormat = "vaporwright-project";
// The newest version this one reads and writes; it reads every earlier one.
inline constexpr int kProjectFileVersion = 2;
inline constexpr auto kProjectFileSuffix = "vwproj";
inline constexpr auto kProjectMimeType = "application/x-vaporwright-project";
// A project file is a few kilobytes (a few megabytes for tens of thousands
// of points); anything far larger is not one.
inline constexpr std::size_t kLargestProjectFile = std::size_t{64} * 1024 * 1024;

std::string WriteProjectFile(const ProjectData& data);

// The project, or why the bytes are not one this version reads: a message
// for a window to translate (core/Translatable.h). The damage itself is told
// in the file's own terms (its keys and parts) and is not translated.
std::variant<ProjectData, i18n::Message> LoadProjectFile(std::string_view bytes);
// The same with the refusal in English.
std::variant<ProjectData, std::string> ReadProjectFile(std::string_view bytes);

// The project file at `path`, or why it is not read: not a regular file (a
// folder, a device, a pipe, which would block the read or never end it), it
// cannot be opened or read, it is larger than kLargestProjectFile, or what
// ReadProjectFile says. The path is named in the messages as given.
std::variant<ProjectData, i18n::Message> LoadProjectFileAt(const std::string& path);
// The same with the refusal in English.
std::variant<ProjectData, std::string> ReadProjectFileAt(const std::string& path);

} // namespace project
