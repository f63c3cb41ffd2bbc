#include "chart/PsychroChart.h"

#include "chart/ChartExport.h"
#include "chart/ChartPainter.h"

#include <algorithm>
#include <cmath>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace chart {

namespace {

// Each notch of the wheel (120 eighths of a degree) shows a fifth less.
constexpr double kZoomPerNotch = 0.8;

} // namespace

PsychroChart::PsychroChart(QWidget* parent) : QWidget(parent), range_(DefaultRange(units_)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::WheelFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);

    actions_.copy = new QAction(this);
    actions_.copy->setShortcut(QKeySequence::Copy);
    actions_.saveAs = new QAction(this);
    actions_.saveAs->setShortcut(QKeySequence::SaveAs);
    actions_.resetZoom = new QAction(this);
    actions_.resetZoom->setShortcut(Qt::Key_Home);
    for (QAction* action : {actions_.copy, actions_.saveAs, actions_.resetZoom}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(actions_.copy, &QAction::triggered, this, &PsychroChart::copyToClipboard);
    connect(actions_.saveAs, &QAction::triggered, this, &PsychroChart::saveAs);
    connect(actions_.resetZoom, &QAction::triggered, this, &PsychroChart::resetZoom);

    auto* styles = new QActionGroup(this);
    actions_.ashrae = styles->addAction(QString());
    actions_.mollier = styles->addAction(QString());
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        QAction* action = styleAction(style);
        action->setCheckable(true);
        action->setChecked(style == style_);
        connect(action, &QAction::triggered, this, [this, style] { setStyle(style); });
    }
    retranslate();
}

void PsychroChart::retranslate() {
    actions_.copy->setText(tr("&Copy"));
    actions_.saveAs->setText(tr("Save &As..."));
    actions_.resetZoom->setText(tr("&Reset Zoom"));
    actions_.ashrae->setText(tr("A&SHRAE Chart"));
    actions_.mollier->setText(tr("&Mollier h-x Diagram"));
}

void PsychroChart::setAtmosphere(double patmPsia) {
    if (patmPsia == patmPsia_ || (std::isnan(patmPsia) && std::isnan(patmPsia_)))
        return;
    patmPsia_ = patmPsia;
    invalidate();
}

void PsychroChart::setUnitSystem(UnitSystem units) {
    if (units == units_)
        return;
    units_ = units;
    range_ = DefaultRange(units_);
    invalidate();
}

void PsychroChart::setState(std::optional<StatePoint> state) {
    if (state == state_)
        return;
    state_ = state;
    invalidate();
}

void PsychroChart::setStyle(ChartStyle style) {
    styleAction(style)->setChecked(true);
    if (style == style_)
        return;
    style_ = style;
    invalidate();
    emit styleChanged(style_);
}

void PsychroChart::addLayer(const ChartLayer* layer, LayerPlace place) {
    if (layer == nullptr || std::ranges::find(layers_, layer) != layers_.end())
        return;
    if (place == LayerPlace::Bottom)
        layers_.insert(layers_.begin(), layer);
    else
        layers_.push_back(layer);
    invalidate();
}

void PsychroChart::removeLayer(const ChartLayer* layer) {
    if (std::erase(layers_, layer) > 0)
        invalidate();
}

void PsychroChart::setViewRange(const ChartRange& range) {
    const ChartRange limited = Limited(range);
    if (limited == range_)
        return;
    range_ = limited;
    invalidate();
}

void PsychroChart::resetZoom() {
    setViewRange(DefaultRange(units_));
}

void PsychroChart::zoomAt(QPointF pixel, double factor) {
    const ChartMapping m = mapping();
    const QPointF anchor = m.onPlot(pixel) ? m.toData(pixel) : m.toData(m.plot().center());
    setViewRange(ZoomedAbout(range_, anchor, factor));
}

ChartMapping PsychroChart::mapping() const {
    return ChartMapping(PlotRectFor(QRectF(rect()), QFontMetricsF(font(), this), style_), range_,
                        style_);
}

const ChartLines& PsychroChart::lines() const {
    return cache_.linesFor(ChartKey{patmPsia_, units_, range_});
}

