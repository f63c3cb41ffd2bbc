#include "dialogs/TopmostSuspension.h"

#include <memory>

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

bool OnTop(const QWidget& w) {
    return w.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

TEST(TopmostSuspension, DropsAndRestoresKeepOnTopKeepingVisibility) {
    for (const bool visible : {true, false}) {
        SCOPED_TRACE(visible ? "visible" : "hidden in the tray");
        QWidget window;
        window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (visible) {
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        {
            const dialogs::TopmostSuspension suspension(&window);
            EXPECT_TRUE(suspension.suspended());
            EXPECT_FALSE(OnTop(window));
            EXPECT_EQ(window.isVisible(), visible);
        }
        EXPECT_TRUE(OnTop(window));
        EXPECT_EQ(window.isVisible(), visible);
    }
}

TEST(TopmostSuspension, WindowNotOnTopIsLeftAlone) {
    QWidget window;
    window.show();
    {
        const dialogs::TopmostSuspension suspension(&window);
        EXPECT_FALSE(suspension.suspended());
    }
    EXPECT_FALSE(OnTop(window));
    EXPECT_TRUE(window.isVisible());

    // Keep-on-top turned on while the modal window is open is not undone.
    {
        const dialogs::TopmostSuspension suspension(&window);
        dialogs::SetStaysOnTop(&window, true);
    }
    EXPECT_TRUE(OnTop(window));
    EXPECT_TRUE(window.isVisible());
}

TEST(TopmostSuspension, WindowGoneMeanwhileOrNone) {
    auto window = std::make_unique<QWidget>();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    {
        const dialogs::TopmostSuspension suspension(window.get());
        window.reset();
    }
    const dialogs::TopmostSuspension none(nullptr);
    EXPECT_FALSE(none.suspended());
}

} // namespace
