#include "project/ProjectCommands.h"

#include "project/QtText.h"

#include <algorithm>

namespace project::detail {

namespace {

// The id QUndoStack merges consecutive moves by.
constexpr int kMoveCommandId = 1;

class InsertPoint final : public QUndoCommand {
public:
    InsertPoint(Project& project, int index, StatePoint point, bool named, QUndoCommand* parent)
        : QUndoCommand(Project::tr("Add point %1").arg(ToQString(point.name)), parent), p_(project),
          index_(index), point_(std::move(point)),
          sequenceAfter_(named ? SequencePosition(point_.name) : std::nullopt) {}
    void redo() override {
        sequenceBefore_ = Edits::nameSequence(p_);
        Edits::insertPoint(p_, index_, point_);
        if (sequenceAfter_)
            Edits::setNameSequence(p_, std::max(sequenceBefore_, *sequenceAfter_ + 1));
    }
    void undo() override {
        Edits::removePoint(p_, p_.indexOfId(point_.id));
        if (sequenceAfter_)
            Edits::setNameSequence(p_, sequenceBefore_);
    }

private:
    Project& p_;
    int index_;
    StatePoint point_;
    std::optional<int> sequenceAfter_; // the position of the name the program gave
    int sequenceBefore_ = 0;
};

class RemovePoint final : public QUndoCommand {
public:
    RemovePoint(Project& project, int id, QUndoCommand* parent)
        : QUndoCommand(parent), p_(project), id_(id) {
        setText(Project::tr("Delete point %1").arg(project.pointName(project.indexOfId(id))));
    }

    void redo() override {
        processes_.clear();
        mixings_.clear();
        // The processes and mixtures the point takes part in go first, from
        // the last so that the positions recorded stay those to restore.
        for (int i = p_.processCount() - 1; i >= 0; --i) {
            const ProcessLink link = p_.process(i);
            if (link.fromId == id_ || link.toId == id_) {
                processes_.emplace_back(i, link);
                Edits::removeProcess(p_, i);
            }
        }
        for (int i = p_.mixingCount() - 1; i >= 0; --i) {
            const Mixing m = p_.mixing(i);
            if (m.firstId == id_ || m.secondId == id_ || m.resultId == id_) {
                mixings_.emplace_back(i, m);
                Edits::removeMixing(p_, i);
            }
        }
        index_ = p_.indexOfId(id_);
        point_ = Edits::removePoint(p_, index_);
    }
    void undo() override {
        Edits::insertPoint(p_, index_, point_);
        for (auto it = mixings_.rbegin(); it != mixings_.rend(); ++it)
            Edits::insertMixing(p_, it->first, it->second);
        for (auto it = processes_.rbegin(); it != processes_.rend(); ++it)
            Edits::insertProcess(p_, it->first, it->second);
    }

private:
    Project& p_;
    int id_;
    int index_ = -1;
    StatePoint point_;
    std::vector<std::pair<int, ProcessLink>> processes_;
    std::vector<std::pair<int, Mixing>> mixings_;
};

class ReplacePoint final : public QUndoCommand {
public:
    ReplacePoint(Project& project, StatePoint before, StatePoint after, const QString& text,
                 bool move, bool continuesDrag, QUndoCommand* parent)
        : QUndoCommand(text, parent), p_(project), before_(std::move(before)),
          after_(std::move(after)), move_(move), continuesDrag_(continuesDrag) {}

