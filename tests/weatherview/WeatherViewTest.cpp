#include "chartwindow/ChartWindow.h"
#include "engine/Units.h"
#include "processes/ComfortZone.h"
#include "processes/LimitZone.h"
#include "tests/weather/WeatherTestData.h"
#include "weather/Design.h"
#include "weather/Site.h"
#include "weather/Statistics.h"
#include "weather/WeatherFile.h"
#include "weatherview/WeatherStatistics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace chart;
namespace td = weather::testdata;

namespace {

constexpr double kCalculatorPsia = 13.5;

// The Chicago year read by the library itself, to check the window against.
const weather::WeatherFile& Chicago() {
    static const weather::WeatherFile file = weather::LoadWeatherFile(td::kChicagoEpw, 14.696);
    return file;
}

class WeatherViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        window_ = std::make_unique<ChartWindow>(&owner_);
        window_->resize(1200, 700);
        window_->setAtmosphere(kCalculatorPsia);
    }
    WeatherPanel& panel() { return *window_->weatherPanel(); }
    template <typename T>
    T* child(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The number behind a row of the hour counts named `statistic`.
    std::optional<double> count(const QString& statistic, int column = 1) {
        QTableWidget* table = panel().countsTable();
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 0)->text() == statistic)
                return table->item(r, column)->data(Qt::UserRole).toDouble();
        return std::nullopt;
    }
    QString write(const QString& name, const std::string& text) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }

    QTemporaryDir dir_;
    QWidget owner_;
    std::unique_ptr<ChartWindow> window_;
};

std::size_t LibraryCount(const weather::HourFilter& filter, const processes::Zone& zone) {
    return weather::CountInZone(Chicago().hours, filter,
                                [&zone](const weather::Hour& h) {
                                    return zone.contains(h.dryBulbF, h.humidityRatio,
                                                         h.pressurePsia);
                                })
        .hours;
}

} // namespace

TEST_F(WeatherViewTest, ChicagoCountsAndDesignAgreeWithTheLibrary) {
    ASSERT_FALSE(Chicago().hours.empty());
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    child<QCheckBox>("comfortZone")->setChecked(true);
    child<QCheckBox>("dataRoomZone")->setChecked(true);

    const weather::HourFilter all;
    EXPECT_EQ(count(QStringLiteral("Hours read")), static_cast<double>(Chicago().hours.size()));
    const auto summer = processes::ComfortZone::Make(processes::kSummerComfort);
    EXPECT_EQ(count(QStringLiteral("In comfort zone (summer, 0.5 clo)")),
              static_cast<double>(LibraryCount(all, *summer)));
    const std::size_t dataRoom = LibraryCount(all, processes::DataRoomEnvelope());
    EXPECT_GT(dataRoom, 0u);
    EXPECT_EQ(count(QStringLiteral("In data-room envelope")), static_cast<double>(dataRoom));
    const auto above =
        weather::CountAgainstLimit(Chicago().hours, all, weather::LimitQuantity::DryBulb, 80.0);
    EXPECT_EQ(count(QStringLiteral("Dry bulb above 80.0 °F")),
              static_cast<double>(above.above.hours));
    EXPECT_NEAR(*count(QStringLiteral("Dry bulb above 80.0 °F"), 2), above.above.percent(), 0.05);

    // The winter preset is another zone.
    child<QComboBox>("comfortPreset")->setCurrentIndex(1);
    const auto winter = processes::ComfortZone::Make(processes::kWinterComfort);
    EXPECT_EQ(count(QStringLiteral("In comfort zone (winter, 1.0 clo)")),
              static_cast<double>(LibraryCount(all, *winter)));

    // Design conditions from all the hours, beside the header's, in SI too.
    const auto site = weather::SitePressureOf(Chicago().location.elevationM, Chicago().hours);
    const auto design = weather::ComputeDesignConditions(Chicago().hours, site.psia);
    window_->setUnitSystem(UnitSystem::SI);
    QTableWidget* table = panel().designTable();
    ASSERT_GE(table->rowCount(), 11);
    struct Expect {
        int row;
        double computedF;
        std::optional<double> headerF;
    };
    const Expect rows[] = {
        {0, *design.heating996DryBulbF, Chicago().headerDesign.heating996DryBulbF},
        {1, *design.heating990DryBulbF, Chicago().headerDesign.heating990DryBulbF},
        {2, design.cooling[0]->dryBulbF, Chicago().headerDesign.cooling[0]->dryBulbF},
        {3, design.cooling[0]->meanCoincidentWetBulbF,
         Chicago().headerDesign.cooling[0]->meanCoincidentWetBulbF},
        {6, design.cooling[2]->dryBulbF, Chicago().headerDesign.cooling[2]->dryBulbF},
        {8, design.dewPoint04->dewPointF, std::nullopt},
    };
    for (const Expect& e : rows) {
        SCOPED_TRACE(e.row);
        EXPECT_NEAR(table->item(e.row, 2)->data(Qt::UserRole).toDouble(),
                    (e.computedF - 32.0) / 1.8, 1e-9);
        if (e.headerF) {
            EXPECT_NEAR(table->item(e.row, 3)->data(Qt::UserRole).toDouble(),
                        (*e.headerF - 32.0) / 1.8, 1e-9);
        }
    }
    EXPECT_TRUE(table->item(0, 1)->text().contains(QStringLiteral("°C")));
    EXPECT_NEAR(table->item(9, 2)->data(Qt::UserRole).toDouble(),
                *design.dewPoint04->humidityRatio * 1000.0, 1e-9);
}

