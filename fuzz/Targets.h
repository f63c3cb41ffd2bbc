#pragma once

// Entry points for fuzzing the program's readers: each takes the bytes of
// one input file, feeds them through the reader's public entry as the program
// does, and checks what must hold for any input whatever. The same entries
// serve libFuzzer (LibFuzzerMain.cpp, built with clang and VW_FUZZ) and the
// ordinary test suite's deterministic mutations (tests/fuzz/).
//
// What every entry checks, besides not crashing, hanging or growing memory
// (the sanitizers and libFuzzer's limits watch those):
// - every state the reader keeps is real air (engine/Limits.h);
// - nothing is dropped without being counted: every row read is either kept
//   or counted as skipped for a reason;
// - an output the program writes is valid CSV (RFC 4180) with one record per
//   input row and the same number of fields in every record;
// - what is written and read back again reads as it was written.

#include <span>
#include <string>
#include <string_view>

namespace fuzz {

// A broken invariant, in a sentence; empty when everything held.
using Finding = std::string;

// vaporwright-batch on a CSV file (header and rows) from its input stream.
Finding CheckBatchCsv(std::string_view bytes);
// vaporwright-batch --epw on an EnergyPlus weather file.
Finding CheckBatchEpw(std::string_view bytes);
// The chart window's weather readers: an EPW file, then its design
// conditions.
Finding CheckWeatherEpw(std::string_view bytes);
// A CSV weather file, then its design conditions.
Finding CheckWeatherCsv(std::string_view bytes);
// A project file (.vwproj), opened into a project whose points are solved.
Finding CheckProjectFile(std::string_view bytes);
// The settings file (Vaporwright.ini) and the window settings read from it.
Finding CheckSettingsIni(std::string_view bytes);

struct Target {
    std::string_view name; // the seed corpus is fuzz/corpus/<name>/
    Finding (*check)(std::string_view bytes);
};

// Every target, in the order above.
std::span<const Target> Targets();

} // namespace fuzz
