#pragma once

// The undo commands of the project: each records what it changes so that
// undo restores exactly what was there. Points are found by their ids, which
// outlive moves in the list; processes and mixtures by position, which the
// linear undo history keeps valid.

#include "project/Project.h"

#include <QUndoCommand>

namespace project::detail {

// The project's primitive changes, for the commands.
class Edits {
public:
    static void insertPoint(Project& p, int index, StatePoint point) {
        p.insertPoint(index, std::move(point));
    }
    static StatePoint removePoint(Project& p, int index) { return p.removePoint(index); }
    static void replacePoint(Project& p, int index, StatePoint point) {
        p.replacePoint(index, std::move(point));
    }
    static void insertProcess(Project& p, int index, ProcessLink link) {
        p.insertProcess(index, link);
    }
    static void removeProcess(Project& p, int index) { p.removeProcess(index); }
    static void insertMixing(Project& p, int index, Mixing mixing) {
        p.insertMixing(index, mixing);
    }
    static void removeMixing(Project& p, int index) { p.removeMixing(index); }
    static void applyZones(Project& p, ZoneSettings zones) { p.applyZones(std::move(zones)); }
    static void applyAtmosphere(Project& p, const AtmosphereState& state) {
        p.applyAtmosphere(state);
    }
    static void applyAirHandler(Project& p, std::optional<AirHandlerSetup> setup) {
        p.applyAirHandler(std::move(setup));
    }
    static int nameSequence(const Project& p) noexcept { return p.nameSequence(); }
    static void setNameSequence(Project& p, int next) noexcept { p.setNameSequence(next); }
};

// Each returns a new command, owned by `parent` when one is given, otherwise
// by the caller (who pushes it on the stack).
// `named`: the point has the next name of the project's sequence, which then
// goes on after it (and back when the command is undone).
QUndoCommand* InsertPointCommand(Project& project, int index, StatePoint point, bool named,
                                 QUndoCommand* parent = nullptr);
QUndoCommand* RemovePointCommand(Project& project, int pointId, QUndoCommand* parent = nullptr);
// A change of one point's name, definition or airflow. With `move`, it merges
// with the move command before it when `continuesDrag` (one drag, one step).
QUndoCommand* ReplacePointCommand(Project& project, StatePoint before, StatePoint after,
                                  const QString& text, bool move, bool continuesDrag,
                                  QUndoCommand* parent = nullptr);
QUndoCommand* InsertProcessCommand(Project& project, int index, ProcessLink link,
                                   QUndoCommand* parent = nullptr);
QUndoCommand* RemoveProcessCommand(Project& project, int index, QUndoCommand* parent = nullptr);
QUndoCommand* InsertMixingCommand(Project& project, int index, Mixing mixing,
                                  QUndoCommand* parent = nullptr);
QUndoCommand* RemoveMixingCommand(Project& project, int index, QUndoCommand* parent = nullptr);
QUndoCommand* ZonesCommand(Project& project, ZoneSettings before, ZoneSettings after);
// The atmosphere with what it redefines, before and after.
QUndoCommand* AtmosphereCommand(Project& project, AtmosphereState before, AtmosphereState after);
QUndoCommand* AirHandlerCommand(Project& project, std::optional<AirHandlerSetup> before,
                                std::optional<AirHandlerSetup> after);

} // namespace project::detail
