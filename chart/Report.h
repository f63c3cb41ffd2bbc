#pragma once

// A one-page PDF report built from sections: headings, lines of text, images
// (such as the chart as shown) and tables. The weather view writes its chart
// and statistics through it; other views add their own sections.

#include "chart/WeatherStatistics.h"

#include <variant>
#include <vector>

#include <QImage>
#include <QString>
#include <QStringList>

namespace chart {

struct ReportSection {
    QString heading;                                   // may be empty
    std::variant<QStringList, QImage, StatTable> body; // text lines, an image, a table
};

struct ReportDocument {
    QString title;
    QStringList subtitle; // lines under the title: file, site, ...
    std::vector<ReportSection> sections;
};

// Writes the document as one A4 page, through a temporary file renamed over
// the target, so a failed write never leaves half a file. Images keep their
// aspect ratio and take the room the text leaves; text and tables shrink to
// fit the page. False when the file could not be written.
bool WriteReportPdf(const QString& path, const ReportDocument& document);

} // namespace chart
