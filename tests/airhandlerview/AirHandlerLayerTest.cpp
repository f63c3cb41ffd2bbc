#include "airhandlerview/AirHandlerLayer.h"

#include "airhandlerview/AirHandlerInteraction.h"
#include "chart/PsychroChart.h"
#include "project/Project.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace chart;
using airhandler::Season;

namespace {

constexpr double kSeaLevel = 14.696; // psia

class AirHandlerLayerTest : public ::testing::TestWithParam<ChartStyle> {
protected:
    void SetUp() override {
        chart.resize(900, 600);
        chart.setAtmosphere(kSeaLevel);
        chart.setStyle(GetParam());
        ASSERT_EQ(project.setAirHandler(project::AirHandlerSetup{}), QString());
    }
    const airhandler::CaseSolution& solved(Season season = Season::Summer) const {
        return project.airHandlerResult()->solution.of(season).value();
    }
    QPointF PixelOf(const processes::AirState& air) const {
        return chart.mapping().toPixel(air.dryBulbF, air.humidityRatio);
    }
    void Send(QEvent::Type type, QPointF pixel, Qt::MouseButtons buttons,
              Qt::MouseButton button = Qt::NoButton) {
        QMouseEvent event(type, pixel, chart.mapToGlobal(pixel), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(&chart, &event);
    }
    void Drag(QPointF from, QPointF to) {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, (from + to) / 2.0, Qt::LeftButton);
        Send(QEvent::MouseMove, to, Qt::LeftButton);
    }
    void Release(QPointF at) { Send(QEvent::MouseButtonRelease, at, Qt::NoButton, Qt::LeftButton); }

