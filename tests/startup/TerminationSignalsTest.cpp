#include "startup/TerminationSignals.h"

#include <csignal>

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

void (*HandlerOf(int signalNumber))(int) {
    struct sigaction action {};
    ::sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

TEST(TerminationSignals, EachSignalReachesTheEventLoopAndTheOldActionComesBack) {
    for (const int signalNumber : basMain::TerminationSignals::kSignals) {
        SCOPED_TRACE(signalNumber);
        {
            const basMain::TerminationSignals watcher;
            ASSERT_TRUE(watcher.isActive());
            QSignalSpy requests(&watcher, &basMain::TerminationSignals::terminationRequested);
            ASSERT_EQ(::raise(signalNumber), 0); // caught: the test goes on
            ASSERT_TRUE(requests.wait(2000));
            EXPECT_EQ(requests.takeFirst().at(0).toInt(), signalNumber);
            // The first signal took the handler back: a second one would end
            // a program that no longer answers.
            EXPECT_EQ(HandlerOf(signalNumber), SIG_DFL);
        }
        EXPECT_EQ(HandlerOf(signalNumber), SIG_DFL);
    }
}

} // namespace
