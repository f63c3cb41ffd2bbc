#include "dialogs/ContextIDs.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/TopmostSuspension.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using ContextIDs::HelpResult;

ContextIDs::HelpWindow* OpenViewer() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* viewer = qobject_cast<ContextIDs::HelpWindow*>(w)) {
            return viewer;
        }
    }
    return nullptr;
}

// A program folder holding a copy of the shipped help file.
class Help : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(VW_RESOURCES_DIR "/Vaporwright.HLP"),
                                folder.filePath(QStringLiteral("Vaporwright.HLP"))));
    }
    void TearDown() override { ContextIDs::HelpQuit(); }

    QTemporaryDir folder;
};

} // namespace

// First in this file: the path is module state for the whole run, so this can
// only be seen in a process where nothing has called HelpInit yet (ctest runs
// every test in a process of its own).
TEST(HelpPath, EmptyBeforeHelpInit) {
    if (!ContextIDs::HelpFilePath().isEmpty()) {
        GTEST_SKIP() << "HelpInit already ran in this process";
    }
    EXPECT_EQ(ContextIDs::HelpContents().status, HelpResult::Status::NoHelpPath);
    EXPECT_EQ(ContextIDs::HelpFinder().status, HelpResult::Status::NoHelpPath);
    ContextIDs::HelpQuit(); // harmless with nothing open
}

TEST(HelpPath, ExactlyOneSeparatorBeforeTheFileName) {
    EXPECT_EQ(ContextIDs::HelpFilePathIn(QStringLiteral("/opt/vaporwright")),
              QStringLiteral("/opt/vaporwright/Vaporwright.HLP"));
    EXPECT_EQ(ContextIDs::HelpFilePathIn(QStringLiteral("/opt/vaporwright/")),
              QStringLiteral("/opt/vaporwright/Vaporwright.HLP"));
    EXPECT_EQ(ContextIDs::HelpFilePathIn(QStringLiteral("/")), QStringLiteral("/Vaporwright.HLP"));
    // A blank ending a folder's name belongs to the name.
    EXPECT_EQ(ContextIDs::HelpFilePathIn(QStringLiteral("/opt/my tools ")),
              QStringLiteral("/opt/my tools /Vaporwright.HLP"));
}

TEST_F(Help, MissingFileReportsItsDescription) {
    QTemporaryDir empty;
    ContextIDs::HelpInit(nullptr, empty.path());
    EXPECT_EQ(ContextIDs::HelpFilePath(), empty.filePath(QStringLiteral("Vaporwright.HLP")));
    for (const HelpResult& result : {ContextIDs::HelpContents(), ContextIDs::HelpFinder()}) {
        EXPECT_EQ(result.status, HelpResult::Status::Failed);
        EXPECT_TRUE(result.description.contains(ContextIDs::HelpFilePath()));
        EXPECT_TRUE(result.description.contains(QStringLiteral("No such file")))
            << result.description.toStdString();
    }
    EXPECT_EQ(OpenViewer(), nullptr);
}

TEST_F(Help, ContentsAndFinderShowTheViewerAndQuitClosesIt) {
    QWidget owner;
    ContextIDs::HelpInit(&owner, folder.path());
    EXPECT_TRUE(ContextIDs::HelpContents().ok());
    ContextIDs::HelpWindow* viewer = OpenViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->parentWidget(), &owner);

    EXPECT_TRUE(ContextIDs::HelpFinder().ok());
    EXPECT_EQ(OpenViewer(), viewer); // the same viewer, not a second one

    ContextIDs::HelpQuit();
    EXPECT_EQ(OpenViewer(), nullptr);
    ContextIDs::HelpQuit();
}

TEST_F(Help, FileRemovedAfterOpeningIsReported) {
    ContextIDs::HelpInit(nullptr, folder.path());
    ASSERT_TRUE(ContextIDs::HelpContents().ok());
    ASSERT_TRUE(QFile::remove(ContextIDs::HelpFilePath()));
    EXPECT_EQ(ContextIDs::HelpContents().status, HelpResult::Status::Failed);
}

TEST_F(Help, ViewerGoesWithItsOwner) {
    auto* owner = new QWidget;
    ContextIDs::HelpInit(owner, folder.path());
    ASSERT_TRUE(ContextIDs::HelpContents().ok());
    const QPointer<ContextIDs::HelpWindow> viewer = OpenViewer();
    delete owner;
    EXPECT_TRUE(viewer.isNull());
    ContextIDs::HelpQuit();                       // nothing left to close
    EXPECT_TRUE(ContextIDs::HelpContents().ok()); // a new viewer without owner
}

// Regression: the viewer was no window of the calculator and opened under one
// kept on top.
TEST_F(Help, ViewerIsAWindowOfItsOwnerAndComesActive) {
    QWidget owner;
    owner.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
    dialogs::SetStaysOnTop(&owner, true);
    ContextIDs::HelpInit(&owner, folder.path());
    ASSERT_TRUE(ContextIDs::HelpContents().ok());
    ContextIDs::HelpWindow* viewer = OpenViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(viewer));
    EXPECT_EQ(viewer->windowHandle()->transientParent(), owner.windowHandle());
    // Keep-on-top switched while it is open leaves it the owner's.
    dialogs::SetStaysOnTop(&owner, false);
    dialogs::SetStaysOnTop(&owner, true);
    EXPECT_EQ(viewer->windowHandle()->transientParent(), owner.windowHandle());
}

TEST_F(Help, FinderListsTheTopicsContainingTheWords) {
    ContextIDs::HelpWindow viewer(nullptr);
    ASSERT_FALSE(viewer.load(folder.filePath(QStringLiteral("Vaporwright.HLP"))).has_value());
    const QStringList all = viewer.findTopics({});
    EXPECT_GE(all.size(), 10);
    EXPECT_TRUE(all.contains(QStringLiteral("The formulation")));
    EXPECT_EQ(viewer.findTopics(QStringLiteral("hyland-wexler")),
              QStringList{QStringLiteral("The formulation")});
    EXPECT_TRUE(viewer.findTopics(QStringLiteral("tray"))
                    .contains(QStringLiteral("Hiding the window and the tray icon")));
    // Every word must occur in the same topic.
    EXPECT_FALSE(viewer.findTopics(QStringLiteral("Hyland")).isEmpty());
    EXPECT_FALSE(viewer.findTopics(QStringLiteral("Clipboard")).isEmpty());
    EXPECT_TRUE(viewer.findTopics(QStringLiteral("Hyland Clipboard")).isEmpty());
    EXPECT_TRUE(viewer.findTopics(QStringLiteral("nothing-of-the-sort")).isEmpty());
}
