#pragma once

// The command line of vaporwright-batch.

#include "batch/Output.h"
#include "batch/Solve.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace batch {

// Exit codes.
inline constexpr int kExitOk = 0;        // every row written, with or without real air
inline constexpr int kExitUsage = 1;     // a command line that cannot be followed
inline constexpr int kExitBadInput = 2;  // an input that cannot be opened or read
inline constexpr int kExitBadOutput = 3; // an output that cannot be written

struct Options {
    bool help = false;
    bool version = false;
    Rendering rendering;
    // --pressure or --altitude for every row; nullopt: a column of the
    // file, or the standard atmosphere at sea level.
    std::optional<Atmosphere> atmosphere;
    std::string input;  // a CSV file; empty or "-" for standard input
    std::string epw;    // an EPW weather file instead of CSV
    std::string output; // empty or "-" for standard output
    // A project file (.vwproj) instead: its tables, in the units of --units
    // when given (unitsGiven), else in the project's own.
    std::string project;
    std::string table; // --table: that table of the project alone
    bool unitsGiven = false;
};

// The options of `arguments` (without the program name), or the message of
// the first one that cannot be followed.
std::variant<Options, std::string> ParseOptions(std::span<const std::string_view> arguments);

// The text --help prints.
std::string HelpText();

} // namespace batch
