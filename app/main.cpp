// Vaporwright: a desktop calculator of the properties of moist air.

#include "startup/Main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vaporwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Vaporwright"));
    // Lets a Wayland session match the window with its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vaporwright.Vaporwright"));
    // One instance, the splash, the calculator window and the disclaimer
    // prompt; then the event loop until the window unloads.
    return basMain::Run();
}
