// The chart window on a small screen: it fits at first start with the chart
// readable, a geometry stored on a larger screen comes back within the one
// it opens on, the side panel's tables scroll within themselves, the panel
// can be put away and comes back with a weather file, and every status line
// is spoken as its text.

#include "chart/ChartPainter.h"
#include "chart/LabelPlacer.h"
#include "chartwindow/ChartWindow.h"
#include "chartwindow/WindowFit.h"
#include "project/Project.h"
#include "settings/SettingsStore.h"
#include "workbench/PointsView.h"
#include "workbench/ProcessesView.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace chart;

namespace {

QRect WithFrame(const QRect& client, const QMargins& frame) {
    return client.marginsAdded(frame);
}

TEST(WindowFit, FirstStartFitsTheScreenWithItsFrame) {
    const QRect screens[] = {
        {0, 0, 1280, 720},  {0, 27, 1280, 693}, // a top panel
        {0, 0, 1920, 1080}, {1920, 0, 1366, 768},
        {0, 0, 1024, 600},  {-800, 100, 800, 600}, // a second screen left of the first
    };
    for (const QRect& available : screens) {
        for (const QMargins& frame : {kEstimatedFrame, QMargins()}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 at %3,%4")
                             .arg(available.width())
                             .arg(available.height())
                             .arg(available.x())
                             .arg(available.y())
                             .toStdString());
            const QRect outer = WithFrame(FirstStartGeometry(available, frame), frame);
            EXPECT_TRUE(available.contains(outer));
            EXPECT_LE(outer.width(), 1280);
            EXPECT_LE(outer.height(), 720);
            // As large as the limit allows: the chart gets the room there is.
            EXPECT_EQ(outer.size(), QSize(1280, 720).boundedTo(available.size()));
        }
    }
}

TEST(WindowFit, OnlyAWindowLargerThanTheScreenIsShrunk) {
    const QRect screen(0, 0, 1280, 720);
    struct Case {
        QRect frame;
        QRect fitted;
    };
    const Case cases[] = {
        {{100, 50, 900, 600}, {100, 50, 900, 600}},     // fits: left alone
        {{-200, -100, 2560, 1440}, {0, 0, 1280, 720}},  // a larger screen's
        {{900, 400, 1000, 500}, {280, 220, 1000, 500}}, // beyond the corner
        {{50, 20, 1400, 600}, {0, 20, 1280, 600}},      // too wide only
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithinScreen(c.frame, screen), c.fitted) << c.frame.x() << "," << c.frame.y();
}

TEST(WindowFit, TheChartKeepsMostOfTheWidth) {
    // About a third for the panel, within its bounds.
    EXPECT_EQ(SidePanelWidth(1272, 280, 320), 420);
    EXPECT_EQ(SidePanelWidth(960, 280, 320), 320);
    EXPECT_EQ(SidePanelWidth(700, 280, 320), 280);
    // A window too narrow for both keeps the panel's minimum.
    EXPECT_EQ(SidePanelWidth(500, 280, 320), 280);
}

// The plain text a label shows, without its mnemonic's ampersand.
QString ShownText(const QLabel* label) {
    QString text = label->text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

class ChartWindowLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    // A CSV file of three hours without a pressure, one row of them bad.
    QString weatherCsv() const {
        const QString path = dir_.filePath(QStringLiteral("hours.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("timestamp,dry_bulb_C,relative_humidity_pct\n"
                   "2021-07-01 13:00,28,45\n"
                   "2021-07-01 14:00,29,not a number\n"
                   "2021-07-01 15:00,30,40\n");
        return path;
    }

    QTemporaryDir dir_;
    QWidget owner_;
};

} // namespace

TEST_F(ChartWindowLayoutTest, AtFirstStartItFitsItsScreen) {
    ChartWindow window(&owner_);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    EXPECT_LE(window.frameGeometry().width(), 1280);
    EXPECT_LE(window.frameGeometry().height(), 720);
    EXPECT_TRUE(window.sidePanelShown());
}

TEST_F(ChartWindowLayoutTest, At1280By720TheChartIsReadableBesideTheWholePanel) {
    ChartWindow window(&owner_);
    // What the first start gives on a 1280 x 720 screen.
    window.setGeometry(FirstStartGeometry(QRect(0, 0, 1280, 720), kEstimatedFrame));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.setSidePanelShown(false);
    window.setSidePanelShown(true);
    // The window's own minimum is well within the screen.
    EXPECT_LE(window.minimumSizeHint().width(), 1280 - 8);
    EXPECT_LE(window.minimumSizeHint().height(), 720 - 34);
    EXPECT_GE(window.chart()->width(), 800);
    EXPECT_GE(window.chart()->height(), 560);
    // The panel has its whole width: every tab and its tables, none cut.
    QTabWidget* side = window.sidePanel();
    EXPECT_GE(side->width(), side->minimumSizeHint().width());
    EXPECT_LE(window.chart()->geometry().right(), side->geometry().left());
    EXPECT_LE(side->mapTo(&window, QPoint(side->width(), 0)).x(), window.width());
    for (int i = 0; i < side->count(); ++i)
        EXPECT_LE(side->widget(i)->minimumSizeHint().width(), side->width())
            << side->tabText(i).toStdString();
}

TEST_F(ChartWindowLayoutTest, AStoredGeometryLargerThanTheScreenComesWithinIt) {
    {
        ChartWindow window(&owner_);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(-300, -200, 3000, 2000);
        window.close();
    }
    ChartWindow again(&owner_);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    const QRect available = again.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(again.frameGeometry()))
        << again.frameGeometry().width() << "x" << again.frameGeometry().height();
    EXPECT_TRUE(again.sidePanelShown());
}

