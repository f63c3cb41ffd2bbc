#include "workbench/ProjectLayer.h"

#include "chart/ChartPainter.h"
#include "chart/LabelPlacer.h"
#include "chart/PsychroChart.h"
#include "engine/PsychroFun.h"
#include "project/Project.h"
#include "workbench/ProjectInteraction.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace chart;
using project::Input;

namespace {

constexpr double kSeaLevel = 14.696; // psia

// Within `radius` pixels of `at`, a pixel whose colour is within `tolerance`
// of `colour` in each channel (antialiasing blends the edges of lines).
bool ColourNear(const QImage& image, QPointF at, const QColor& colour, int radius = 1,
                int tolerance = 40) {
    const QPoint centre = at.toPoint();
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const QColor c = image.pixelColor(centre + QPoint(dx, dy));
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                return true;
        }
    }
    return false;
}

class ProjectLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(900, 600);
        chart.setAtmosphere(kSeaLevel);
    }
    QPointF PixelOf(double tF, double w) const { return chart.mapping().toPixel(tF, w); }
    void Send(QEvent::Type type, QPointF pixel, Qt::MouseButtons buttons,
              Qt::MouseButton button = Qt::NoButton) {
        QMouseEvent event(type, pixel, chart.mapToGlobal(pixel), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }

    project::Project project;
    PsychroChart chart;
    ProjectInteraction interaction{&chart, &project};
};

} // namespace

TEST_F(ProjectLayerTest, DrawsZoneProcessArrowAndPointMarkers) {
    // Sensible heating along W = 0.006 from A (55 °F) to B (85 °F).
    ASSERT_TRUE(project.addPointAt(55.0, 0.006).ok());
    ASSERT_TRUE(project.addPointAt(85.0, 0.006).ok());
    ASSERT_TRUE(project.addProcess(0, 1).ok());
    const QImage plain = chart.toImage();
    project::ZoneSettings zones;
    zones.comfortShown = true;
    ASSERT_EQ(project.setZoneSettings(zones), QString());
    const QImage image = chart.toImage();

    EXPECT_TRUE(ColourNear(image, PixelOf(55.0, 0.006), ProjectPointColour(), 0));
    EXPECT_TRUE(ColourNear(image, PixelOf(85.0, 0.006), ProjectPointColour(), 0));
    EXPECT_TRUE(ColourNear(image, PixelOf(70.0, 0.006), ProjectProcessColour()));
    // The arrowhead is wide at the leaving point only.
    const QPointF head = PixelOf(85.0, 0.006) - QPointF(15.0, 0.0);
    const QPointF tail = PixelOf(55.0, 0.006) + QPointF(15.0, 0.0);
    for (const double side : {-2.0, 2.0}) {
        EXPECT_TRUE(ColourNear(image, head + QPointF(0, side), ProjectProcessColour(), 0));
        EXPECT_FALSE(ColourNear(image, tail + QPointF(0, side), ProjectProcessColour(), 0));
    }
    // Inside the summer comfort zone (about 73 °F to 80 °F at W = 0.008)
    // the chart is tinted with the zone's colour where it was not before.
    const QPoint inside = PixelOf(77.0, 0.008).toPoint();
    const QColor before = plain.pixelColor(inside);
    const QColor after = image.pixelColor(inside);
    EXPECT_NE(before, after);
    EXPECT_GT(after.green() - after.red(), before.green() - before.red());
}

