// Vaporwright: a desktop calculator of the properties of moist air.

#include "startup/Main.h"

#include "startup/Language.h"
#include "translations/Languages.h"

#include <cstdio>

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// The codes --lang takes, for its description and its error.
QString languageCodes() {
    QStringList codes;
    for (const translations::Language& language : translations::kLanguages)
        codes.append(language.code.toString());
    return codes.join(QStringLiteral(", "));
}

QCommandLineOption languageOption() {
    return {QStringLiteral("lang"),
            QCoreApplication::translate(
                "main",
                "The language of the interface for this run: %1, or System for the system's. "
                "View > Language chooses it for every run.")
                .arg(languageCodes()),
            QStringLiteral("code")};
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vaporwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Vaporwright"));
    // Lets a Wayland session match the window with its menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vaporwright.Vaporwright"));

    // The language first, so that --help and every message speak it: --lang
    // is read before the rest of the command line (whose errors are told in
    // that language).
    QCommandLineParser early;
    early.addOption(languageOption());
    static_cast<void>(early.parse(QCoreApplication::arguments()));
    const QString given = early.value(QStringLiteral("lang"));
    basMain::SpeakLanguage(app, given);
    if (early.isSet(QStringLiteral("lang")) && !basMain::IsLanguageChoice(given)) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate(
                           "main", "Unknown language \"%1\" for --lang; choose one of %2, or "
                                   "System.")
                           .arg(given, languageCodes())));
        return 1;
    }

    // One instance, the splash, the calculator window and the disclaimer
    // prompt; then the event loop until the window unloads.
    // The one argument: a project file to open, as the desktop passes it.
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "A calculator of the properties of moist air, with a psychrometric chart."));
    parser.addHelpOption();
    parser.addOption(languageOption());
    parser.addPositionalArgument(
        QCoreApplication::translate("main", "project"),
        QCoreApplication::translate("main",
                                    "A project file (.vwproj) to open in the chart window."),
        QCoreApplication::translate("main", "[project]"));
    parser.process(app);
    basMain::StartupOptions options;
    options.language = given;
    if (!parser.positionalArguments().isEmpty())
        // Absolute: a running instance may be in another folder.
        options.projectFile =
            QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    return basMain::Run(options);
}