TEST_F(WeatherViewTest, FiltersChangeTheCountsAsTheLibrarySays) {
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    child<QCheckBox>("dataRoomZone")->setChecked(true);
    const processes::LimitZone dataRoom = processes::DataRoomEnvelope();

    struct Case {
        const char* name;
        std::vector<int> monthsOff; // 1 to 12
        int from, to;
    };
    const Case cases[] = {
        {"occupied hours", {}, 8, 18},
        {"summer only, all day", {1, 2, 3, 4, 5, 9, 10, 11, 12}, 0, 23},
        {"winter nights", {4, 5, 6, 7, 8, 9, 10}, 22, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        weather::HourFilter filter;
        for (int m = 1; m <= 12; ++m) {
            const bool on = std::ranges::find(c.monthsOff, m) == c.monthsOff.end();
            child<QCheckBox>(QStringLiteral("month%1").arg(m).toLatin1().constData())
                ->setChecked(on);
            filter.months.set(static_cast<std::size_t>(m - 1), on);
        }
        child<QSpinBox>("fromHour")->setValue(c.from);
        child<QSpinBox>("toHour")->setValue(c.to);
        filter.hours = weather::HourFilter::HoursOfDay(c.from, c.to);

        EXPECT_EQ(count(QStringLiteral("Hours in the filter")),
                  static_cast<double>(weather::CountFiltered(Chicago().hours, filter)));
        EXPECT_EQ(count(QStringLiteral("In data-room envelope")),
                  static_cast<double>(LibraryCount(filter, dataRoom)));
        const auto dew = weather::CountAgainstLimit(Chicago().hours, filter,
                                                    weather::LimitQuantity::DewPoint, 55.0);
        EXPECT_EQ(count(QStringLiteral("Dew point below 55.0 °F")),
                  static_cast<double>(dew.below.hours));
    }
}

TEST_F(WeatherViewTest, TheChartIsDrawnAtTheSitePressureUntilTheFileIsClosed) {
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    const auto site = weather::SitePressureOf(201.0, {});
    EXPECT_DOUBLE_EQ(window_->chart()->atmosphere(), site.psia);
    const QString note = child<QLabel>("pressureNote")->text();
    EXPECT_TRUE(note.contains(QStringLiteral("psia"))) << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("201 m"))) << note.toStdString();
    window_->setUnitSystem(UnitSystem::SI);
    EXPECT_TRUE(child<QLabel>("pressureNote")->text().contains(QStringLiteral("kPa")));

    // The calculator's pressure arrives meanwhile and is kept for later.
    window_->setAtmosphere(12.0);
    EXPECT_DOUBLE_EQ(window_->chart()->atmosphere(), site.psia);
    window_->closeWeatherFile();
    EXPECT_DOUBLE_EQ(window_->chart()->atmosphere(), 12.0);
    EXPECT_TRUE(child<QLabel>("pressureNote")->text().isEmpty());
    EXPECT_EQ(panel().countsTable()->rowCount(), 0);
}