    void redo() override { Edits::replacePoint(p_, p_.indexOfId(after_.id), after_); }
    void undo() override { Edits::replacePoint(p_, p_.indexOfId(before_.id), before_); }
    [[nodiscard]] int id() const override { return move_ ? kMoveCommandId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const ReplacePoint*>(other);
        if (next == nullptr || !next->move_ || !next->continuesDrag_ ||
            next->after_.id != after_.id)
            return false;
        after_ = next->after_;
        return true;
    }

private:
    Project& p_;
    StatePoint before_;
    StatePoint after_;
    bool move_;
    bool continuesDrag_;
};

class InsertProcess final : public QUndoCommand {
public:
    InsertProcess(Project& project, int index, ProcessLink link, bool insert, QUndoCommand* parent)
        : QUndoCommand(insert ? Project::tr("Add process") : Project::tr("Delete process"), parent),
          p_(project), index_(index), link_(link), insert_(insert) {}
    void redo() override { insert_ ? add() : remove(); }
    void undo() override { insert_ ? remove() : add(); }

private:
    void add() { Edits::insertProcess(p_, index_, link_); }
    void remove() { Edits::removeProcess(p_, index_); }
    Project& p_;
    int index_;
    ProcessLink link_;
    bool insert_;
};

class InsertMixing final : public QUndoCommand {
public:
    InsertMixing(Project& project, int index, Mixing mixing, bool insert, QUndoCommand* parent)
        : QUndoCommand(insert ? Project::tr("Add mixture") : Project::tr("Delete mixture"), parent),
          p_(project), index_(index), mixing_(mixing), insert_(insert) {}
    void redo() override { insert_ ? add() : remove(); }
    void undo() override { insert_ ? remove() : add(); }

private:
    void add() { Edits::insertMixing(p_, index_, mixing_); }
    void remove() { Edits::removeMixing(p_, index_); }
    Project& p_;
    int index_;
    Mixing mixing_;
    bool insert_;
};

class SetZones final : public QUndoCommand {
public:
    SetZones(Project& project, ZoneSettings before, ZoneSettings after)
        : QUndoCommand(Project::tr("Change zones")), p_(project), before_(std::move(before)),
          after_(std::move(after)) {}
    void redo() override { Edits::applyZones(p_, after_); }
    void undo() override { Edits::applyZones(p_, before_); }

private:
    Project& p_;
    ZoneSettings before_;
    ZoneSettings after_;
};

class SetAtmosphere final : public QUndoCommand {
public:
    SetAtmosphere(Project& project, AtmosphereState before, AtmosphereState after)
        : QUndoCommand(Project::tr("Change pressure or units")), p_(project),
          before_(std::move(before)), after_(std::move(after)) {}
    void redo() override { Edits::applyAtmosphere(p_, after_); }
    void undo() override { Edits::applyAtmosphere(p_, before_); }

private:
    Project& p_;
    AtmosphereState before_;
    AtmosphereState after_;
};

class SetAirHandler final : public QUndoCommand {
public:
    SetAirHandler(Project& project, std::optional<AirHandlerSetup> before,
                  std::optional<AirHandlerSetup> after)
        : QUndoCommand(Project::tr("Change air handler")), p_(project), before_(std::move(before)),
          after_(std::move(after)) {}
    void redo() override { Edits::applyAirHandler(p_, after_); }
    void undo() override { Edits::applyAirHandler(p_, before_); }

private:
    Project& p_;
    std::optional<AirHandlerSetup> before_;
    std::optional<AirHandlerSetup> after_;
};

} // namespace

QUndoCommand* InsertPointCommand(Project& project, int index, StatePoint point, bool named,
                                 QUndoCommand* parent) {
    return new InsertPoint(project, index, std::move(point), named, parent);
}
QUndoCommand* RemovePointCommand(Project& project, int pointId, QUndoCommand* parent) {
    return new RemovePoint(project, pointId, parent);
}
QUndoCommand* ReplacePointCommand(Project& project, StatePoint before, StatePoint after,
                                  const QString& text, bool move, bool continuesDrag,
                                  QUndoCommand* parent) {
    return new ReplacePoint(project, std::move(before), std::move(after), text, move, continuesDrag,
                            parent);
}
QUndoCommand* InsertProcessCommand(Project& project, int index, ProcessLink link,
                                   QUndoCommand* parent) {
    return new InsertProcess(project, index, link, true, parent);
}
QUndoCommand* RemoveProcessCommand(Project& project, int index, QUndoCommand* parent) {
    return new InsertProcess(project, index, project.process(index), false, parent);
}
QUndoCommand* InsertMixingCommand(Project& project, int index, Mixing mixing,
                                  QUndoCommand* parent) {
    return new InsertMixing(project, index, mixing, true, parent);
}
QUndoCommand* RemoveMixingCommand(Project& project, int index, QUndoCommand* parent) {
    return new InsertMixing(project, index, project.mixing(index), false, parent);
}
QUndoCommand* ZonesCommand(Project& project, ZoneSettings before, ZoneSettings after) {
    return new SetZones(project, std::move(before), std::move(after));
}
QUndoCommand* AtmosphereCommand(Project& project, AtmosphereState before, AtmosphereState after) {
    return new SetAtmosphere(project, std::move(before), std::move(after));
}
QUndoCommand* AirHandlerCommand(Project& project, std::optional<AirHandlerSetup> before,
                                std::optional<AirHandlerSetup> after) {
    return new SetAirHandler(project, std::move(before), std::move(after));
}

} // namespace project::detail
