#include "chart/ChartWindow.h"

#include "settings/SettingsStore.h"

#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QByteArray>
#include <QHideEvent>
#include <QVBoxLayout>

namespace chart {

namespace {

// Without a class of their own, both would be announced as a bare "filler":
// the window is a window, the chart a chart.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("chart::ChartWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("chart::PsychroChart"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

void installChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&chartAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

ChartWindow::ChartWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    installChartAccessible();
    setWindowTitle(QStringLiteral("Psychrometric Chart"));
    chart_ = new PsychroChart(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_);
    connect(chart_, &PsychroChart::pointPicked, this, &ChartWindow::pointPicked);
    resize(chart_->sizeHint());

    // Escape puts the window away as its close button does.
    auto* putAway = new QAction(this);
    putAway->setShortcut(Qt::Key_Escape);
    putAway->setShortcutContext(Qt::WindowShortcut);
    addAction(putAway);
    connect(putAway, &QAction::triggered, this, &QWidget::hide);

    applyAccessibleTexts();
}

void ChartWindow::applyAccessibleTexts() {
    setAccessibleDescription(
        QStringLiteral("The psychrometric chart of the calculator's state. "
                       "Escape hides it; F2 in the calculator shows it again."));
    QString description =
        QStringLiteral("Chart of moist air at the calculator's atmospheric pressure, with the "
                       "computed state marked. Hovering the mouse over it shows the properties "
                       "of the point under the pointer; a double click enters that point into "
                       "the calculator as dry bulb temperature and humidity ratio. The wheel "
                       "zooms.");
    // The keys as this desktop binds them (Save As has none on some).
    const std::pair<const QAction*, const char*> keys[] = {
        {chart_->resetZoomAction(), "resets the zoom"},
        {chart_->copyAction(), "copies the chart"},
        {chart_->saveAsAction(), "saves it to a file"}};
    for (const auto& [action, what] : keys) {
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        if (!key.isEmpty())
            description += QStringLiteral(" %1 %2.").arg(key, QLatin1String(what));
    }
    chart_->setAccessibleName(QStringLiteral("Psychrometric chart"));
    chart_->setAccessibleDescription(description);
}

ChartWindow::~ChartWindow() {
    // Destroyed with its owner while open: hideEvent would no longer reach
    // this class, so keep the geometry here.
    if (isVisible())
        storeGeometry();
}

void ChartWindow::setVisible(bool visible) {
    if (visible && !restored_) {
        restored_ = true;
        restoreStoredGeometry();
    }
    QWidget::setVisible(visible);
}

void ChartWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        storeGeometry();
}

void ChartWindow::restoreStoredGeometry() {
    const QString text = settings::GetSetting(kGeometryKey, QString());
    if (text.isEmpty())
        return;
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    // Anything that is not a geometry this program saved leaves the default.
    if (decoded)
        restoreGeometry(*decoded);
}

void ChartWindow::storeGeometry() const {
    settings::SaveSetting(kGeometryKey, QString::fromLatin1(saveGeometry().toBase64()));
}

} // namespace chart
