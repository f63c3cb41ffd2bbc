#pragma once

// The project's tables as CSV (RFC 4180): one header line naming each column
// with its unit, then one line per row, every line ending in CR LF; numbers
// with "." decimals whatever the locale, fields quoted where they hold a
// comma, a quote or a line break. Temperatures, pressures, enthalpy, volume,
// densities and the mass flow of dry air are in the project's unit system;
// loads in Btu/h, tons and kW alike, water in lb/h and kg/h alike. The air
// handler's tables are those of airhandler/Tables.h.

#include "projectcore/Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace project {

std::string PointsCsv(const Model& model);
std::string ProcessesCsv(const Model& model);
// A row per mixture: the point it made, its two streams and the first
// stream's share of the dry air, with the mixed air.
std::string MixturesCsv(const Model& model);
// The air handler's components of the summer, then the winter case, each row
// led by its case; nothing when the project has no air handler.
std::optional<std::string> AirHandlerComponentsCsv(const Model& model);
// The two cases side by side; nothing when the project has no air handler.
std::optional<std::string> AirHandlerRollupCsv(const Model& model);

// The tables by the names the command-line program gives them, in order:
// "points", "processes", "mixtures", "airhandler-components",
// "airhandler-rollup".
struct NamedTable {
    std::string_view name;
    std::string csv;
};
std::vector<NamedTable> ProjectTables(const Model& model);
// The names of every table a project may have, in that order.
std::vector<std::string_view> ProjectTableNames();

} // namespace project