TEST_F(ChartWindowLayoutTest, TablesScrollWithinThePanelNotInASecondScrollArea) {
    ChartWindow window(&owner_);
    const auto views = window.sidePanel()->findChildren<QTableView*>();
    EXPECT_GE(views.size(), 6); // points, processes, mixtures, zones, counts, design
    for (const QTableView* view : views) {
        for (const QWidget* up = view->parentWidget(); up != nullptr && up != &window;
             up = up->parentWidget()) {
            EXPECT_EQ(qobject_cast<const QAbstractScrollArea*>(up), nullptr)
                << view->objectName().toStdString() << " inside " << up->metaObject()->className();
        }
    }
}

TEST_F(ChartWindowLayoutTest, ThePanelGoesAwayAndComesBackWithTheWeather) {
    ChartWindow window(&owner_);
    window.setGeometry(FirstStartGeometry(QRect(0, 0, 1280, 720), kEstimatedFrame));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QAction* toggle = window.sidePanelAction();
    EXPECT_EQ(toggle->shortcut(), QKeySequence(Qt::Key_F9));
    ASSERT_TRUE(toggle->isChecked());
    const int withPanel = window.chart()->width();
    toggle->trigger();
    EXPECT_FALSE(window.sidePanelShown());
    EXPECT_GT(window.chart()->width(), withPanel + 300);
    toggle->trigger();
    EXPECT_TRUE(window.sidePanelShown());

    // Opening a weather file brings the panel back with its weather tab in
    // front, and so does a file that cannot be shown, with the reason.
    toggle->trigger();
    window.sidePanel()->setCurrentIndex(0);
    ASSERT_TRUE(window.openWeatherFile(weatherCsv()));
    EXPECT_TRUE(window.sidePanelShown());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(window.sidePanel()->currentWidget(), window.weatherPanel());
    window.sidePanel()->setCurrentIndex(0);
    EXPECT_FALSE(window.openWeatherFile(dir_.filePath(QStringLiteral("none.epw"))));
    EXPECT_EQ(window.sidePanel()->currentWidget(), window.weatherPanel());
}

TEST_F(ChartWindowLayoutTest, StatusLinesAreSpokenAsTheirText) {
    ChartWindow window(&owner_);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // Every status line with something to say: a weather file with a row
    // skipped, and a message in each project view.
    ASSERT_TRUE(window.openWeatherFile(weatherCsv()));
    window.pointsView()->showMessage(QStringLiteral("Point A is not air."));
    window.processesView()->addProcess(); // no points: says why not

    int spoken = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->text(QAccessible::Name), ShownText(label))
            << label->objectName().toStdString();
        ++spoken;
    }
    EXPECT_GE(spoken, 6);
    // The file's line and the note say the pressure once between them.
    const QString file = window.findChild<QLabel*>(QStringLiteral("weatherFile"))->text();
    const QString note = window.findChild<QLabel*>(QStringLiteral("pressureNote"))->text();
    EXPECT_EQ((file + note).count(QStringLiteral("Chart at")), 1) << file.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("the calculator's pressure"))) << note.toStdString();
    EXPECT_FALSE(note.contains(QStringLiteral("median"))) << note.toStdString();

    // A new text is spoken as soon as it is shown, and an emptied line goes.
    window.pointsView()->showMessage(QStringLiteral("Point B is solved at 12.00 psia."));
    auto* status = window.findChild<QLabel*>(QStringLiteral("pointsStatus"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Name),
              QStringLiteral("Point B is solved at 12.00 psia."));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(status)->text(QAccessible::Description),
              QStringLiteral("Points message"));
    window.pointsView()->showMessage(QString());
    EXPECT_FALSE(status->isVisibleTo(&window));
}

TEST_F(ChartWindowLayoutTest, LabelsOfTheWeatherAndTheProjectNeverOverlap) {
    ChartWindow window(&owner_);
    // The weather view's three zones and the project's two, whose tops
    // nearly meet, and points along their upper edges.
    for (const char* name : {"comfortZone", "dataRoomZone", "userZone"})
        window.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(true);
    project::ZoneSettings zones;
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    ASSERT_EQ(window.project()->setZoneSettings(zones), QString());
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(window.project()->addPointAt(66.0 + 1.2 * i, 0.0105 + 0.0002 * (i % 3)).ok());
    window.chart()->setState(StatePoint{75.0, 0.0110});

    // On a screen's chart and on a page's, whose sizes differ.
    for (const QSize size : {QSize(840, 620), QSize(1010, 640), QSize(560, 400)}) {
        SCOPED_TRACE(size.width());
        PsychroChart* chart = window.chart();
        LabelPlacer placed(QRectF{});
        const ChartScene scene{&chart->lines(), chart->state(), chart->layers(), &placed};
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene,
                   ColorsFor(chart->palette()));
        painter.end();
        const auto& boxes = placed.labels();
        // Twelve points, five zones and the state at least.
        EXPECT_GE(boxes.size(), 18u);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " and " << j;
            for (const QRectF& marker : placed.blocked())
                EXPECT_FALSE(boxes[i].intersects(marker)) << i;
        }
    }
}

TEST_F(ChartWindowLayoutTest, EveryControlTheKeyboardReachesHasASpokenName) {
    ChartWindow window(&owner_);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.openWeatherFile(weatherCsv()));
    QTabWidget* side = window.sidePanel();
    for (int tab = 0; tab < side->count(); ++tab) {
        side->setCurrentIndex(tab);
        for (QWidget* control : window.findChildren<QWidget*>()) {
            // A spin box's own line edit is spoken as the spin box.
            if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(&window) ||
                control->objectName() == QLatin1String("qt_spinbox_lineedit"))
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
                << side->tabText(tab).toStdString() << ": " << control->metaObject()->className()
                << " " << control->objectName().toStdString();
        }
    }
}
