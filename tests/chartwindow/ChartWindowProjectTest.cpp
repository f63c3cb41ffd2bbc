// The chart window's project: kept at the calculator's pressure and units,
// saved and opened without ever losing work to a bad file, undone from the
// Edit menu, and reported beside the chart.

#include "chartwindow/ChartWindow.h"
#include "chartwindow/Report.h"
#include "core/ComputeCore.h"
#include "project/Project.h"
#include "workbench/PointsView.h"
#include "workbench/ProcessTableModel.h"

#include <QFile>
#include <QPrinter>
#include <QSettings>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace chart;

namespace {

// The page objects of a PDF (the page tree is "/Type /Pages").
qsizetype PageCount(const QByteArray& pdf) {
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
           pdf.count("/Type /Page ");
}

class ChartWindowProjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        window_ = std::make_unique<ChartWindow>(&owner_);
        window_->resize(1200, 800);
    }
    project::Project& project() { return *window_->project(); }

    // The calculator showing dry bulb tdbF and relative humidity rh, solved
    // at `psia` in `system`.
    void feed(double tdbF, double rh, double psia = 14.696, const char* system = "IP") {
        CalculatorView view = DefaultView();
        view.state.UnitSystem = system;
        view.state.Patm = static_cast<float>(psia);
        view.state.Tdb = static_cast<float>(tdbF);
        view.state.Phi = static_cast<float>(rh);
        ASSERT_FALSE(calculator::TrySolveState(
            view.state, {calculator::Input::DryBulb, calculator::Input::RelativeHumidity}));
        view.ticked = TickedPair{calculator::kDryBulb, calculator::kRelativeHumidity};
        window_->setCalculatorView(view);
    }
    // Two points with airflows, their mixture and a coil on it.
    void buildProject() {
        feed(95, 0.40);
        ASSERT_GE(window_->pointsView()->addCalculatorState(), 0);
        feed(75, 0.50);
        ASSERT_GE(window_->pointsView()->addCalculatorState(), 0);
        ASSERT_TRUE(project().setAirflow(0, processes::Airflow{250.0}).isEmpty());
        ASSERT_TRUE(project().setAirflow(1, processes::Airflow{750.0}).isEmpty());
        ASSERT_TRUE(project().addMixing(0, 1).ok());
        ASSERT_TRUE(project().addCoil(2, 50.0, 0.1).ok());
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    QWidget owner_;
    std::unique_ptr<ChartWindow> window_;
};

} // namespace

TEST_F(ChartWindowProjectTest, FollowsTheCalculatorsPressureAndUnits) {
    feed(75, 0.5, 12.0, "SI");
    EXPECT_DOUBLE_EQ(project().atmosphere().pressurePsia, 12.0);
    EXPECT_EQ(project().atmosphere().system, basPsychroFun::UnitSystem::SI);
    ASSERT_GE(window_->pointsView()->addCalculatorState(), 0);
    ASSERT_TRUE(project().pointResult(0).state);
    EXPECT_FLOAT_EQ(project().pointResult(0).state->Tdb, 75.0f);
    EXPECT_NEAR(project().pointResult(0).state->Phi, 0.5, 1e-6);
}