ChartScene PsychroChart::scene() const {
    return ChartScene{&lines(), state_, layers_, nullptr, style_};
}

ExportStyle PsychroChart::exportStyle() const {
    return ExportStyle{font(), ColorsFor(palette()), logicalDpiY()};
}

QImage PsychroChart::toImage(QSize size) const {
    return RenderChartImage(scene(), exportStyle(), size.isValid() ? size : this->size());
}

void PsychroChart::paintForPrint(QPainter& painter, const QRectF& target, const QFont& font) const {
    PaintChartInto(painter, target, scene(), ExportStyle{font, PrintColors(), 96});
}

void PsychroChart::copyToClipboard() const {
    QApplication::clipboard()->setImage(toImage());
}

bool PsychroChart::saveTo(const QString& path) const {
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return SaveChartSvg(path, scene(), exportStyle(), size());
    return SaveChartPng(path, scene(), exportStyle(), size());
}

void PsychroChart::saveAs() {
    const QString png = tr("PNG image (*.png)");
    const QString svg = tr("SVG image (*.svg)");
    QString filter = png;
    QString path = QFileDialog::getSaveFileName(this, tr("Save Chart As"),
                                                ChartStyleTitle(style_) + QStringLiteral(".png"),
                                                png + QStringLiteral(";;") + svg, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!saveTo(path)) {
        QMessageBox::warning(
            this, tr("Save Chart As"),
            tr("The chart could not be saved to %1.").arg(QDir::toNativeSeparators(path)));
    }
}

QSize PsychroChart::sizeHint() const {
    return {900, 600};
}

QSize PsychroChart::minimumSizeHint() const {
    return {320, 220};
}

void PsychroChart::invalidate() {
    layerDirty_ = true;
    if (cursor_)
        updateHover(cursor_);
    update();
}

void PsychroChart::updateHover(std::optional<QPointF> pixel) {
    const ChartMapping m = mapping();
    if (pixel && m.onPlot(*pixel)) {
        cursor_ = pixel;
        const QPointF point = m.toData(*pixel);
        hover_ = ComputeReadout(point.x(), point.y(), patmPsia_, units_);
    } else {
        cursor_.reset();
        hover_.reset();
    }
}

void PsychroChart::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (layerDirty_ || layer_.size() != pixels) {
        layer_ = QPixmap(pixels);
        layer_.setDevicePixelRatio(ratio);
        QPainter painter(&layer_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font());
        PaintChart(painter, QRectF(rect()), scene(), ColorsFor(palette()));
        layerDirty_ = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, layer_);
    if (cursor_ && hover_) {
        painter.setRenderHint(QPainter::Antialiasing);
        PaintReadout(painter, QRectF(rect()), *cursor_, ReadoutText(*hover_, units_),
                     ColorsFor(palette()));
    }
}

void PsychroChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    invalidate();
}

void PsychroChart::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0) {
        event->ignore();
        return;
    }
    zoomAt(event->position(), std::pow(kZoomPerNotch, notches));
    event->accept();
}

void PsychroChart::mouseMoveEvent(QMouseEvent* event) {
    updateHover(event->position());
    update();
    QWidget::mouseMoveEvent(event);
}

void PsychroChart::leaveEvent(QEvent* event) {
    updateHover(std::nullopt);
    update();
    QWidget::leaveEvent(event);
}

void PsychroChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    const ChartMapping m = mapping();
    if (!m.onPlot(event->position()))
        return;
    const QPointF point = m.toData(event->position());
    const auto readout = ComputeReadout(point.x(), point.y(), patmPsia_, units_);
    if (readout && !readout->supersaturated)
        emit pointPicked(point.x(), point.y());
}

void PsychroChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(actions_.copy);
    menu.addAction(actions_.saveAs);
    menu.addSeparator();
    menu.addAction(actions_.resetZoom);
    menu.addSeparator();
    menu.addAction(actions_.ashrae);
    menu.addAction(actions_.mollier);
    menu.exec(event->globalPos());
}

void PsychroChart::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
        invalidate();
        break;
    case QEvent::LanguageChange:
        // The painted titles, scales, legend and readout speak the new
        // language at the next painting.
        retranslate();
        invalidate();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace chart
