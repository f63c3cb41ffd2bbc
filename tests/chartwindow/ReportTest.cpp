// The report's layout on paper: the chart takes at least half a page, no
// text is under 7 pt or cut, numbers are right-aligned and grouped alike,
// zones read whole, and tables go on to further pages as they grow.

#include "chartwindow/Report.h"

#include "chartwindow/ChartWindow.h"
#include "core/ComputeCore.h"
#include "project/Project.h"
#include "tests/weather/WeatherTestData.h"
#include "workbench/PointTableModel.h"
#include "workbench/PointsView.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace chart;
namespace td = weather::testdata;

namespace {

// The page objects of a PDF (the page tree is "/Type /Pages").
qsizetype PageCount(const QByteArray& pdf) {
    return pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/") +
           pdf.count("/Type /Page ");
}

// A4 landscape at the PDF's resolution, with the report's margins: the
// device the layout measures its fonts on, and its printed area.
struct Paper {
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    QRectF page;
    Paper() {
        buffer.open(QIODevice::WriteOnly);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        page = QRectF(0, 0, writer.width(), writer.height());
    }
};

// Every rule of the layout that does not depend on what is reported.
void ExpectReadable(const ReportLayout& layout, QPaintDevice& device) {
    const QLocale locale;
    // Four digits or more before the decimal point with no group separator.
    const QRegularExpression ungrouped(QStringLiteral("^[^0-9]*[0-9]{4,}"));
    for (std::size_t p = 0; p < layout.pages.size(); ++p) {
        const ReportPage& page = layout.pages[p];
        for (std::size_t i = 0; i < page.texts.size(); ++i) {
            const ReportText& t = page.texts[i];
            SCOPED_TRACE(QStringLiteral("page %1: %2").arg(p + 1).arg(t.text).toStdString());
            EXPECT_GE(t.points, kSmallestReportPoints);
            EXPECT_TRUE(layout.page.contains(t.box));
            // The whole text fits its box, as painted.
            QFont font(QStringLiteral("Sans Serif"));
            font.setPointSizeF(t.points);
            font.setBold(t.bold);
            const QRectF needed =
                QFontMetricsF(font, &device)
                    .boundingRect(QRectF(0, 0, t.box.width(), 1e9), t.flags, t.text);
            EXPECT_LE(needed.width(), t.box.width() + 0.5);
            EXPECT_LE(needed.height(), t.box.height() + 0.5);
            EXPECT_FALSE(t.text.contains(QChar(0x2026))); // nothing shortened
            EXPECT_FALSE(t.flags & Qt::TextWrapAnywhere); // no word broken
            if (t.number) {
                EXPECT_TRUE(t.flags & Qt::AlignRight);
                if (!locale.groupSeparator().isEmpty()) {
                    EXPECT_FALSE(ungrouped.match(t.text).hasMatch());
                }
            }
            for (std::size_t j = i + 1; j < page.texts.size(); ++j)
                EXPECT_FALSE(t.box.intersects(page.texts[j].box))
                    << page.texts[j].text.toStdString();
            for (const auto& drawing : page.drawings)
                EXPECT_FALSE(t.box.intersects(drawing.first));
        }
    }
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        window_ = std::make_unique<ChartWindow>(&owner_);
        window_->resize(1200, 700);
    }
    project::Project& project() { return *window_->project(); }

    // `count` points in a row of states with airflows, a coil on the first
    // two, and three zones shown, one with a long name.
    void buildProject(int count) {
        for (int i = 0; i < count; ++i) {
            const project::Added added = project().addPointAt(60.0 + 0.7 * i, 0.006 + 0.0001 * i);
            ASSERT_TRUE(added.ok()) << added.error.toStdString();
            ASSERT_TRUE(project().setAirflow(i, processes::Airflow{1500.0 + 100.0 * i}).isEmpty());
        }
        ASSERT_TRUE(project().addProcess(1, 0).ok());
        project::ZoneSettings zones;
        zones.comfortShown = true;
        zones.dataRoomShown = true;
        processes::ZoneLimits limits;
        limits.minDryBulbF = 68.0;
        limits.maxDryBulbF = 78.0;
        zones.userZones.push_back(
            {"Open-plan office on the north side, occupied hours", limits, true});
        ASSERT_EQ(project().setZoneSettings(zones), QString());
    }
    ReportLayout layOut(Paper& paper) {
        document_ = window_->reportDocument();
        return LayOutReport(document_, paper.writer, paper.page);
    }

    QTemporaryDir dir_;
    QWidget owner_;
    std::unique_ptr<ChartWindow> window_;
    ReportDocument document_;
};

} // namespace

TEST_F(ReportTest, TheChartTakesAtLeastHalfThePage) {
    for (const int points : {0, 3, 12}) {
        SCOPED_TRACE(points);
        project().replace(project::ProjectData{});
        if (points > 0)
            buildProject(points);
        Paper paper;
        const ReportLayout layout = layOut(paper);
        ASSERT_FALSE(layout.pages.empty());
        ASSERT_EQ(layout.pages.front().drawings.size(), 1u);
        const QRectF chart = layout.pages.front().drawings.front().first;
        EXPECT_GE(chart.width() * chart.height(),
                  kReportChartShare * layout.page.width() * layout.page.height());
        EXPECT_TRUE(layout.page.contains(chart));
        ExpectReadable(layout, paper.writer);
    }
}

