#include "airhandlerview/SetupEdit.h"

#include "project/Project.h"

#include <QCoreApplication>

namespace chart {

namespace {

bool Solved(const project::AirHandlerResult& result, airhandler::Season season) {
    return result.refusal(season).empty();
}

} // namespace

QString NewRefusal(const project::AirHandlerResult& before,
                   const project::AirHandlerResult& after) {
    for (const auto season : {airhandler::Season::Summer, airhandler::Season::Winter}) {
        if (Solved(before, season) && !Solved(after, season)) {
            const QString name =
                season == airhandler::Season::Summer
                    ? QCoreApplication::translate("chart::AirHandlerPanel", "Summer")
                    : QCoreApplication::translate("chart::AirHandlerPanel", "Winter");
            return QCoreApplication::translate("chart::AirHandlerPanel", "%1: %2")
                .arg(name, QString::fromStdString(after.refusal(season)));
        }
    }
    return {};
}

QString WouldRefuse(const project::Project& project, const project::AirHandlerSetup& after) {
    if (const auto problem = project::CheckAirHandler(after))
        return QString::fromStdString(*problem);
    const project::AirHandlerResult* before = project.airHandlerResult();
    if (before == nullptr)
        return {};
    return NewRefusal(*before, project::SolveAirHandler(after, project.atmosphere()));
}

QString ApplySetup(project::Project& project, const project::AirHandlerSetup& after,
                   bool allowNewRefusal) {
    if (project.airHandler() && *project.airHandler() == after)
        return {};
    if (!allowNewRefusal) {
        if (QString why = WouldRefuse(project, after); !why.isEmpty())
            return why;
    }
    return project.setAirHandler(after);
}

} // namespace chart
