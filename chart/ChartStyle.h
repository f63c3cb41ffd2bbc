#pragma once

// The two ways the chart draws the same plane of moist air.
//
// Ashrae: the psychrometric chart of North America, dry bulb across and
// humidity ratio up, lines of constant enthalpy slanting up to the left.
// Mollier: the h-x diagram read in most of Europe, humidity ratio x across
// and dry bulb up, isotherms level and lines of constant enthalpy slanting
// down to the right.
//
// Both show the same lines from the same relations of the engine: only where
// a state lies on the screen, the scales and the places of the labels differ
// (ChartMapping, ChartPainter).

#include <optional>

#include <QString>
#include <QStringView>

namespace chart {

enum class ChartStyle { Ashrae, Mollier };

// The text a style is remembered by in the settings: "ASHRAE" or "Mollier".
QString ChartStyleName(ChartStyle style);
// The style of a remembered text, in any case; nothing for any other text.
std::optional<ChartStyle> ChartStyleFromName(QStringView name);

// The chart's title and the name of its kind of picture: "Psychrometric
// Chart" or "Mollier h-x Diagram", in the language the program speaks. The
// style's name in the settings (ChartStyleName) is never translated.
QString ChartStyleTitle(ChartStyle style);

} // namespace chart
