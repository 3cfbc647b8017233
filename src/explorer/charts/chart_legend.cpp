// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/chart_legend.h"

#include <QAbstractSeries>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>

#include <cmath>

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
    case QScatterSeries::MarkerShapePentagon:
    case QScatterSeries::MarkerShapeStar: {
        const bool star = marker == QScatterSeries::MarkerShapeStar;
        const int corners = star ? 10 : 5;
        for (int k = 0; k < corners; ++k) {
            const qreal radius = star && k % 2 == 1 ? r * 0.45 : r;
            const qreal angle = -M_PI / 2 + 2 * M_PI * k / corners;
            const QPointF corner(at.x() + radius * std::cos(angle), at.y() + radius * std::sin(angle));
            k == 0 ? path.moveTo(corner) : path.lineTo(corner);
        }
        path.closeSubpath();
        break;
    }
    default: path.addEllipse(at, r, r); break;
    }
    painter.drawPath(path);
}

// One legend entry, as a screen reader sees it: a check box that has no
// widget of its own.
class EntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntryAccessible(ChartLegend* legend, std::size_t entry) : legend_(legend), entry_(entry) {}

    bool isValid() const override { return legend_ && entry_ < legend_->Entries().size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return legend_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(legend_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    QString text(QAccessible::Text kind) const override
    {
        const ChartLegend::Entry& entry = legend_->Entries()[entry_];
        return kind == QAccessible::Name ? entry.text : kind == QAccessible::Description ? entry.tip : QString();
    }

    QRect rect() const override
    {
        const QRect local = legend_->EntryRect(entry_);
        return {legend_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = true;
        state.checked = legend_->Shown(entry_);
        state.focusable = true;
        state.focused = legend_->hasFocus() && legend_->Focused() == entry_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }

    void doAction(const QString& name) override
    {
        if (name == toggleAction() && isValid())
            legend_->Toggle(entry_);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {QStringLiteral("Space")}; }

private:
    QPointer<ChartLegend> legend_;
    std::size_t entry_;
};

// The legend, with its entries as children. Each entry's interface is made
// when first asked for and kept, registered, as long as the legend lives.
class LegendAccessible : public QAccessibleWidget {
public:
    explicit LegendAccessible(ChartLegend* legend) : QAccessibleWidget(legend, QAccessible::List) {}

    ~LegendAccessible() override
    {
        for (const QAccessible::Id id : children_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(Legend()->Entries().size()); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (children_.size() <= static_cast<std::size_t>(index))
            children_.push_back(QAccessible::registerAccessibleInterface(new EntryAccessible(Legend(), children_.size())));
        return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return Legend()->hasFocus() ? child(static_cast<int>(Legend()->Focused())) : nullptr;
    }

private:
    ChartLegend* Legend() const { return static_cast<ChartLegend*>(widget()); }

    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* LegendFactory(const QString&, QObject* object)
{
    auto* legend = dynamic_cast<ChartLegend*>(object);
    return legend ? new LegendAccessible(legend) : nullptr;
}

// Tells a screen reader what happened to one entry.
void Announce(std::size_t entry, QAccessibleEvent&& event)
{
    event.setChild(static_cast<int>(entry));
    QAccessible::updateAccessibility(&event);
}

}  // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent)
{
    static const bool kFactoryInstalled = (QAccessible::installFactory(LegendFactory), true);
    (void)kFactoryInstalled;
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAccessibleName(tr("Legend: Space shows or hides the series under focus, arrows move"));
}

void ChartLegend::SetEntries(std::vector<Entry> entries)
{
    entries_ = std::move(entries);
    focused_ = 0;
    textRects_ = Layout(width());
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
    QAccessibleEvent reordered(this, QAccessible::ObjectReorder);  // a screen reader reads the entries anew
    QAccessible::updateAccessibility(&reordered);
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
        const bool shown = Shown(i);
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

QRect ChartLegend::EntryRect(std::size_t entry) const
{
    return textRects_[entry].adjusted(-kSample - kGap, 0, 0, 0);
}

bool ChartLegend::Shown(std::size_t entry) const
{
    const std::vector<QAbstractSeries*>& series = entries_[entry].series;
    return series.empty() || series.front()->isVisible();
}

void ChartLegend::Toggle(std::size_t entry)
{
    for (QAbstractSeries* series : entries_[entry].series)
        series->setVisible(!series->isVisible());
    update();
    QAccessible::State checked;
    checked.checked = true;
    Announce(entry, QAccessibleStateChangeEvent(this, checked));
}

void ChartLegend::Focus(std::size_t entry)
{
    focused_ = entry;
    update();
    if (hasFocus())
        Announce(entry, QAccessibleEvent(this, QAccessible::Focus));
}

void ChartLegend::mousePressEvent(QMouseEvent* event)
{
    for (std::size_t i = 0; i < textRects_.size(); ++i) {
        if (EntryRect(i).contains(event->position().toPoint())) {
            Focus(i);
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
    case Qt::Key_Down: Focus(std::min(focused_ + 1, entries_.size() - 1)); break;
    case Qt::Key_Up: Focus(focused_ > 0 ? focused_ - 1 : 0); break;
    default: return QWidget::keyPressEvent(event);
    }
}

bool ChartLegend::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        for (std::size_t i = 0; i < textRects_.size(); ++i)
            if (EntryRect(i).contains(help->pos()) && !entries_[i].tip.isEmpty())
                return QToolTip::showText(help->globalPos(), entries_[i].tip, this), true;
        QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace sentinel
