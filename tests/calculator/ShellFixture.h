#pragma once

// A calculator window with its outside world replaced: message boxes are
// recorded, quitting is counted, the tray's presence is the test's choice.
// Settings live in a fresh folder, numbers are en_US, keep-on-top starts off
// as on a first run.

#include "calculator/frmMain.h"
#include "calculator/frmMainTestView.h"
#include "settings/Flags.h"
#include "settings/SettingsStore.h"

#include <functional>
#include <memory>
#include <vector>

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

// Closes every modal window once it is up, after `look` has seen it.
class ModalCloser : public QObject {
public:
    explicit ModalCloser(std::function<void(QWidget*)> look) {
        connect(&timer_, &QTimer::timeout, this, [this, look = std::move(look)] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                look(modal);
                modal->close();
            }
        });
        timer_.start(20);
    }

private:
    QTimer timer_;
};

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        settings::blnKeepOnTop = false;
        open();
    }
    void TearDown() override {
        w.reset();
        settings::blnKeepOnTop = false;
        QLocale::setDefault(savedLocale);
    }

    // A new window, loaded, shown and active; the old one goes first.
    void open() {
        w.reset();
        ShellHooks hooks;
        hooks.dialogHooks.showMessage = [this](QWidget*, const dialogs::Message& m) {
            messages.push_back(m);
        };
        hooks.quit = [this] { ++quits; };
        hooks.trayAvailable = [this] { return tray; };
        hooks.helpContents = helpContents;
        hooks.helpFinder = helpFinder;
        w = std::make_unique<frmMain>(nullptr, std::move(hooks));
        w->Form_Load();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }

    // The window system's close (title bar, window menu, Alt+F4) arrives
    // spontaneously; delivered as QTest does, since sendEvent clears the flag.
    void closeFromTitleBar() const {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        qApp->notify(w.get(), &close);
    }

    static QString stored(QStringView key) { return settings::GetSetting(key, u"(none)"_qs); }
    static bool onTop(const QWidget& window) {
        return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    }

    bool tray = true;
    int quits = 0;
    std::vector<dialogs::Message> messages;
    std::function<ContextIDs::HelpResult()> helpContents; // empty: the real calls
    std::function<ContextIDs::HelpResult()> helpFinder;

    QTemporaryDir settingsDir;
    QLocale savedLocale;
    // The window's insides, as the tests reach them.
    calculator::frmMainTestView view() const { return calculator::frmMainTestView(*w); }

    std::unique_ptr<frmMain> w;
};
