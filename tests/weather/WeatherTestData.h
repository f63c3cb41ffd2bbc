#pragma once

// The Chicago O'Hare typical year (tests/weather/data, see its README) and
// helpers to damage copies of it.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace weather::testdata {

inline const char* const kChicagoEpw =
    VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw";

inline std::string ReadChicago() {
    std::ifstream in(kChicagoEpw, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// Field `index` (0-based) of a comma-separated line replaced by `value`.
inline std::string WithField(const std::string& line, std::size_t index, const std::string& value) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i)
        start = line.find(',', start) + 1;
    const std::size_t end = line.find(',', start);
    return line.substr(0, start) + value +
           (end == std::string::npos ? std::string() : line.substr(end));
}

} // namespace weather::testdata
