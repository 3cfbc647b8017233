#include "explorer/charts/chart_legend.h"

#include <QAbstractSeries>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

namespace sentinel {
namespace {

constexpr int kSample = 34;  // the width of a line's sample
constexpr int kGap = 6;
constexpr int kMargin = 6;

void DrawMarker(QPainter& painter, QScatterSeries::MarkerShape marker, QPointF at, const QColor& colour)
{
    constexpr qreal r = 4.5;
    painter.setPen(QPen(colour, 1));
    painter.setBrush(colour);
    QPainterPath path;
    switch (marker) {
    case QScatterSeries::MarkerShapeRectangle: path.addRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
        path.moveTo(at.x(), at.y() - r), path.lineTo(at.x() + r, at.y()), path.lineTo(at.x(), at.y() + r);
        path.lineTo(at.x() - r, at.y()), path.closeSubpath();
        break;
    case QScatterSeries::MarkerShapeTriangle:
        path.moveTo(at.x(), at.y() - r), path.lineTo(at.x() + r, at.y() + r), path.lineTo(at.x() - r, at.y() + r);
        path.closeSubpath();
        break;
    default: path.addEllipse(at, r, r); break;
    }
    painter.drawPath(path);
}

}  // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(QStringLiteral("Legend: Space shows or hides the series under focus, arrows move"));
}

void ChartLegend::SetEntries(std::vector<Entry> entries)
{
    entries_ = std::move(entries);
    focused_ = 0;
    textRects_ = Layout(width());
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

std::vector<QRect> ChartLegend::Layout(int width) const
{
    std::vector<QRect> rects;
    const int textWidth = std::max(40, width - 2 * kMargin - kSample - kGap);
    int y = kMargin;
    for (const Entry& entry : entries_) {
        const QRect bounds = fontMetrics().boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, entry.text);
        rects.emplace_back(kMargin + kSample + kGap, y, textWidth, bounds.height());
        y += bounds.height() + kGap;
    }
    return rects;
}

int ChartLegend::heightForWidth(int width) const
{
    const std::vector<QRect> rects = Layout(width);
    return rects.empty() ? 2 * kMargin : rects.back().bottom() + kMargin;
}

QSize ChartLegend::sizeHint() const
{
    return {260, heightForWidth(260)};
}

void ChartLegend::Render(QPainter& painter, int width) const
{
    const std::vector<QRect> rects = Layout(width);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        const bool shown = entry.series.empty() || entry.series.front()->isVisible();
        const QRect& text = rects[i];
        const int middle = text.top() + fontMetrics().height() / 2;
        painter.setOpacity(shown ? 1 : 0.35);
        if (entry.fill.isValid())
            painter.fillRect(QRect(kMargin, middle - 5, kSample, 10), entry.fill);
        if (entry.pen.style() != Qt::NoPen) {
            painter.setPen(entry.pen);
            painter.drawLine(kMargin, middle, kMargin + kSample, middle);
        }
        if (entry.marker)
            DrawMarker(painter, *entry.marker, QPointF(kMargin + kSample / 2.0, middle), entry.pen.color());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(text, Qt::TextWordWrap, entry.text);
        if (hasFocus() && i == focused_) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(text.adjusted(-2, -1, 1, 1));
        }
    }
    painter.setOpacity(1);
}

void ChartLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Render(painter, width());
}

void ChartLegend::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    textRects_ = Layout(width());
    setMinimumHeight(heightForWidth(width()));  // the scroll area around it scrolls rather than cuts
}

void ChartLegend::Toggle(std::size_t entry)
{
    for (QAbstractSeries* series : entries_[entry].series)
        series->setVisible(!series->isVisible());
    update();
}

void ChartLegend::mousePressEvent(QMouseEvent* event)
{
    for (std::size_t i = 0; i < textRects_.size(); ++i) {
        if (textRects_[i].adjusted(-kSample - kGap, 0, 0, 0).contains(event->position().toPoint())) {
            focused_ = i;
            Toggle(i);
        }
    }
}

void ChartLegend::keyPressEvent(QKeyEvent* event)
{
    if (entries_.empty())
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Space: Toggle(focused_); break;
    case Qt::Key_Down: focused_ = std::min(focused_ + 1, entries_.size() - 1); break;
    case Qt::Key_Up: focused_ = focused_ > 0 ? focused_ - 1 : 0; break;
    default: return QWidget::keyPressEvent(event);
    }
    update();
}

bool ChartLegend::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (std::size_t i = 0; i < textRects_.size(); ++i)
            if (textRects_[i].adjusted(-kSample - kGap, 0, 0, 0).contains(help->pos()) && !entries_[i].tip.isEmpty())
                return QToolTip::showText(help->globalPos(), entries_[i].tip, this), true;
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace sentinel
