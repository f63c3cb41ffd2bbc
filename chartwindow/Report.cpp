#include "chartwindow/Report.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include <QAbstractItemModel>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace chart {

namespace {

constexpr int kPdfDpi = 300;
constexpr double kPointsPerInch = 72.0;

// Sizes of text, points.
constexpr double kTitlePoints = 14.0;
constexpr double kHeadingPoints = 10.0;
constexpr double kTextPoints = 9.0;
// A table tries these in turn until its columns fit across the page.
constexpr double kTablePoints[] = {8.0, 7.5, kSmallestReportPoints};

// The chart's shape, width over height: drawn to fit any rectangle, it
// reads best near the screen's shape, neither much flatter nor taller.
constexpr double kFlattestChart = 1.9;
constexpr double kTallestChart = 1.2;

// Space between sections, in lines of the body text.
constexpr double kSectionGap = 0.6;

QFont ReportFont(double points, bool bold) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A number as the report's cell showed it: optional sign, digits with the
// locale's grouping, optional decimals. Nothing for anything else (a text,
// a number in exponent form).
std::optional<StatCell> ShownNumber(const QString& shown, const QLocale& locale) {
    const QString text = shown.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QString group = QRegularExpression::escape(locale.groupSeparator());
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    const QString minus = QRegularExpression::escape(locale.negativeSign());
    const QRegularExpression plain(
        QStringLiteral("^(?:-|%1)?[0-9](?:[0-9]|%2)*(?:%3([0-9]+))?$").arg(minus, group, point));
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    QString digits = text;
    if (!locale.groupSeparator().isEmpty())
        digits.remove(locale.groupSeparator());
    const double value = locale.toDouble(digits, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return StatCell{text, value, static_cast<int>(match.captured(1).size())};
}

// The document laid out page by page, from the top of the first.
class Composer {
public:
    Composer(QPaintDevice& device, const QRectF& page) : device_(device) {
        layout_.page = page;
        layout_.pages.emplace_back();
        y_ = page.top();
    }

    [[nodiscard]] ReportLayout take() { return std::move(layout_); }
    [[nodiscard]] double y() const noexcept { return y_; }

    void title(const QString& text) { paragraph(text, kTitlePoints, true); }

    // A paragraph wrapped to the page's width, on the next page when it does
    // not fit on this one.
    void paragraph(const QString& text, double points, bool bold = false) {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRectF box = measure(text, points, bold, page().width(), flags);
        keepRoom(box.height());
        place(QRectF(page().left(), y_, page().width(), box.height()), text, points, bold, flags);
        y_ += box.height();
    }

    void gap() {
        if (y_ > page().top())
            y_ += kSectionGap * lineHeight(kTextPoints, false);
    }

    // A heading kept on one page with `following` pixels of what it heads.
    void heading(const QString& text, double following) {
        if (text.isEmpty()) {
            keepRoom(following);
            return;
        }
        const double height =
            measure(text, kHeadingPoints, true, page().width(), Qt::TextWordWrap).height();
        keepRoom(height + following);
        paragraph(text, kHeadingPoints, true);
    }

    // The drawing with at least its share of the page's area: the room left
    // above `after` pixels of what follows when that is enough, else the rest
    // of the page, else the whole of a new page.
    void drawing(const ReportDrawing& drawing, const QString& title, double after) {
        const double headingHeight =
            title.isEmpty()
                ? 0.0
                : measure(title, kHeadingPoints, true, page().width(), Qt::TextWordWrap).height();
        const double least = kReportChartShare * page().width() * page().height();
        const auto fit = [&](double height) {
            const double w = std::min(page().width(), kFlattestChart * height);
            const double h = std::min(height, w / kTallestChart);
            return QSizeF(std::max(w, 0.0), std::max(h, 0.0));
        };
        const auto area = [](QSizeF s) { return s.width() * s.height(); };
        const double room = page().bottom() - y_ - headingHeight;
        QSizeF size = fit(room - after);
        if (area(size) < least) {
            size = fit(room);
            if (area(size) < least) {
                newPage();
                size = fit(page().height() - headingHeight);
            }
        }
        if (!title.isEmpty())
            paragraph(title, kHeadingPoints, true);
        const QRectF target(page().left() + (page().width() - size.width()) / 2.0, y_, size.width(),
                            size.height());
        current().drawings.emplace_back(target, &drawing);
        y_ += size.height();
    }

    void table(const QString& title, const StatTable& table);

private:
    [[nodiscard]] const QRectF& page() const noexcept { return layout_.page; }
    ReportPage& current() { return layout_.pages.back(); }

    void newPage() {
        layout_.pages.emplace_back();
        y_ = page().top();
    }

    // A new page when `height` does not fit on this one, unless this one is
    // still empty: what is higher than a page goes on one of its own.
    void keepRoom(double height) {
        if (y_ + height > page().bottom() && y_ > page().top())
            newPage();
    }

    [[nodiscard]] double lineHeight(double points, bool bold) const {
        return QFontMetricsF(ReportFont(points, bold), &device_).height();
    }

    [[nodiscard]] QRectF measure(const QString& text, double points, bool bold, double width,
                                 int flags) const {
        const QFontMetricsF fm(ReportFont(points, bold), &device_);
        return fm.boundingRect(QRectF(0, 0, width, 1e9), flags, text);
    }

    void place(const QRectF& box, const QString& text, double points, bool bold, int flags,
               bool number = false) {
        current().texts.push_back({box, text, points, bold, flags, number});
    }

    QPaintDevice& device_;
    ReportLayout layout_;
    double y_ = 0.0;
};

// How a table's columns are set: the font, and each column's width.
struct Grid {
    double points = kTablePoints[0];
    std::vector<int> columns; // of the table, in order
    std::vector<double> widths;
};

void Composer::table(const QString& title, const StatTable& table) {
    const QLocale locale;
    const auto columnCount = static_cast<int>(table.headers.size());
    if (columnCount == 0)
        return;
    std::vector<QStringList> cells;
    std::vector<bool> numeric(static_cast<std::size_t>(columnCount), false);
    for (const auto& row : table.rows) {
        QStringList texts;
        for (int c = 0; c < columnCount; ++c) {
            const auto i = static_cast<std::size_t>(c);
            if (i < row.size()) {
                texts.append(CellText(row[i], locale));
                numeric[i] = numeric[i] || row[i].number.has_value();
            } else {
                texts.append(QString());
            }
        }
        cells.push_back(texts);
    }

    // Each column's widths, padding included: its least (its longest word,
    // or its widest number), what its cells need on one line with its title
    // wrapped (`cells`), and what all need on one line, title too (`whole`).
    struct Widths {
        std::vector<double> least, cells, whole;
        double pad = 0.0;
    };
    const auto widthsAt = [&](double points) {
        const auto n = static_cast<std::size_t>(columnCount);
        Widths w{std::vector<double>(n, 0.0), std::vector<double>(n, 0.0),
                 std::vector<double>(n, 0.0), 0.0};
        const QFontMetricsF body(ReportFont(points, false), &device_);
        const QFontMetricsF bold(ReportFont(points, true), &device_);
        w.pad = 0.35 * body.height();
        const auto longestWord = [](const QString& text, const QFontMetricsF& fm) {
            double longest = 0.0;
            for (const QString& word :
                 text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                longest = std::max(longest, fm.horizontalAdvance(word));
            return longest;
        };
        for (std::size_t i = 0; i < n; ++i) {
            const QString& header = table.headers[static_cast<qsizetype>(i)];
            w.least[i] = longestWord(header, bold);
            w.cells[i] = w.least[i];
            w.whole[i] = bold.horizontalAdvance(header);
        }
        for (const QStringList& row : cells) {
            for (std::size_t i = 0; i < n; ++i) {
                const QString& text = row[static_cast<qsizetype>(i)];
                const double line = body.horizontalAdvance(text);
                // A number is never broken; words break between them.
                w.least[i] = std::max(w.least[i], numeric[i] ? line : longestWord(text, body));
                w.cells[i] = std::max(w.cells[i], line);
                w.whole[i] = std::max(w.whole[i], line);
            }
        }
        // The padding, and a pixel or two for the rounding of the text's
        // box to whole pixels.
        const double extra = 2.0 * w.pad + 2.0;
        for (std::size_t i = 0; i < n; ++i) {
            w.least[i] += extra;
            w.cells[i] += extra;
            w.whole[i] += extra;
        }
        return w;
    };
    // Widths of `columns` across `room`: all on one line when they fit;
    // else the titles wrap first, each column getting what its cells need
    // and a share of what is left for its title; else the cells wrap too,
    // each column getting its least and a share of the rest in proportion
    // to what its cells lack.
    const auto spread = [](const Widths& w, const std::vector<int>& columns, double room) {
        const auto sum = [&columns](const std::vector<double>& v) {
            double total = 0.0;
            for (const int c : columns)
                total += v[static_cast<std::size_t>(c)];
            return total;
        };
        const auto between = [&](const std::vector<double>& low, const std::vector<double>& high) {
            const double lows = sum(low);
            const double highs = sum(high);
            std::vector<double> widths;
            for (const int c : columns) {
                const auto i = static_cast<std::size_t>(c);
                const double share = highs > lows ? (room - lows) / (highs - lows) : 0.0;
                widths.push_back(low[i] + (high[i] - low[i]) * std::clamp(share, 0.0, 1.0));
            }
            return widths;
        };
        if (sum(w.whole) <= room)
            return between(w.whole, w.whole);
        if (sum(w.cells) <= room)
            return between(w.cells, w.whole);
        return between(w.least, w.cells);
    };

    std::vector<int> all(static_cast<std::size_t>(columnCount));
    std::iota(all.begin(), all.end(), 0);
    std::vector<Grid> grids;
    Widths chosen;
    // The largest text in which the cells keep to one line, else the largest
    // in which they fit at all, wrapped.
    for (const bool wrapped : {false, true}) {
        for (const double points : kTablePoints) {
            chosen = widthsAt(points);
            const std::vector<double>& needed = wrapped ? chosen.least : chosen.cells;
            if (std::accumulate(needed.begin(), needed.end(), 0.0) <= page().width()) {
                grids.push_back({points, all, spread(chosen, all, page().width())});
                break;
            }
        }
        if (!grids.empty())
            break;
    }
    if (grids.empty()) {
        // Too wide even in the smallest text: groups of columns, each with
        // the first column again so that its rows can be told apart.
        std::vector<int> group{0};
        double used = chosen.least[0];
        for (int c = 1; c < columnCount; ++c) {
            const double w = chosen.least[static_cast<std::size_t>(c)];
            if (used + w > page().width() && group.size() > 1) {
                grids.push_back({kSmallestReportPoints, group, {}});
                group = {0};
                used = chosen.least[0];
            }
            group.push_back(c);
            used += w;
        }
        grids.push_back({kSmallestReportPoints, group, {}});
        for (Grid& grid : grids)
            grid.widths = spread(chosen, grid.columns, page().width());
    }

    const double pad = chosen.pad;
    for (std::size_t g = 0; g < grids.size(); ++g) {
        const Grid& grid = grids[g];
        // A cell's text as set in the grid's column `k`: numbers whole and
        // to the right; words to the left, broken only between words (not
        // within a unit such as "Btu/lb"), and a word wider than its column
        // broken where it must.
        struct Set {
            QString text;
            int flags;
        };
        const auto setIn = [&](std::size_t k, const QString& text, bool bold) {
            const auto c = static_cast<std::size_t>(grid.columns[k]);
            const double inner = grid.widths[k] - 2.0 * pad;
            const QFontMetricsF fm(ReportFont(grid.points, bold), &device_);
            if (numeric[c] && !bold)
                return Set{text, Qt::AlignRight | Qt::AlignTop};
            const int align = (numeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop;
            QStringList lines;
            QString line;
            for (const QString& word :
                 text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
                if (!line.isEmpty() && fm.horizontalAdvance(longer) > inner) {
                    lines.append(line);
                    line = word;
                } else {
                    line = longer;
                }
            }
            if (!line.isEmpty())
                lines.append(line);
            const QString wrapped = lines.join(QLatin1Char('\n'));
            if (measure(wrapped, grid.points, bold, inner, align).width() > inner + 0.5)
                return Set{text, align | Qt::TextWrapAnywhere};
            return Set{wrapped, align};
        };
        // The height of a row of `texts` (one per column of the table).
        const auto rowHeight = [&](const QStringList& texts, bool bold) {
            double height = lineHeight(grid.points, bold);
            for (std::size_t k = 0; k < grid.columns.size(); ++k) {
                const Set set = setIn(k, texts[grid.columns[k]], bold);
                height = std::max(height, measure(set.text, grid.points, bold,
                                                  grid.widths[k] - 2.0 * pad, set.flags)
                                              .height());
            }
            return height + 0.3 * pad;
        };
        const auto placeRow = [&](const QStringList& texts, bool bold, double height) {
            double x = page().left();
            for (std::size_t k = 0; k < grid.columns.size(); ++k) {
                const int c = grid.columns[k];
                const Set set = setIn(k, texts[c], bold);
                if (!set.text.isEmpty())
                    place(QRectF(x + pad, y_ + 0.15 * pad, grid.widths[k] - 2.0 * pad,
                                 height - 0.3 * pad),
                          set.text, grid.points, bold, set.flags,
                          !bold && numeric[static_cast<std::size_t>(c)]);
                x += grid.widths[k];
            }
            y_ += height;
        };
        const double tableWidth = std::accumulate(grid.widths.begin(), grid.widths.end(), 0.0);
        const QString name = g == 0            ? title
                             : title.isEmpty() ? QString()
                                               : QStringLiteral("%1 (continued)").arg(title);
        const double headerHeight = rowHeight(table.headers, true);
        const auto header = [&] {
            placeRow(table.headers, true, headerHeight);
            current().rules.emplace_back(page().left(), y_, page().left() + tableWidth, y_);
        };
        if (g > 0)
            gap();
        heading(name, headerHeight + (cells.empty() ? 0.0 : rowHeight(cells.front(), false)));
        header();
        for (const QStringList& row : cells) {
            const double height = rowHeight(row, false);
            if (y_ + height > page().bottom()) {
                newPage();
                if (!title.isEmpty())
                    paragraph(QStringLiteral("%1 (continued)").arg(title), kHeadingPoints, true);
                header();
            }
            placeRow(row, false, height);
        }
        current().rules.emplace_back(page().left(), y_, page().left() + tableWidth, y_);
    }
}

// The height the sections from `first` on take when set one after another
// on one endless page of the same width: what a drawing before them must
// leave room for to share its page with them.
double FlowHeight(const ReportDocument& document, std::size_t first, QPaintDevice& device,
                  const QRectF& page) {
    Composer endless(device, QRectF(page.left(), 0.0, page.width(), 1e9));
    for (std::size_t i = first; i < document.sections.size(); ++i) {
        const ReportSection& section = document.sections[i];
        if (std::holds_alternative<ReportDrawing>(section.body))
            return 1e9; // a second drawing takes a page of its own
        endless.gap();
        if (const auto* table = std::get_if<StatTable>(&section.body)) {
            endless.table(section.heading, *table);
        } else if (const auto* lines = std::get_if<QStringList>(&section.body)) {
            endless.heading(section.heading, 0.0);
            for (const QString& line : *lines)
                endless.paragraph(line, kTextPoints);
        }
    }
    return endless.y();
}

} // namespace

StatTable TableFromModel(const QAbstractItemModel& model, const std::vector<int>& columns) {
    std::vector<int> shown = columns;
    if (shown.empty()) {
        for (int c = 0; c < model.columnCount(); ++c)
            shown.push_back(c);
    }
    const QLocale locale;
    StatTable table;
    for (const int c : shown)
        table.headers.append(model.headerData(c, Qt::Horizontal).toString());
    for (int r = 0; r < model.rowCount(); ++r) {
        std::vector<StatCell> row;
        for (const int c : shown) {
            const QModelIndex index = model.index(r, c);
            const QString text = model.data(index).toString();
            const auto alignment = Qt::Alignment(model.data(index, Qt::TextAlignmentRole).toInt());
            std::optional<StatCell> number;
            if (alignment & Qt::AlignRight)
                number = ShownNumber(text, locale);
            row.push_back(number ? *number : StatCell{text, std::nullopt, 0});
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

ReportLayout LayOutReport(const ReportDocument& document, QPaintDevice& device,
                          const QRectF& page) {
    Composer composer(device, page);
    if (!document.title.isEmpty())
        composer.title(document.title);
    for (const QString& line : document.subtitle)
        composer.paragraph(line, kTextPoints);
    for (std::size_t i = 0; i < document.sections.size(); ++i) {
        const ReportSection& section = document.sections[i];
        composer.gap();
        if (const auto* drawing = std::get_if<ReportDrawing>(&section.body)) {
            composer.drawing(*drawing, section.heading, FlowHeight(document, i + 1, device, page));
        } else if (const auto* table = std::get_if<StatTable>(&section.body)) {
            composer.table(section.heading, *table);
        } else if (const auto* lines = std::get_if<QStringList>(&section.body)) {
            composer.heading(section.heading, 0.0);
            for (const QString& line : *lines)
                composer.paragraph(line, kTextPoints);
        }
    }
    return composer.take();
}

bool PaintReport(QPagedPaintDevice& device, const ReportDocument& document) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(QMarginsF(15, 15, 15, 15));
    device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    const ReportLayout laid = LayOutReport(document, device, page);
    const double dpi = device.logicalDpiY();
    for (std::size_t i = 0; i < laid.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const ReportPage& at = laid.pages[i];
        for (const auto& [target, drawing] : at.drawings) {
            if (!drawing->paint)
                continue;
            painter.save();
            drawing->paint(painter, target);
            painter.restore();
        }
        painter.setPen(QPen(Qt::black, 0.5 * dpi / kPointsPerInch));
        for (const QLineF& rule : at.rules)
            painter.drawLine(rule);
        for (const ReportText& text : at.texts) {
            painter.setFont(ReportFont(text.points, text.bold));
            painter.drawText(text.box, text.flags, text.text);
        }
    }
    painter.end();
    return true;
}

bool WriteReportPdf(const QString& path, const ReportDocument& document) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDpi);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Vaporwright"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        if (!PaintReport(writer, document)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

} // namespace chart
