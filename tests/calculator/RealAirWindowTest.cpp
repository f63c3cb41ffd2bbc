// The calculator window shows real air or says why not: the cases once seen,
// typed as a user types them. Results are emptied, one line under the fields
// says why (no dialog, nothing moves), and the line is gone at the next
// compute that gives real air.

#include "WindowFixture.h"
#include "core/ComputeCore.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>

namespace {

class RealAirWindow : public WindowTest {
protected:
    QString why() const { return view().lblWhy()->text(); }

    // Every result and unticked input empty, no marker anywhere, no dialog.
    void expectNoResults() const {
        for (int i : kResults)
            EXPECT_TRUE(text(i).isEmpty()) << i;
        for (int i = 0; i < calculator::kInputCount; ++i) {
            if (!view().chkPsyInput()[i]->isChecked()) {
                EXPECT_TRUE(text(i).isEmpty()) << i;
            }
        }
        for (int i = 0; i < calculator::kFieldCount; ++i)
            EXPECT_FALSE(text(i).contains(u"-9999"_qs)) << i << ' ' << text(i).toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // Replaces the whole text of field i by typing and leaves it with Tab,
    // also when Tab from the field before has just brought the focus there.
    void type(int i, const QString& typed) {
        if (!field(i)->hasFocus()) {
            enter(i, typed);
            return;
        }
        QTest::keyClick(field(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field(i), Qt::Key_Backspace);
        QTest::keyClicks(field(i), typed);
        QTest::keyClick(field(i), Qt::Key_Tab);
    }

    // Edit > Paste over the whole text of field i, then Tab, as a user does.
    void paste(int i, const QString& clip) {
        clickInto(i);
        QApplication::clipboard()->setText(clip);
        view().menuEdit().mnuEditPaste->trigger();
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
};

TEST_F(RealAirWindow, WhatIsNoAirEmptiesTheResultsAndSaysWhy) {
    const struct {
        int first, second;
        std::vector<std::pair<int, const char*>> typed;
        const char* line;
    } rows[] = {
        {0, 3, {{0, "70"}, {3, "0.5"}}, "No such air: the relative humidity is above 102 %"},
        {0, 1, {{0, "-500"}}, "No such air: the dry bulb is below -148 °F"},
        {0, 1, {{0, "70"}, {1, "75"}}, "No such air: the wet bulb is above the dry bulb"},
        {2,
         3,
         {{2, "0"}, {3, "0"}},
         "No state: relative humidity 0 with humidity ratio 0 fixes no dry bulb"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        tickPair(row.first, row.second);
        for (const auto& [i, typed] : row.typed)
            type(i, QString::fromLatin1(typed));
        expectNoResults();
        EXPECT_EQ(why(), QString::fromUtf8(row.line));
        // Real air again: the results come back, the line goes.
        tickPair(0, 1);
        type(0, u"75"_qs);
        type(1, u"62"_qs);
        EXPECT_FALSE(text(5).isEmpty());
        EXPECT_TRUE(why().isEmpty());
    }
}

TEST_F(RealAirWindow, AnAtmosphereOutsideTheRangeShowsNoPressureOrAltitude) {
    click(view().optPatm()[1]);
    for (const QString& altitude : {u"99999"_qs, u"65001"_qs}) {
        type(12, altitude);
        EXPECT_TRUE(text(11).isEmpty()); // no pressure, and never -9999.00
        EXPECT_EQ(why(), u"Altitude beyond 65,000 ft"_qs);
        expectNoResults();
    }
    // The line stays for as long as the altitude does.
    click(view().cmdCompute());
    EXPECT_EQ(why(), u"Altitude beyond 65,000 ft"_qs);
    type(12, u"-1400"_qs); // the Dead Sea shore
    EXPECT_EQ(text(11), rendering(11));
    EXPECT_GT(view().state().Patm, 14.696f);
    EXPECT_FALSE(text(8).isEmpty());
    EXPECT_TRUE(why().isEmpty());

    click(view().optPatm()[0]);
    for (const QString& pressure : {u"0"_qs, u"-14.7"_qs}) {
        type(11, pressure);
        EXPECT_TRUE(text(12).isEmpty()); // never -9999.0 ft
        EXPECT_EQ(why(), u"Atmospheric pressure at or below zero"_qs);
        expectNoResults(); // no negative specific volume either
    }
    // A pressure whose altitude lies beyond the polynomial still computes;
    // only the altitude is not shown.
    type(11, u"20"_qs);
    EXPECT_TRUE(text(12).isEmpty());
    EXPECT_FALSE(text(8).isEmpty());
    EXPECT_TRUE(why().isEmpty());
}

// The pairs whose dry bulb comes from a solver: the air, or empty results
// with a reason, never a dry bulb of -19548.26 °F or an empty window without
// a word.
TEST_F(RealAirWindow, TheSolverPairsShowTheAirOrSayWhy) {
    const struct {
        int first, second;
        const char *a, *b;
        double dryBulb; // °F
    } rows[] = {
        {2, 4, "75", "46.93", 90.0}, {1, 2, "89.45", "55", 105.0}, {1, 4, "33.57", "12.39", 40.29}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dryBulb);
        tickPair(row.first, row.second);
        type(row.first, QString::fromLatin1(row.a));
        type(row.second, QString::fromLatin1(row.b));
        if (why().isEmpty()) {
            EXPECT_NEAR(text(0).toDouble(), row.dryBulb, 0.25);
        } else {
            expectNoResults();
        }
    }
}

TEST_F(RealAirWindow, PerfectlyDryAirShowsEveryPropertyButTheDewPoint) {
    for (const int second : {2, 3}) {
        tickPair(0, second);
        type(0, u"70"_qs);
        type(second, u"0"_qs);
        EXPECT_TRUE(why().isEmpty());
        EXPECT_TRUE(text(5).isEmpty());
        for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 10, 13})
            EXPECT_FALSE(text(i).isEmpty()) << second << ' ' << i;
        EXPECT_EQ(text(2), u"0.00"_qs);
        EXPECT_NEAR(text(1).toDouble(), 43.43, 0.01);
        // Another unit for the dew point renders nothing either.
        view().cboUnits()[5]->setCurrentIndex(1);
        EXPECT_TRUE(text(5).isEmpty());
        view().cboUnits()[5]->setCurrentIndex(0);
    }
}

// Once "12,5" stored 0 and the window showed RH 3765.54 % with a wet bulb of
// 68; so did "23.5" under a German locale, 45 nines, and "1e39", "inf" or
// "abc" pasted.
TEST_F(RealAirWindow, TextThatIsNoNumberIsNotStoredAndTheLineSaysSo) {
    tickPair(0, 2);
    type(0, u"75"_qs);
    type(2, u"50"_qs);
    type(2, u"12,5"_qs);
    EXPECT_FLOAT_EQ(view().state().Phi, 0.5f);
    EXPECT_EQ(text(2), u"50.00"_qs);
    EXPECT_EQ(why(), u"Could not read \"12,5\" as a number"_qs);
    EXPECT_FALSE(text(5).isEmpty()); // the results of what is stored stay

    type(0, QString(45, u'9'));
    EXPECT_EQ(view().state().Tdb, 75.0f);
    EXPECT_EQ(text(0), u"75.00"_qs);
    EXPECT_EQ(why(), u"Could not store \"99999999999999999999…\": the number is too large"_qs);

    const struct {
        const char16_t* clip;
        const char* line;
    } pasted[] = {{u"1e39", "Could not store \"1e39\": the number is too large"},
                  {u"inf", "Could not read \"inf\" as a number"},
                  {u"abc", "Could not read \"abc\" as a number"}};
    for (const auto& row : pasted) {
        paste(0, QString::fromUtf16(row.clip));
        EXPECT_EQ(view().state().Tdb, 75.0f);
        EXPECT_EQ(text(0), u"75.00"_qs);
        EXPECT_EQ(why(), QString::fromUtf8(row.line));
    }
    // A number pasted is stored as typed.
    paste(0, u"-20"_qs);
    EXPECT_EQ(view().state().Tdb, -20.0f);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type(0, u"23.5"_qs);
    EXPECT_EQ(view().state().Tdb, -20.0f);
    EXPECT_EQ(text(0), u"-20,00"_qs);
    EXPECT_EQ(why(), u"Could not read \"23.5\" as a number"_qs);
    type(0, u"23,5"_qs);
    EXPECT_EQ(view().state().Tdb, 23.5f);
    EXPECT_TRUE(why().isEmpty());
}

// Once a text as the window wrote it was taken for no change, so retyping
// it over a more precise stored value stored nothing.
TEST_F(RealAirWindow, RetypingTheShownTextStoresIt) {
    type(0, u"75.004"_qs);
    ASSERT_EQ(text(0), u"75.00"_qs);
    type(0, u"75.00"_qs);
    EXPECT_EQ(view().state().Tdb, 75.0f);
    ASSERT_EQ(text(11), u"14.70"_qs); // 14.696 psia
    type(11, u"14.70"_qs);
    EXPECT_EQ(view().state().Patm, 14.7f);
}

// Once dry bulb 75 °F with enthalpy 30 Btu/lb became 95.9 % in SI from 59.2 %:
// the stored number was read in the metric datum.
TEST_F(RealAirWindow, AUnitSwitchNeverChangesTheAir) {
    tickPair(0, 4);
    type(0, u"75"_qs);
    type(4, u"30"_qs);
    ASSERT_EQ(text(2), u"59.20"_qs);
    const QString dewPoint = text(5);
    click(view().optUnits()[1]);
    EXPECT_EQ(text(2), u"59.20"_qs);
    EXPECT_EQ(text(0), u"23.89"_qs);
    click(view().optUnits()[0]);
    EXPECT_EQ(text(2), u"59.20"_qs);
    EXPECT_EQ(text(5), dewPoint);
    EXPECT_NEAR(view().state().H, 30.0f, 1e-4f);
}

TEST_F(RealAirWindow, TheLineIsALiveTextAndMovesNothing) {
    // The window as laid out once every pending layout request has run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
    std::vector<std::pair<QWidget*, QRect>> before;
    for (QWidget* child : w->findChildren<QWidget*>())
        before.emplace_back(child, child->geometry());
    const QSize size = w->size();

    // The longest line there is, with a long entry quoted.
    paste(0, QString(200, u'x'));
    ASSERT_FALSE(why().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), size);
    for (const auto& [child, geometry] : before)
        EXPECT_EQ(child->geometry(), geometry) << child->objectName().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(view().lblWhy());
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::StatusBar);
    EXPECT_EQ(face->text(QAccessible::Name), why());
    EXPECT_FALSE(face->text(QAccessible::Description).isEmpty());

    // Fewer than two ticks is no failure: nothing to say.
    click(view().chkPsyInput()[1]);
    click(view().cmdCompute());
    EXPECT_TRUE(why().isEmpty());
    EXPECT_TRUE(face->text(QAccessible::Name).isEmpty());
}

} // namespace
