#pragma once

// The outside world of a dialog test: its own settings store and program
// folder, and hooks that record the messages shown and the end of the program
// instead of showing or dying.

#include "dialogs/DialogHooks.h"
#include "settings/Flags.h"

#include <optional>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        ASSERT_TRUE(programDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        settings::blnDisclaimerShow = true;
        hooks.programFolder = programDir.path();
        hooks.showMessage = [this](QWidget*, const dialogs::Message& m) { messages.push_back(m); };
        hooks.endProgram = [this](int code) { exitCode = code; };
    }

    void WriteDisclaimer(const QByteArray& bytes) const {
        QFile file(programDir.filePath(QStringLiteral("disclaimer.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The window shown and active, so that focus and key presses reach it.
    static void Activate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir settingsDir;
    QTemporaryDir programDir;
    dialogs::DialogHooks hooks;
    std::vector<dialogs::Message> messages;
    std::optional<int> exitCode;
};