TEST_F(ProjectLayerTest, CrowdedLabelsNeverOverlap) {
    // Twenty points within a few degrees and grains of each other, a mixture
    // among them, and four zones whose tops nearly meet.
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(project.addPointAt(72.0 + 0.6 * (i % 5), 0.0085 + 0.00012 * (i / 5)).ok());
    ASSERT_TRUE(project.setAirflow(0, processes::Airflow{500.0}).isEmpty());
    ASSERT_TRUE(project.setAirflow(19, processes::Airflow{500.0}).isEmpty());
    ASSERT_TRUE(project.addMixing(0, 19).ok());
    project::ZoneSettings zones;
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    for (const double top : {0.0110, 0.0112}) {
        processes::ZoneLimits limits;
        limits.minDryBulbF = 70.0;
        limits.maxDryBulbF = 80.0;
        limits.maxHumidityRatio = top;
        zones.userZones.push_back(
            {"Office zone with a long name " + std::to_string(zones.userZones.size() + 1), limits,
             true});
    }
    ASSERT_EQ(project.setZoneSettings(zones), QString());

    for (const QSize size : {QSize(900, 600), QSize(640, 420)}) {
        SCOPED_TRACE(size.width());
        chart.resize(size);
        LabelPlacer placed(QRectF{});
        const ChartScene scene{&chart.lines(), std::nullopt, chart.layers(), &placed};
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, ColorsFor(chart.palette()));
        painter.end();
        const auto& boxes = placed.labels();
        // 21 points (the mixture is one), its shares, four zones' names,
        // and the chart's own line labels where room was left.
        EXPECT_GE(boxes.size(), 26u);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(placed.bounds().contains(boxes[i])) << i;
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " and " << j;
            for (const QRectF& marker : placed.blocked())
                EXPECT_FALSE(boxes[i].intersects(marker)) << i;
        }
    }
}

TEST_F(ProjectLayerTest, PointsWithoutAirAreNeitherDrawnNorGrabbed) {
    // An empty project draws nothing and describes itself.
    const QImage empty = chart.toImage();
    EXPECT_EQ(ProjectDescription(project), QStringLiteral("No points."));

    // 150 % relative humidity is kept, with its reason, but is no air; so is
    // the process to it.
    ASSERT_TRUE(project.addPoint({{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.5}}).ok());
    ASSERT_TRUE(project.addPointAt(60.0, 0.007).ok());
    ASSERT_TRUE(project.addProcess(1, 0).ok());
    ASSERT_FALSE(project.pointResult(0).state.has_value());
    const QImage image = chart.toImage();
    EXPECT_TRUE(ColourNear(image, PixelOf(60.0, 0.007), ProjectPointColour(), 0));
    // Nothing where the dry bulb and W of the definition would put it.
    const double w70 = psy::HumidityRatioFromRelativeHumidity(70.0, 1.0, kSeaLevel, "IP");
    EXPECT_EQ(image.pixelColor(PixelOf(70.0, w70).toPoint()),
              empty.pixelColor(PixelOf(70.0, w70).toPoint()));
    EXPECT_EQ(PointNear(project, chart.mapping(), PixelOf(60.0, 0.007), 6.0), 1);
    EXPECT_FALSE(PointNear(project, chart.mapping(), PixelOf(70.0, w70), 20.0).has_value());
    EXPECT_TRUE(ProjectDescription(project).contains(QStringLiteral("A, not shown: No such air")));
}

TEST_F(ProjectLayerTest, DescriptionNamesPointsProcessesAndZonesInTheProjectsUnits) {
    ASSERT_TRUE(project.addPointAt(68.0, 0.007).ok());
    ASSERT_TRUE(project.addPointAt(95.0, 0.007).ok());
    ASSERT_TRUE(project.addProcess(0, 1).ok());
    project::ZoneSettings zones;
    zones.dataRoomShown = true;
    ASSERT_EQ(project.setZoneSettings(zones), QString());

    const QString ip = ProjectDescription(project);
    EXPECT_TRUE(ip.contains(QStringLiteral("A: 68.0 °F, 49 gr/lb"))) << ip.toStdString();
    EXPECT_TRUE(ip.contains(QStringLiteral("A to B: sensible heating"))) << ip.toStdString();
    EXPECT_TRUE(ip.contains(QStringLiteral("data-processing room envelope")));

    project::Atmosphere si = project.atmosphere();
    si.system = project::UnitSystem::SI;
    ASSERT_EQ(project.setAtmosphere(si), QString());
    const QString text = ProjectDescription(project);
    EXPECT_TRUE(text.contains(QStringLiteral("A: 20.0 °C, 7.0 g/kg"))) << text.toStdString();
}

