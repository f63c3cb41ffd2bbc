#include "ChartWindow.h"

#include "SettingsStore.h"

#include <QByteArray>
#include <QHideEvent>
#include <QVBoxLayout>

namespace chart {

ChartWindow::ChartWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QStringLiteral("Psychrometric Chart"));
    chart_ = new PsychroChart(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_);
    connect(chart_, &PsychroChart::pointPicked, this, &ChartWindow::pointPicked);
    resize(chart_->sizeHint());
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
