#pragma once

// vaporwright-batch --project: a project file read and computed without Qt,
// its tables written as CSV to standard output, a file or a folder.

#include "batch/Options.h"
#include "batch/Run.h"
#include "projectcore/Csv.h"

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

namespace batch {

// The tables of the project file options.project: every table it has, or
// the one options.table names; in the units of --units when given, else in
// the project's own. Or why not: the window's message for a file that is
// damaged or cannot be read, naming the file.
std::variant<std::vector<project::NamedTable>, RunResult> ProjectTables(const Options& options);

// The tables as one text: each preceded by a line holding its name and
// followed, but for the last, by an empty line; every line ends in CR LF. A
// single table is its CSV alone.
std::string JoinTables(const std::vector<project::NamedTable>& tables);

// Writes the tables where options.output says: standard output (`out`), a
// file (one table alone, so that the file is one valid CSV table), or a
// folder (an existing one, or a name ending in "/", made if missing) with a
// file NAME.csv per table. Never over the project file; each file is written
// whole or not at all.
RunResult WriteProjectTables(const Options& options, const std::vector<project::NamedTable>& tables,
                             std::FILE* out);

} // namespace batch
