#pragma once

// The layers of a weather file on the chart: its hours, as density shading
// (hours per cell of the plane) or as dots coloured by month, and the outlines
// of the zones whose hours the statistics count.

#include "chart/ChartLayer.h"
#include "processes/Zone.h"
#include "weather/Hour.h"
#include "weather/Statistics.h"

#include <map>
#include <memory>
#include <span>
#include <vector>

#include <QColor>
#include <QLocale>
#include <QString>

namespace chart {

enum class HoursDisplay { Density, MonthDots };

// The colour of a month's dots (1 to 12): cold blues in winter, through
// greens in spring, to warm reds in summer and purples in autumn.
QColor MonthColour(int month);
// The name of `month` (1 to 12) in the language the interface speaks; in
// English, as the user's locale writes it, as it always was.
QString MonthName(int month, QLocale::FormatType format);
// The shading of a cell holding `share` (0 to 1] of the fullest cell's hours.
QColor DensityColour(double share);

// Pixels per side of a density cell: fine enough to show the shape of the
// year, coarse enough that a cell holds more than an hour or two.
inline constexpr double kDensityCellPixels = 8.0;
// The cells of the density shading for a painting: about
// kDensityCellPixels on each side on the screen, measured along the axis
// each quantity runs in the style drawn, and no narrower than 1 K of dry
// bulb.
weather::GridAxes DensityAxesFor(const ChartMapping& mapping);

class HoursLayer final : public ChartLayer {
public:
    // The hours are not copied: they must outlive the layer or be replaced.
    void setHours(std::span<const weather::Hour> hours) { hours_ = hours; }
    void setFilter(const weather::HourFilter& filter) { filter_ = filter; }
    void setDisplay(HoursDisplay display) { display_ = display; }
    [[nodiscard]] HoursDisplay display() const noexcept { return display_; }
    [[nodiscard]] const weather::HourFilter& filter() const noexcept { return filter_; }

    void paint(QPainter& painter, const LayerContext& context) const override;
    // The legend's box, in the corner beyond saturation next to the chart's
    // own legend.
    void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                          const LayerContext& context) const override;

private:
    void paintDensity(QPainter& painter, const LayerContext& context) const;
    void paintDots(QPainter& painter, const LayerContext& context) const;

    std::span<const weather::Hour> hours_;
    weather::HourFilter filter_;
    HoursDisplay display_ = HoursDisplay::Density;
};

struct ShownZone {
    QString name;
    std::shared_ptr<const processes::Zone> zone;
    QColor colour;
};

class ZonesLayer final : public ChartLayer {
public:
    void setZones(std::vector<ShownZone> zones);
    [[nodiscard]] const std::vector<ShownZone>& zones() const noexcept { return zones_; }

    void paint(QPainter& painter, const LayerContext& context) const override;

private:
    std::vector<ShownZone> zones_;
    // Outlines of each zone by pressure: a zone's outline takes some work
    // and the chart is repainted at the same pressure again and again.
    mutable std::vector<std::map<double, processes::Outline>> outlines_;
};

} // namespace chart
