#pragma once

// A one-page report (PDF or printed) built from sections: headings, lines of text, images
// (such as the chart as shown) and tables. The weather view writes its chart
// and statistics through it; other views add their own sections.

#include "weatherview/WeatherStatistics.h"

#include <variant>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace chart {

struct ReportSection {
    QString heading;                                   // may be empty
    std::variant<QStringList, QImage, StatTable> body; // text lines, an image, a table
};

struct ReportDocument {
    QString title;
    // Wide tables (the state points) read better across a landscape page.
    bool landscape = false;
    QStringList subtitle; // lines under the title: file, site, ...
    std::vector<ReportSection> sections;
};

// The table a model shows: its header texts and display texts, columns
// `columns` in that order (every column when empty).
StatTable TableFromModel(const QAbstractItemModel& model, const std::vector<int>& columns = {});

// Writes the document as one A4 page, through a temporary file renamed over
// the target, so a failed write never leaves half a file. Images keep their
// aspect ratio and take the room the text leaves; text and tables shrink to
// fit the page. False when the file could not be written.
bool WriteReportPdf(const QString& path, const ReportDocument& document);

// Lays the document out on one A4 page of `device` (a PDF writer or a
// printer), in its orientation; false when nothing could be painted.
bool PaintReport(QPagedPaintDevice& device, const ReportDocument& document);
// Lays the document out in `page` of an active painter (a print preview's
// page): text and tables shrink until everything fits across and down.
bool PaintReport(QPainter& painter, const QRectF& page, const ReportDocument& document);

} // namespace chart