TEST_F(ChartWindowProjectTest, SavesAndOpensWithoutLosingWorkToADamagedFile) {
    buildProject();
    EXPECT_TRUE(window_->projectModified());
    EXPECT_TRUE(window_->isWindowModified());
    const QString saved = path("air.vwproj");
    ASSERT_TRUE(window_->saveProject(saved));
    EXPECT_FALSE(window_->isWindowModified());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Psychrometric Chart - air.vwproj[*]"));
    const double total = project().processResult(0).analysis->loads->total.btuPerHour;

    // Unsaved work, then files that are no project of this version.
    ASSERT_TRUE(project().renamePoint(0, QStringLiteral("Outdoor")).isEmpty());
    for (const QByteArray& bytes :
         {QByteArray("{ not json"),
          QByteArray(R"({"format":"vaporwright-project","version":99})")}) {
        QFile damaged(path("bad.vwproj"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(bytes);
        damaged.close();
        QString error;
        EXPECT_FALSE(window_->openProject(damaged.fileName(), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(project().pointName(0), QStringLiteral("Outdoor"));
        EXPECT_EQ(project().pointCount(), 4);
        EXPECT_TRUE(window_->isWindowModified());
        EXPECT_EQ(window_->projectPath(), saved);
    }

    // The saved file brings back the points and the loads.
    ASSERT_TRUE(window_->openProject(saved));
    EXPECT_EQ(project().pointName(0), QStringLiteral("A"));
    ASSERT_EQ(project().processCount(), 1);
    EXPECT_DOUBLE_EQ(project().processResult(0).analysis->loads->total.btuPerHour, total);
    EXPECT_FALSE(window_->isWindowModified());
}

TEST_F(ChartWindowProjectTest, UndoAndNewProject) {
    buildProject();
    QUndoStack* undo = project().undoStack();
    const int count = project().pointCount();
    window_->project()->undoStack()->undo(); // the coil: its point and process
    EXPECT_EQ(project().pointCount(), count - 1);
    EXPECT_TRUE(undo->canRedo());
    window_->newProject();
    EXPECT_EQ(project().pointCount(), 0);
    EXPECT_FALSE(window_->isWindowModified());
    EXPECT_TRUE(window_->projectPath().isEmpty());
}

TEST_F(ChartWindowProjectTest, ReportsTheProjectBesideTheChart) {
    buildProject();
    const ReportDocument document = window_->reportDocument();
    QStringList headings;
    for (const ReportSection& section : document.sections)
        headings.append(section.heading);
    EXPECT_TRUE(headings.contains(QStringLiteral("State points")));
    EXPECT_TRUE(headings.contains(QStringLiteral("Processes")));
    EXPECT_TRUE(headings.contains(QStringLiteral("Mixtures")));
    // Every point is a row of the points table.
    for (const ReportSection& section : document.sections) {
        if (section.heading == QStringLiteral("State points")) {
            EXPECT_EQ(std::get<StatTable>(section.body).rows.size(), 4u);
        }
    }

    const QString pdfPath = path("report.pdf");
    ASSERT_TRUE(window_->exportReportPdf(pdfPath));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // The chart takes the first page, too large to share with the tables;
    // they follow on the second.
    EXPECT_EQ(PageCount(bytes), 2);

    // The printer's path (Print, Print Preview) lays out the same page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("printed.pdf"));
    ASSERT_TRUE(window_->printReport(printer));
    QFile printed(path("printed.pdf"));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(PageCount(printed.readAll()), 2);
}

TEST_F(ChartWindowProjectTest, AnEmptyProjectFollowingTheCalculatorIsNoUnsavedWork) {
    // The calculator's single-precision pressure is not the project's
    // 14.696 psia: following it is a change, but not work to ask about.
    feed(75, 0.5);
    feed(80, 0.5, 12.0);
    EXPECT_FALSE(window_->projectModified());
    EXPECT_FALSE(window_->isWindowModified());
    EXPECT_TRUE(window_->settleUnsavedProject()); // no question asked
    ASSERT_GE(window_->pointsView()->addCalculatorState(), 0);
    EXPECT_TRUE(window_->isWindowModified());
}

// Regression: the project, a child of the window, clears its undo stack when
// destroyed, after the window's own members are gone; the stack's signal
// once reached the window's title and freed a string twice at exit. The
// sanitizer run catches any touch of the destroyed window.
TEST_F(ChartWindowProjectTest, ClosingWithAProjectTouchesNoDestroyedWindow) {
    buildProject();
    ASSERT_TRUE(window_->saveProject(path("closing.vwproj")));
    ASSERT_TRUE(project().renamePoint(0, QStringLiteral("Outdoor")).isEmpty());
    window_.reset();
    SUCCEED();
}