    project::Project project;
    PsychroChart chart;
    AirHandlerInteraction interaction{&chart, &project};
};

const AirHandlerLayer::Mark* MarkOf(const AirHandlerLayer::Shapes& shapes,
                                    AirHandlerHandle handle) {
    for (const auto& mark : shapes.marks) {
        if (mark.handle == handle)
            return &mark;
    }
    return nullptr;
}

TEST_P(AirHandlerLayerTest, DrawsTheCaseWhereTheMappingPutsIt) {
    for (const Season season : {Season::Summer, Season::Winter}) {
        SCOPED_TRACE(season == Season::Summer ? "summer" : "winter");
        interaction.setSeason(season);
        const auto& s = solved(season);
        const auto shapes = interaction.layer().shapesFor(chart.mapping());
        EXPECT_GE(shapes.shrLine.size(), 2u);
        const struct {
            AirHandlerHandle handle;
            const processes::AirState& air;
        } expected[] = {{AirHandlerHandle::Room, s.room},
                        {AirHandlerHandle::Outdoor, s.outdoor},
                        {AirHandlerHandle::Supply, s.supply}};
        for (const auto& e : expected) {
            const auto* mark = MarkOf(shapes, e.handle);
            ASSERT_NE(mark, nullptr);
            EXPECT_NEAR(QLineF(mark->at, PixelOf(e.air)).length(), 0.0, 1e-6);
        }
        // An arrow for each component that acts, under its name, from its
        // entering to its leaving air.
        std::size_t active = 0;
        for (const auto& c : s.components) {
            if (!c.active || !c.analysis)
                continue;
            ASSERT_LT(active, shapes.arrows.size());
            EXPECT_EQ(shapes.arrows[active].name.toStdString(), std::string(c.name));
            EXPECT_NEAR(QLineF(shapes.arrows[active].to, PixelOf(c.leaving)).length(), 0.0, 1e-6);
            ++active;
        }
        EXPECT_EQ(shapes.arrows.size(), active);
        EXPECT_GE(active, 1u);
        // The SHR line runs through the room and the supply air.
        const auto nearLine = [&shapes](QPointF p) {
            double best = 1e9;
            for (std::size_t i = 1; i < shapes.shrLine.size(); ++i) {
                const QLineF segment(shapes.shrLine[i - 1], shapes.shrLine[i]);
                const QPointF d = segment.p2() - segment.p1();
                const double len2 = d.x() * d.x() + d.y() * d.y();
                const double t = std::clamp(
                    QPointF::dotProduct(p - segment.p1(), d) / std::max(len2, 1e-12), 0.0, 1.0);
                best = std::min(best, QLineF(p, segment.p1() + t * d).length());
            }
            return best;
        };
        EXPECT_LT(nearLine(PixelOf(s.room)), 1.5);
        EXPECT_LT(nearLine(PixelOf(s.supply)), 1.5);
    }
}

TEST_P(AirHandlerLayerTest, PaintsOnTheChart) {
    const QImage image = chart.toImage();
    // The shapes kept while the mark is looked at: MarkOf points into them.
    const auto shapes = interaction.layer().shapesFor(chart.mapping());
    const auto* room = MarkOf(shapes, AirHandlerHandle::Room);
    ASSERT_NE(room, nullptr);
    const QColor centre = image.pixelColor(room->at.toPoint());
    const QColor chain = AirHandlerChainColour();
    EXPECT_LT(std::abs(centre.red() - chain.red()) + std::abs(centre.green() - chain.green()) +
                  std::abs(centre.blue() - chain.blue()),
              60);
}

TEST_P(AirHandlerLayerTest, DraggingTheRoomResolvesLiveAndIsOneStepAtRelease) {
    const project::AirHandlerSetup before = *project.airHandler();
    const int steps = project.undoStack()->count();
    const QPointF from = PixelOf(solved().room);
    // One degree warmer, whichever way the style draws the dry bulb.
    const QPointF to =
        chart.mapping().toPixel(solved().room.dryBulbF + 1.5, solved().room.humidityRatio);
    Drag(from, to);
    EXPECT_TRUE(interaction.dragging());
    EXPECT_TRUE(interaction.layer().previewing());
    // Nothing reaches the project while dragging; the chain is solved again.
    EXPECT_EQ(*project.airHandler(), before);
    ASSERT_NE(interaction.layer().shownCase(), nullptr);
    EXPECT_NEAR(interaction.layer().shownCase()->room.dryBulbF, solved().room.dryBulbF + 1.5, 0.2);
    Release(to);
    EXPECT_FALSE(interaction.dragging());
    EXPECT_EQ(project.undoStack()->count(), steps + 1);
    const auto& room = project.airHandler()->summer.room;
    EXPECT_EQ(room.first.input, project::Input::DryBulb);
    EXPECT_NEAR(room.first.value, 76.5, 0.2);
    project.undoStack()->undo();
    EXPECT_EQ(*project.airHandler(), before);
}

TEST_P(AirHandlerLayerTest, DraggingTheSupplyMovesItAlongTheShrLine) {
    const QPointF from = PixelOf(solved().supply);
    const QPointF to =
        chart.mapping().toPixel(solved().supply.dryBulbF - 2.0, solved().supply.humidityRatio);
    Drag(from, to);
    Release(to);
    EXPECT_EQ(project.airHandler()->summer.supply.by, airhandler::SupplyBy::DryBulb);
    EXPECT_NEAR(project.airHandler()->summer.supply.dryBulbF, 53.0, 0.2);
    // Above the room is no supply in cooling: the point stays at its last
    // good place and nothing is changed.
    const project::AirHandlerSetup kept = *project.airHandler();
    const QPointF start = PixelOf(solved().supply);
    const QPointF warm =
        chart.mapping().toPixel(solved().room.dryBulbF + 5.0, solved().supply.humidityRatio);
    Send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, warm, Qt::LeftButton);
    Release(warm);
    EXPECT_EQ(*project.airHandler(), kept);
}

TEST_P(AirHandlerLayerTest, WithoutAnAirHandlerNothingIsDrawnOrGrabbed) {
    ASSERT_EQ(project.setAirHandler(std::nullopt), QString());
    const auto shapes = interaction.layer().shapesFor(chart.mapping());
    EXPECT_TRUE(shapes.marks.empty());
    EXPECT_TRUE(shapes.arrows.empty());
    Send(QEvent::MouseButtonPress, QPointF(300, 300), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(interaction.dragging());
}

INSTANTIATE_TEST_SUITE_P(BothStyles, AirHandlerLayerTest,
                         ::testing::Values(ChartStyle::Ashrae, ChartStyle::Mollier),
                         [](const auto& style) {
                             return style.param == ChartStyle::Ashrae ? "Ashrae" : "Mollier";
                         });

} // namespace