TEST_F(WeatherViewTest, ACsvFileSaysOnceWhereTheChartsPressureComesFrom) {
    struct Case {
        const char* text;
        const char* note; // how the note begins
    };
    const Case cases[] = {
        // No elevation, no pressure: the hours are at the calculator's.
        {"timestamp,dry_bulb_C,relative_humidity_pct\n"
         "2021-07-01 13:00,28,45\n2021-07-01 14:00,29,42\n",
         "Chart at 13.50 psia, the calculator's pressure: the file gives no elevation and no "
         "pressure"},
        // Pressures of its own: their median, 98.0 kPa = 14.21 psia.
        {"timestamp,dry_bulb_C,relative_humidity_pct,pressure_kPa\n"
         "2021-07-01 13:00,28,45,97.9\n2021-07-01 14:00,29,42,98.0\n"
         "2021-07-01 15:00,30,40,98.1\n",
         "Chart at 14.21 psia, the median pressure of the file's hours: the file gives no "
         "elevation."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        ASSERT_TRUE(window_->openWeatherFile(write(QStringLiteral("hours.csv"), c.text)));
        const QString note = child<QLabel>("pressureNote")->text();
        EXPECT_TRUE(note.startsWith(QString::fromUtf8(c.note))) << note.toStdString();
        EXPECT_FALSE(child<QLabel>("weatherFile")->text().contains(QStringLiteral("Chart at")));
        // The report's heading says it once too.
        EXPECT_EQ(panel().summaryLines().join(QLatin1Char(' ')).count(QStringLiteral("Chart at")),
                  1);
        EXPECT_FALSE(note.contains(QStringLiteral("station"))) << note.toStdString();
    }
}

TEST_F(WeatherViewTest, TheViewGrowsToHoldEveryHour) {
    // Chicago's winter reaches well below the usual chart's 30 °F edge.
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    const weather::WeatherFile file =
        weather::LoadWeatherFile(td::kChicagoEpw, basPsychroFun::units::kAtmospherePsia);
    const ChartRange view = window_->chart()->viewRange();
    for (const weather::Hour& hour : file.hours)
        ASSERT_TRUE(view.contains(hour.dryBulbF, hour.humidityRatio))
            << hour.dryBulbF << " °F " << hour.humidityRatio;
    EXPECT_LT(view.tMinF, 0.0);
}

TEST_F(WeatherViewTest, FilesThatCannotBeShownLeaveTheChartAsItWas) {
    const QString notWeather = write(QStringLiteral("notes.csv"), "just,some\ntext,here\n");
    const std::vector<std::string> lines = td::SplitLines(td::ReadChicago());
    const QString noHours =
        write(QStringLiteral("empty.epw"), td::JoinLines({lines.begin(), lines.begin() + 8}));
    for (const QString& path :
         {notWeather, noHours, dir_.filePath(QStringLiteral("missing.epw")), dir_.path()}) {
        SCOPED_TRACE(path.toStdString());
        const QImage before = window_->chart()->toImage(QSize(400, 300));
        QString error;
        EXPECT_FALSE(window_->openWeatherFile(path, &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(panel().hasWeather());
        EXPECT_EQ(child<QLabel>("weatherMessage")->text(), error);
        EXPECT_DOUBLE_EQ(window_->chart()->atmosphere(), kCalculatorPsia);
        EXPECT_EQ(window_->chart()->toImage(QSize(400, 300)), before);
    }
    // A failed open after a good one keeps the good one.
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    EXPECT_FALSE(window_->openWeatherFile(notWeather));
    EXPECT_TRUE(panel().hasWeather());
}

TEST_F(WeatherViewTest, DamagedRowsAreSkippedAndSaidSo) {
    std::vector<std::string> lines = td::SplitLines(td::ReadChicago());
    // EPW field 8 is the dew point; rows start after 8 header lines.
    for (std::size_t row : {20u, 500u, 4000u})
        lines[8 + row] = td::WithField(lines[8 + row], 7, "");
    lines[8 + 6000] = "garbage";
    ASSERT_TRUE(
        window_->openWeatherFile(write(QStringLiteral("damaged.epw"), td::JoinLines(lines))));
    const QString skips = child<QLabel>("skippedRows")->text();
    EXPECT_TRUE(skips.contains(QStringLiteral("3 hours skipped: missing dew point")))
        << skips.toStdString();
    EXPECT_TRUE(skips.contains(QStringLiteral("1 hour skipped"))) << skips.toStdString();
    EXPECT_EQ(count(QStringLiteral("Hours read")), 8756.0);
}

TEST_F(WeatherViewTest, ExportsTheStatisticsAndTheReport) {
    const QString csvPath = dir_.filePath(QStringLiteral("stats.csv"));
    const QString pdfPath = dir_.filePath(QStringLiteral("report.pdf"));
    EXPECT_FALSE(window_->exportStatisticsCsv(csvPath)); // nothing to export yet
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    child<QCheckBox>("dataRoomZone")->setChecked(true);
    child<QComboBox>("hoursDisplay")->setCurrentIndex(1);

    ASSERT_TRUE(window_->exportStatisticsCsv(csvPath));
    QFile csv(csvPath);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.value(0), QStringLiteral("Statistic,Hours,Share of filtered hours (%)"));
    EXPECT_EQ(lines.value(1), QStringLiteral("Hours read,8760,"));
    const std::size_t dataRoom = LibraryCount({}, processes::DataRoomEnvelope());
    EXPECT_TRUE(
        lines.contains(QStringLiteral("In data-room envelope,%1,%2")
                           .arg(dataRoom)
                           .arg(100.0 * static_cast<double>(dataRoom) / 8760.0, 0, 'f', 1)));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Condition,Quantity,From the hours,From the file header")));
    // The header's heating 99.6 % is -20.0 °C = -4.0 °F.
    EXPECT_TRUE(lines.filter(QStringLiteral("Heating 99.6 %,Dry bulb (°F),"))
                    .value(0)
                    .endsWith(QStringLiteral(",-4.0")));

    ASSERT_TRUE(window_->exportReportPdf(pdfPath));
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_GT(pdf.size(), 10000);
    EXPECT_TRUE(pdf.read(4) == "%PDF");
    // A place that cannot be written is a failure, not a success.
    EXPECT_FALSE(window_->exportReportPdf(dir_.filePath(QStringLiteral("no/such/dir/r.pdf"))));
}

TEST_F(WeatherViewTest, HoursAndZonesAreDrawnAsLayers) {
    const QImage empty = window_->chart()->toImage(QSize(900, 600));
    ASSERT_TRUE(window_->openWeatherFile(QString::fromUtf8(td::kChicagoEpw)));
    // The weather's hours and zones, the state-point project and the air
    // handler.
    EXPECT_EQ(window_->chart()->layers().size(), 4u);
    window_->setAtmosphere(14.696); // only the site's pressure changes the picture
    window_->chart()->setAtmosphere(14.696);
    const QImage shaded = window_->chart()->toImage(QSize(900, 600));
    EXPECT_NE(shaded, empty);
    child<QComboBox>("hoursDisplay")->setCurrentIndex(1);
    const QImage dots = window_->chart()->toImage(QSize(900, 600));
    EXPECT_NE(dots, shaded);
    // A month's dots are in its colour: July's somewhere, not when filtered out.
    const auto hasColour = [](const QImage& image, QColor colour) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(dots, MonthColour(7)));
    child<QCheckBox>("month7")->setChecked(false);
    // The legend keeps a swatch: count the colour's pixels instead.
    const auto countColour = [](const QImage& image, QColor colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    };
    EXPECT_LT(countColour(window_->chart()->toImage(QSize(900, 600)), MonthColour(7)),
              countColour(dots, MonthColour(7)) / 4);

    // A user zone with limits that contradict each other is not drawn.
    child<QCheckBox>("userZone")->setChecked(true);
    const auto zones = window_->chart()->layers().size();
    EXPECT_EQ(zones, 4u);
    EXPECT_EQ(panel().shownZones().size(), 1u);
    window_->findChild<QLineEdit*>(QStringLiteral("userField0"))->setText(QStringLiteral("90"));
    EXPECT_TRUE(panel().shownZones().empty());
    EXPECT_FALSE(child<QLabel>("userZoneProblem")->text().isEmpty());
    window_->findChild<QLineEdit*>(QStringLiteral("userField0"))->setText(QStringLiteral("abc"));
    EXPECT_TRUE(panel().shownZones().empty());
    window_->findChild<QLineEdit*>(QStringLiteral("userField0"))->clear();
    EXPECT_EQ(panel().shownZones().size(), 1u);
}
