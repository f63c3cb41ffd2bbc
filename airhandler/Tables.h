#pragma once

// The air handler's tables as rows of text, for the window's tables and CSV
// export and for the command-line program alike, so that both print the same
// numbers. Each header names its unit; numbers use "." whatever the locale.
// In "IP" states are in °F and lb/lb, loads in Btu/h, mass flows in lb/h; in
// "SI" in °C and kg/kg, kW and kg/h. Airflows are in the design's unit. The
// plant's cooling is given in tons and kW, its heating in kW and Btu/h and
// its humidifier water in lb/h and kg/h, in both systems.

#include "airhandler/Solve.h"
#include "core/Translatable.h"

#include <string>
#include <vector>

namespace airhandler {

// The texts in English, as the CSV writes them in every language; and the
// same place by place as messages for a window to translate
// (core/Translatable.h): the words translated, the numbers written in the
// reader's number format, units and the names the user gave as they are.
struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows; // each as long as the header
    std::vector<i18n::Message> shownHeader;
    std::vector<std::vector<i18n::Message>> shownRows;
};

// The air of one case from the outdoor and return air through every
// component to the supply air and the room: a row per state or component
// with its entering and leaving air, its process, loads and water, and a
// note. A refused case is one row with the reason.
Table ComponentsTable(const Design& design, const Solution& solution, Season season);

// The two cases side by side: the room, the supply air (its dry bulb,
// humidity ratio, relative humidity and enthalpy, volume airflow and mass of
// dry air), the outdoor and mixed air, the plant's cooling, heating and
// water, and the room-load check.
Table RollupTable(const Design& design, const Solution& solution);

// The table as CSV (RFC 4180): fields holding a comma, a quote or a line
// break are quoted, with quotes doubled; every line ends in CR LF.
std::string ToCsv(const Table& table);

} // namespace airhandler
