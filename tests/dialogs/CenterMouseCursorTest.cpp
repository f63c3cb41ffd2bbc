#include "dialogs/CenterMouseCursor.h"

#include <climits>

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using basCenterMouseCursor::CenterOf;
using basCenterMouseCursor::RoundedMidpoint;

TEST(CenterMouseCursor, MidpointRoundsHalvesToTheEvenNeighbour) {
    struct Case {
        int low, high, expected;
    };
    const Case cases[] = {
        {101, 200, 150},                     // 150.5
        {100, 201, 150},                     // 150.5
        {100, 203, 152},                     // 151.5
        {100, 200, 150},                     // exact
        {0, 5, 2},                           // 2.5
        {-3, 0, -2},                         // -1.5, a screen left of the primary one
        {-1, 0, 0},                          // -0.5
        {-201, -100, -150},                  // -150.5
        {INT_MAX - 1, INT_MAX, INT_MAX - 1}, // no overflow in the sum
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundedMidpoint(c.low, c.high), c.expected) << c.low << ", " << c.high;
    }
}

TEST(CenterMouseCursor, CentreUsesLeftPlusWidthAsRight) {
    // left 101, width 99: right 200, x 150.5 -> 150; top 10, height 21: bottom
    // 31, y 20.5 -> 20.
    EXPECT_EQ(CenterOf(QRect(101, 10, 99, 21)), QPoint(150, 20));
    EXPECT_EQ(CenterOf(QRect(100, 10, 103, 23)), QPoint(152, 22));
}

TEST(CenterMouseCursor, MovesThePointerToTheWidgetsCentre) {
    QWidget window;
    window.setGeometry(40, 30, 300, 200);
    auto* button = new QPushButton(QStringLiteral("OK"), &window);
    button->setGeometry(11, 21, 81, 31);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    basCenterMouseCursor::CenterMouseCursor(button);
    const QRect global(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_EQ(QCursor::pos(), CenterOf(global));

    const QPoint before = QCursor::pos();
    basCenterMouseCursor::CenterMouseCursor(nullptr);
    EXPECT_EQ(QCursor::pos(), before);
}

// Regression: the pointer jumped to the button also when the user came back
// from another program.
TEST(CenterMouseCursor, OnActivationOnlyFromWithinTheProgram) {
    QWidget dialog;
    dialog.setGeometry(40, 30, 300, 200);
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    button->setGeometry(11, 21, 81, 31);
    auto* pointer = new basCenterMouseCursor::ActivationPointer(&dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint centre = CenterOf(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
    const QPoint away(1, 1);

    QCursor::setPos(away);
    pointer->activated(button); // first shown
    EXPECT_EQ(QCursor::pos(), centre);

    // Another window of the program had the focus and closed: it hands it on.
    QWidget viewer;
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    viewer.hide();
    emit qGuiApp->focusWindowChanged(nullptr);
    QCursor::setPos(away);
    pointer->activated(button);
    EXPECT_EQ(QCursor::pos(), centre);

    // The focus went nowhere while the dialog stood: the user turned to
    // another program, and comes back to find the pointer where it was.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    emit qGuiApp->focusWindowChanged(nullptr);
    QCursor::setPos(away);
    pointer->activated(button);
    EXPECT_EQ(QCursor::pos(), away);
    // Only that once.
    pointer->activated(button);
    EXPECT_EQ(QCursor::pos(), centre);
}