TEST_F(ProjectLayerTest, ShiftDoubleClickAddsAPointAndAPlainOnePicksIt) {
    QSignalSpy picked(&chart, &PsychroChart::pointPicked);
    QSignalSpy messages(&interaction, &ProjectInteraction::message);
    const QPoint at = PixelOf(72.0, 0.009).toPoint();

    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::ShiftModifier, at);
    ASSERT_EQ(project.pointCount(), 1);
    EXPECT_EQ(picked.size(), 0);
    const QPointF expected = chart.mapping().toData(QPointF(at));
    const project::PointDefinition& defined = project.point(0).definition;
    EXPECT_EQ(defined.first.input, Input::DryBulb);
    EXPECT_NEAR(defined.first.value, expected.x(), 1e-9);
    EXPECT_NEAR(defined.second.value, expected.y(), 1e-9);

    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, PixelOf(60.0, 0.005).toPoint());
    EXPECT_EQ(picked.size(), 1);
    EXPECT_EQ(project.pointCount(), 1);

    // Above saturation, and off the plot: nothing added, and a reason.
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::ShiftModifier, PixelOf(40.0, 0.025).toPoint());
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 2));
    EXPECT_EQ(project.pointCount(), 1);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(picked.size(), 1);
}

TEST_F(ProjectLayerTest, DragMovesThePointAsOneUndoStep) {
    const project::PointDefinition original{{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 0.5}};
    ASSERT_TRUE(project.addPoint(original).ok());
    const int steps = project.undoStack()->count();
    const auto& state = *project.pointResult(0).state;
    const QPointF from = PixelOf(state.Tdb, state.W);
    const QPointF to = PixelOf(80.0, 0.010);

    Send(QEvent::MouseMove, from + QPointF(3.0, 0.0), Qt::NoButton);
    EXPECT_EQ(chart.cursor().shape(), Qt::OpenHandCursor);
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(chart.cursor().shape(), Qt::ClosedHandCursor);
    Send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    Send(QEvent::MouseMove, to, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, to, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(interaction.dragging());
    ASSERT_TRUE(project.pointResult(0).state.has_value());
    EXPECT_NEAR(project.pointResult(0).state->Tdb, 80.0, 0.3);
    EXPECT_NEAR(project.pointResult(0).state->W, 0.010, 1e-4);
    EXPECT_EQ(project.undoStack()->count(), steps + 1);
    project.undoStack()->undo();
    EXPECT_EQ(project.point(0).definition, original);
}

TEST_F(ProjectLayerTest, DragAboveSaturationKeepsThePointOnRealAir) {
    ASSERT_TRUE(project.addPointAt(60.0, 0.006).ok());
    const QPointF from = PixelOf(60.0, 0.006);
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    // Up into the fog, then beyond the plot's corner.
    for (const QPointF to : {PixelOf(50.0, 0.02), PixelOf(40.0, 0.028), QPointF(-50.0, -50.0)}) {
        Send(QEvent::MouseMove, to, Qt::LeftButton);
        const auto& state = project.pointResult(0).state;
        ASSERT_TRUE(state.has_value());
        const double ws = psy::SaturationHumidityRatio(psy::SaturationPressure(state->Tdb, "IP"),
                                                       kSeaLevel, "IP");
        EXPECT_LE(state->W, ws * 1.0001);
    }
    Send(QEvent::MouseButtonRelease, QPointF(-50.0, -50.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(project.undoStack()->count(), 2);
}

TEST(ProjectInteractionLifetime, EitherTheChartOrTheProjectMayGoFirst) {
    project::Project project;
    ASSERT_TRUE(project.addPointAt(70.0, 0.008).ok());
    {
        // As the chart's child, it goes while the chart is being destroyed.
        auto* chart = new PsychroChart;
        new ProjectInteraction(chart, &project, chart);
        delete chart;
    }
    PsychroChart chart;
    chart.resize(600, 400);
    auto* owned = new project::Project;
    ASSERT_TRUE(owned->addPointAt(70.0, 0.008).ok());
    const ProjectInteraction interaction(&chart, owned);
    ASSERT_EQ(chart.layers().size(), 1u);
    delete owned;
    EXPECT_TRUE(chart.layers().empty());
    EXPECT_FALSE(chart.toImage().isNull());
}
