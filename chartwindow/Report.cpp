#include "chartwindow/Report.h"

#include <algorithm>

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace chart {

namespace {

constexpr int kDpi = 300;

// Lays the document out on `painter` from the top of `page`; returns the
// size used: the height, and the width of the widest line or table. With
// `draw` false it only measures. Images get `imageHeight` each at most.
QSizeF Layout(QPainter& p, const QRectF& page, const ReportDocument& doc, double fontPoints,
              double imageHeight, bool draw) {
    QFont body(QStringLiteral("Sans Serif"));
    body.setPointSizeF(fontPoints);
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(fontPoints * 1.6);

    double y = page.top();
    double widest = 0.0;
    const auto line = [&](const QString& text, const QFont& font, double indent = 0.0) {
        p.setFont(font);
        const QFontMetricsF fm(font, p.device());
        widest = std::max(widest, indent + fm.horizontalAdvance(text));
        if (draw)
            p.drawText(QRectF(page.left() + indent, y, page.width() - indent, fm.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, text);
        y += fm.height();
    };
    line(doc.title, title);
    for (const QString& text : doc.subtitle)
        line(text, body);
    const QFontMetricsF bodyMetrics(body, p.device());
    for (const ReportSection& section : doc.sections) {
        y += 0.6 * bodyMetrics.height();
        if (!section.heading.isEmpty())
            line(section.heading, bold);
        if (const auto* paragraph = std::get_if<QStringList>(&section.body)) {
            for (const QString& t : *paragraph)
                line(t, body);
        } else if (const auto* image = std::get_if<QImage>(&section.body)) {
            if (image->isNull())
                continue;
            QSizeF size = QSizeF(image->size())
                              .scaled(QSizeF(page.width(), imageHeight), Qt::KeepAspectRatio);
            if (draw)
                p.drawImage(QRectF(QPointF(page.left(), y), size), *image);
            y += size.height();
        } else if (const auto* table = std::get_if<StatTable>(&section.body)) {
            const QLocale locale;
            // Column widths from the widest cell of each, the first column
            // taking what is left.
            const qsizetype columns = table->headers.size();
            std::vector<double> widths(static_cast<std::size_t>(columns), 0.0);
            const auto measure = [&](qsizetype c, const QString& text, const QFont& font) {
                const QFontMetricsF fm(font, p.device());
                auto& w = widths[static_cast<std::size_t>(c)];
                w = std::max(w, fm.horizontalAdvance(text) + fm.height());
            };
            for (qsizetype c = 0; c < columns; ++c)
                measure(c, table->headers[c], bold);
            for (const auto& row : table->rows)
                for (qsizetype c = 0; c < columns && c < static_cast<qsizetype>(row.size()); ++c)
                    measure(c, CellText(row[static_cast<std::size_t>(c)], locale), body);
            double tableWidth = 0.0;
            for (const double w : widths)
                tableWidth += w;
            widest = std::max(widest, tableWidth);
            const double rowHeight = bodyMetrics.height() * 1.15;
            const auto drawRow = [&](const QStringList& cells, const QFont& font, bool numbers) {
                p.setFont(font);
                double x = page.left();
                for (qsizetype c = 0; c < cells.size() && c < columns; ++c) {
                    const double w = widths[static_cast<std::size_t>(c)];
                    if (draw)
                        p.drawText(QRectF(x, y, w, rowHeight),
                                   ((numbers && c > 0) ? Qt::AlignRight : Qt::AlignLeft) |
                                       Qt::AlignVCenter,
                                   cells[c]);
                    x += w;
                }
                y += rowHeight;
            };
            drawRow(table->headers, bold, false);
            if (draw)
                p.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
            for (const auto& row : table->rows) {
                QStringList cells;
                bool numbers = false;
                for (const StatCell& cell : row) {
                    cells.append(CellText(cell, locale));
                    numbers = numbers || cell.number.has_value();
                }
                drawRow(cells, body, numbers);
            }
        }
    }
    return {widest, y - page.top()};
}

} // namespace

StatTable TableFromModel(const QAbstractItemModel& model, const std::vector<int>& columns) {
    std::vector<int> shown = columns;
    if (shown.empty()) {
        for (int c = 0; c < model.columnCount(); ++c)
            shown.push_back(c);
    }
    StatTable table;
    for (const int c : shown)
        table.headers.append(model.headerData(c, Qt::Horizontal).toString());
    // A long note would take the page's width from every other column.
    constexpr qsizetype kLongestCell = 48;
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<StatCell> row;
        for (const int c : shown) {
            QString text = model.data(model.index(r, c)).toString();
            if (text.size() > kLongestCell)
                text = text.left(kLongestCell - 1) + QChar(0x2026);
            row.push_back(StatCell{text, std::nullopt, 0});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

bool PaintReport(QPainter& painter, const QRectF& page, const ReportDocument& document) {
    if (!painter.isActive() || page.isEmpty())
        return false;
    // Images take up to half the page. Text shrinks from 9 pt until it fits
    // across; then, while the page overflows, the images give way down to a
    // third of the page, and after that the text shrinks further.
    double points = 9.0;
    double imageHeight = 0.5 * page.height();
    const auto used = [&] { return Layout(painter, page, document, points, imageHeight, false); };
    while (used().width() > page.width() && points > 3.0)
        points -= 0.5;
    while (used().height() > page.height() && imageHeight > page.height() / 3.0)
        imageHeight *= 0.9;
    while (used().height() > page.height() && points > 3.0)
        points -= 0.5;
    Layout(painter, page, document, points, imageHeight, true);
    return true;
}

bool PaintReport(QPagedPaintDevice& device, const ReportDocument& document) {
    device.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    const bool painted = PaintReport(painter, page, document);
    painter.end();
    return painted;
}

bool WriteReportPdf(const QString& path, const ReportDocument& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kDpi);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Vaporwright"));
        if (!PaintReport(writer, document)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace chart
