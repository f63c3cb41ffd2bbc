#include "dialogs/ContextIDs.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/HelpWindow.h"

#include <QCoreApplication>
#include <QPointer>

namespace ContextIDs {
namespace {

// The help state of one run, set by HelpInit.
struct HelpState {
    QPointer<QWidget> owner;
    QString path;
    QPointer<HelpWindow> viewer;
};

HelpState& State() {
    static HelpState state;
    return state;
}

enum class Page { Contents, Finder };

HelpResult Show(Page page) {
    HelpState& state = State();
    if (state.path.isEmpty()) {
        return {HelpResult::Status::NoHelpPath, {}};
    }
    HelpWindow* viewer = state.viewer;
    const bool created = viewer == nullptr;
    if (created) {
        viewer = new HelpWindow(state.owner);
    }
    if (const auto error = viewer->load(state.path)) {
        if (created) {
            delete viewer;
        }
        return {HelpResult::Status::Failed, *error};
    }
    state.viewer = viewer;
    if (page == Page::Contents) {
        viewer->showContents();
    } else {
        viewer->showFinder();
    }
    return {};
}

} // namespace

QString HelpFilePathIn(const QString& programFolder) {
    return dialogs::ProgramFile(programFolder, QString::fromLatin1(kHelpFileName));
}

void HelpInit(QWidget* owner, const QString& programFolder) {
    HelpQuit();
    HelpState& state = State();
    state.owner = owner;
    state.path = HelpFilePathIn(programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                        : programFolder);
}

QString HelpFilePath() {
    return State().path;
}

void HelpQuit() {
    HelpState& state = State();
    delete state.viewer.data(); // nothing when none was opened
    state.viewer = nullptr;
}

HelpResult HelpContents() {
    return Show(Page::Contents);
}

HelpResult HelpFinder() {
    return Show(Page::Finder);
}

} // namespace ContextIDs
