#pragma once

// The project file (projectcore/ProjectFile.h) on Qt's bytes: the reader the
// window's callers and the fuzzing entry point use.

#include "projectcore/ProjectFile.h"

#include <variant>

#include <QByteArray>
#include <QString>

namespace project {

// The project, or why the bytes are not one this version reads, in the
// language spoken.
std::variant<ProjectData, QString> ReadProjectFile(const QByteArray& bytes);

} // namespace project
