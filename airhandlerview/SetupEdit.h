#pragma once

// How the panel and the chart change the project's air handler: the whole
// setup, changed as the user asked, goes to the project as one undo step,
// unless it would be refused. Refused, with the reason and nothing changed:
// a setup the project cannot keep (a component's settings out of range, a
// value that is no number), and an edit that leaves a case without a
// solution that had one (a load against the case's duty, a supply above the
// room in cooling, no airflow, a room that is no air ...). A case already
// without a solution may be edited step by step until it has one again.

#include "projectcore/AirHandlerSetup.h"

#include <QString>

namespace project {
class Project;
}

namespace chart {

// The reason `after` gives no solution to a case that `before` solved, as
// the project explains it, led by the case's name; empty when there is none.
QString NewRefusal(const project::AirHandlerResult& before, const project::AirHandlerResult& after);

// Sets `after` as the project's air handler, one step on its undo stack,
// unless refused as above; empty on success (or when nothing changes),
// otherwise why nothing was changed. With `allowNewRefusal` a case may lose
// its solution (the duty switched before the loads follow).
QString ApplySetup(project::Project& project, const project::AirHandlerSetup& after,
                   bool allowNewRefusal = false);

// Whether the setup, solved at the project's atmosphere, would refuse a case
// that the project's air handler solves now; the reason, or empty.
QString WouldRefuse(const project::Project& project, const project::AirHandlerSetup& after);

} // namespace chart
