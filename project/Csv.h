#pragma once

// The points and processes tables as CSV: one header line naming each column
// with its unit, then one line per row; numbers with "." decimals whatever
// the locale, fields quoted where they hold a comma, a quote or a line break
// (RFC 4180). Temperatures, pressures, enthalpy, volume, densities and the
// mass flow of dry air are in the project's unit system; loads in Btu/h, tons
// and kW alike, water in lb/h and kg/h alike.

#include <QString>

namespace project {

class Project;

QString PointsCsv(const Project& project);
QString ProcessesCsv(const Project& project);

} // namespace project
