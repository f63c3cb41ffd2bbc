// The dialogs as a screen reader and a keyboard-only user meet them: every
// control that takes the focus has a spoken name, and the mnemonics and
// default buttons work.

#include "DialogFixture.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmDisclaimer.h"
#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"

#include <functional>
#include <memory>

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString Spoken(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(what) : QString();
}

class DialogAccessibility : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(VW_RESOURCES_DIR "/disclaimer.txt"),
                        QDir(programDir.path()).filePath(QStringLiteral("disclaimer.txt"))));
    }
};

TEST_F(DialogAccessibility, EveryFocusableControlHasASpokenName) {
    const std::function<std::unique_ptr<QWidget>()> windows[] = {
        [] { return std::make_unique<frmSplash>(); },
        [this] { return std::make_unique<frmAbout>(nullptr, hooks); },
        [this] { return std::make_unique<frmDisclaimer>(nullptr, hooks); },
        [this] { return std::make_unique<frmReadDisclaimer>(nullptr, hooks); },
        [] { return std::make_unique<ContextIDs::HelpWindow>(nullptr); },
    };
    for (const auto& make : windows) {
        const std::unique_ptr<QWidget> window = make();
        SCOPED_TRACE(window->metaObject()->className());
        EXPECT_FALSE(Spoken(window.get(), QAccessible::Name).isEmpty());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window.get()))
                continue;
            EXPECT_FALSE(Spoken(control, QAccessible::Name).isEmpty())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
        }
    }
}

TEST_F(DialogAccessibility, MnemonicsAndDefaultButtonsWork) {
    {
        frmReadDisclaimer prompt(nullptr, hooks);
        Activate(prompt);
        QTest::keyClick(&prompt, Qt::Key_A, Qt::AltModifier); // "&Agree"
        EXPECT_TRUE(QTest::qWaitFor([&prompt] { return !prompt.isVisible(); }, 1000));
        EXPECT_EQ(prompt.result(), QDialog::Accepted);
    }
    {
        frmDisclaimer viewer(nullptr, hooks);
        Activate(viewer);
        QTest::keyClick(&viewer, Qt::Key_O, Qt::AltModifier); // "&OK"
        EXPECT_TRUE(QTest::qWaitFor([&viewer] { return !viewer.isVisible(); }, 1000));
    }
    {
        // "OK" has no mnemonic: it is the default button, and Escape closes.
        frmAbout about(nullptr, hooks);
        Activate(about);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(about.result(), QDialog::Accepted);
    }
    EXPECT_FALSE(exitCode.has_value());
}

TEST_F(DialogAccessibility, AltFTakesTheHelpFinder) {
    ContextIDs::HelpWindow help(nullptr);
    Activate(help);
    QTest::keyClick(&help, Qt::Key_F, Qt::AltModifier); // "&Find:"
    auto* finder = help.findChild<QLineEdit*>(QStringLiteral("findField"));
    EXPECT_EQ(QApplication::focusWidget(), finder);
    EXPECT_EQ(Spoken(finder, QAccessible::Name), QStringLiteral("Find"));
}

} // namespace
