#pragma once

// A loaded, shown and active calculator window for each test, with the
// settings store in a fresh folder and the locale fixed to en_US.

#include "calculator/TypedText.h"
#include "calculator/frmMain.h"
#include "calculator/frmMainTestView.h"
#include "core/FieldTable.h"

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        w = std::make_unique<frmMain>();
        w->Form_Load();
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override {
        w.reset();
        QLocale::setDefault(savedLocale);
    }

    QString text(int field) const { return view().txtData()[field]->text(); }
    QLineEdit* field(int i) const { return view().txtData()[i]; }

    // Clicks into a field as the user does, and lets the deferred
    // select-all of the focus handler run.
    void clickInto(int i) {
        QTest::mouseClick(field(i), Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    // Clicks into the field, replaces its whole text by typing, and leaves
    // it with Tab.
    void enter(int i, const QString& typed) {
        clickInto(i);
        ASSERT_EQ(QApplication::focusWidget(), field(i));
        ASSERT_EQ(field(i)->selectedText(), field(i)->text());
        QTest::keyClick(field(i), Qt::Key_Backspace);
        QTest::keyClicks(field(i), typed);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
    // Clicks a button as the user does: the focus moves to it first. Near
    // the left edge, where a check box or option button has its mark.
    static void click(QAbstractButton* button) {
        const QPoint mark(std::min(8, button->width() / 2), button->height() / 2);
        QTest::mouseClick(button, Qt::LeftButton, {}, mark);
    }

    // What the field shows for its stored value in its selected unit.
    QString rendering(int i) const {
        const auto value =
            calculator::DisplayValue(view().state(), i, view().cboUnits()[i]->currentIndex());
        return value ? calculator::FormatNumber(*value, view().FieldFormat()[i]) : QString();
    }

    // Ticks exactly the two given inputs, unticking first so that the rule
    // on inputs never disables a box still to be ticked.
    void tickPair(int first, int second) {
        for (QCheckBox* box : view().chkPsyInput())
            box->setChecked(false);
        view().chkPsyInput()[first]->setChecked(true);
        view().chkPsyInput()[second]->setChecked(true);
    }

    static constexpr std::array<int, 7> kResults{5, 6, 7, 8, 9, 10, 13};

    QTemporaryDir settingsDir;
    QLocale savedLocale;
    // The window's insides, as the tests reach them.
    calculator::frmMainTestView view() const { return calculator::frmMainTestView(*w); }

    std::unique_ptr<frmMain> w;
};