TEST_F(ReportTest, TablesReadWholeAndGoOnToFurtherPages) {
    int pagesBefore = 0;
    int fewest = 0;
    for (const int points : {4, 30, 80}) {
        SCOPED_TRACE(points);
        project().replace(project::ProjectData{});
        buildProject(points);
        Paper paper;
        const ReportLayout layout = layOut(paper);
        ExpectReadable(layout, paper.writer);
        const int pages = static_cast<int>(layout.pages.size());
        EXPECT_GE(pages, pagesBefore);
        if (points == 4)
            fewest = pages;
        pagesBefore = pages;

        QStringList texts;
        for (const ReportPage& page : layout.pages)
            for (const ReportText& t : page.texts)
                texts.append(t.text);
        // A column per zone under a short code, whose names are given whole.
        EXPECT_TRUE(texts.contains(QStringLiteral("Z3")));
        const QString all = texts.join(QLatin1Char(' ')).simplified();
        EXPECT_TRUE(
            all.contains(QStringLiteral("Z3 Open-plan office on the north side, occupied hours")));
        // Every point's row, and the title of a table that goes on.
        EXPECT_GE(texts.count(QStringLiteral("in")) + texts.count(QStringLiteral("out")),
                  3 * points);
        if (points == 80) {
            EXPECT_TRUE(texts.contains(QStringLiteral("State points (continued)")));
        }
    }
    EXPECT_GT(pagesBefore, fewest);
}

TEST_F(ReportTest, NumbersAreAllGroupedAlike) {
    buildProject(3);
    Paper paper;
    const ReportLayout layout = layOut(paper);
    QStringList numbers;
    for (const ReportPage& page : layout.pages)
        for (const ReportText& t : page.texts)
            if (t.number)
                numbers.append(t.text);
    // The airflows (1,500.0 cfm), the dry air (about 6,700 lb/h) and the
    // loads all carry the locale's grouping.
    const QLocale locale;
    EXPECT_TRUE(numbers.contains(locale.toString(1500.0, 'f', 1)));
    const auto grouped = std::count_if(numbers.begin(), numbers.end(), [&](const QString& n) {
        return n.contains(locale.groupSeparator());
    });
    EXPECT_GE(grouped, 6);
    ExpectReadable(layout, paper.writer);
}

TEST_F(ReportTest, ATableTooWideForThePageIsSplitIntoGroupsOfColumns) {
    StatTable wide;
    wide.headers.append(QStringLiteral("Point"));
    for (int c = 0; c < 40; ++c)
        wide.headers.append(QStringLiteral("Quantity number %1 (unit)").arg(c));
    for (int r = 0; r < 5; ++r) {
        std::vector<StatCell> row{{QStringLiteral("Row %1").arg(r), std::nullopt, 0}};
        for (int c = 0; c < 40; ++c)
            row.push_back({QString(), 123456.789 * (c + 1), 3});
        wide.rows.push_back(std::move(row));
    }
    ReportDocument document;
    document.title = QStringLiteral("Wide");
    document.sections.push_back({QStringLiteral("Values"), wide});
    Paper paper;
    const ReportLayout layout = LayOutReport(document, paper.writer, paper.page);
    ExpectReadable(layout, paper.writer);
    QStringList texts;
    for (const ReportPage& page : layout.pages)
        for (const ReportText& t : page.texts)
            texts.append(t.text.simplified());
    // Every column is there, and each group repeats the rows' names.
    for (int c = 0; c < 40; ++c)
        EXPECT_TRUE(texts.contains(QStringLiteral("Quantity number %1 (unit)").arg(c))) << c;
    EXPECT_GT(texts.count(QStringLiteral("Row 0")), 1);
    EXPECT_TRUE(texts.contains(QStringLiteral("Values (continued)")));
}

TEST_F(ReportTest, ModelTablesKeepTheirTextsWholeAndTheirNumbersAsNumbers) {
    QStandardItemModel model(2, 3);
    model.setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Load (Btu/h)"), QStringLiteral("Note")});
    const QString note = QStringLiteral("A long note that once was cut at forty-eight "
                                        "characters and is now kept whole");
    const QLocale locale;
    const QString rows[2][3] = {
        {QStringLiteral("A"), locale.toString(-28528.0, 'f', 0), note},
        {QStringLiteral("B"), QStringLiteral("6750.0"), QStringLiteral("1.2E+03")},
    };
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto* item = new QStandardItem(rows[r][c]);
            if (c > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model.setItem(r, c, item);
        }
    }
    const StatTable table = TableFromModel(model);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0][2].text, note);
    ASSERT_TRUE(table.rows[0][1].number.has_value());
    EXPECT_EQ(*table.rows[0][1].number, -28528.0);
    EXPECT_EQ(table.rows[0][1].decimals, 0);
    // Written without grouping in the window, grouped in the report.
    ASSERT_TRUE(table.rows[1][1].number.has_value());
    EXPECT_EQ(table.rows[1][1].decimals, 1);
    EXPECT_EQ(CellText(table.rows[1][1], locale), locale.toString(6750.0, 'f', 1));
    // Not a plain number: kept as written.
    EXPECT_FALSE(table.rows[1][2].number.has_value());
    EXPECT_FALSE(table.rows[0][0].number.has_value());
}

TEST_F(ReportTest, PdfAndPrinterHaveTheLayoutsPages) {
    buildProject(30);
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    Paper paper;
    const auto pages = static_cast<qsizetype>(layOut(paper).pages.size());
    ASSERT_GE(pages, 2);

    const QString pdfPath = dir_.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(window_->exportReportPdf(pdfPath));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(PageCount(pdf.readAll()), pages);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(dir_.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(window_->printReport(printer));
    QFile printed(dir_.filePath(QStringLiteral("printed.pdf")));
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(PageCount(printed.readAll()), pages);
}
