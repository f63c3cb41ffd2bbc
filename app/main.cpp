// Vaporwright: a desktop calculator of the properties of moist air.

#include "frmMain.h"

#include <QApplication>
#include <QEvent>

namespace {

// Until the tray icon can bring a hidden calculator back, hiding it with its
// Hide button would leave the program running with no window: a hide done by
// the program (not a minimise by the window system) ends the run instead.
class QuitWhenHidden : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vaporwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Vaporwright"));

    frmMain window;
    window.Form_Load();
    window.installEventFilter(new QuitWhenHidden(&window));
    window.show();
    return QApplication::exec();
}
