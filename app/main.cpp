// Vaporwright: a desktop calculator of the properties of moist air.

#include "startup/Main.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vaporwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Vaporwright"));
    // Lets a Wayland session match the window with its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vaporwright.Vaporwright"));
    // One instance, the splash, the calculator window and the disclaimer
    // prompt; then the event loop until the window unloads.
    // The one argument: a project file to open, as the desktop passes it.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A calculator of the properties of moist air, with a psychrometric chart."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A project file (.vwproj) to open in the chart "
                                                "window."),
                                 QStringLiteral("[project]"));
    parser.process(app);
    basMain::StartupOptions options;
    if (!parser.positionalArguments().isEmpty())
        // Absolute: a running instance may be in another folder.
        options.projectFile =
            QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    return basMain::Run(options);
}
