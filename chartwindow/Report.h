#pragma once

// The chart window's report, written as PDF or printed: the title and the
// lines under it, then the sections (text, the chart, tables) in order, on
// as many pages as they need. The weather view adds its statistics, the
// project its points, processes and mixtures.
//
// So that it reads on paper:
// - the chart gets at least half of the page's area: the rest of its page
//   after the tables that follow it when they leave it that much, else the
//   whole rest of the page, the tables going on to the next;
// - no text is smaller than 7 pt (tables are set in 8 pt, down to 7 pt when
//   wide);
// - numbers are right-aligned and all written alike, with the locale's
//   digit grouping;
// - a cell of words wraps within its column instead of being cut; a table
//   too wide for the page even so is split into groups of columns, each
//   repeating the first; a table too long for its page goes on, under its
//   heading and column titles again, on the next.
//
// The layout is computed apart from the painting (LayOutReport), so that
// the rules above can be checked.

#include "weatherview/WeatherStatistics.h"

#include <functional>
#include <utility>
#include <variant>
#include <vector>

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace chart {

// A drawing that fills whatever rectangle the layout gives it: the chart.
struct ReportDrawing {
    std::function<void(QPainter& painter, const QRectF& target)> paint;
};

struct ReportSection {
    QString heading; // may be empty
    // Lines of text, a drawing, or a table.
    std::variant<QStringList, ReportDrawing, StatTable> body;
};

struct ReportDocument {
    QString title;
    // Wide tables (the state points) and the chart read better across a
    // landscape page.
    bool landscape = true;
    QStringList subtitle; // lines under the title: file, site, ...
    std::vector<ReportSection> sections;
};

// The smallest text of a report, points.
inline constexpr double kSmallestReportPoints = 7.0;
// The least share of a page's area the chart takes.
inline constexpr double kReportChartShare = 0.5;

// A piece of text laid out on a page.
struct ReportText {
    QRectF box; // device pixels
    QString text;
    double points = 0.0;
    bool bold = false;
    int flags = 0;       // alignment and text flags, as drawn
    bool number = false; // a number of a table
};

struct ReportPage {
    std::vector<ReportText> texts;
    std::vector<QLineF> rules;
    // Where each drawing goes; the drawings are the document's.
    std::vector<std::pair<QRectF, const ReportDrawing*>> drawings;
};

struct ReportLayout {
    QRectF page; // the area printed on, device pixels
    std::vector<ReportPage> pages;
};

// The table a model shows: its header texts and display texts, columns
// `columns` in that order (every column when empty). Right-aligned cells
// that hold a plain number become numbers, so the report writes them all
// alike; every text is kept whole.
StatTable TableFromModel(const QAbstractItemModel& model, const std::vector<int>& columns = {});

// Lays `document` out on pages whose printed area is `page`, in the pixels
// of `device`, whose resolution sets the size of the fonts. The layout
// points to the document's drawings: the document must outlive it.
ReportLayout LayOutReport(const ReportDocument& document, QPaintDevice& device, const QRectF& page);

// Paints the document on `device` (a PDF writer or a printer) in its paper
// size, in the document's orientation with margins of 15 mm, a new page of
// the device for each page of the layout; false when nothing could be
// painted.
bool PaintReport(QPagedPaintDevice& device, const ReportDocument& document);

// Writes the document as A4 pages through a temporary file renamed over
// the target, so a failed write never leaves half a file. False when the
// file could not be written.
bool WriteReportPdf(const QString& path, const ReportDocument& document);

} // namespace chart
