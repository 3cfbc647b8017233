// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/charts/chart_panel.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QScrollArea>
#include <QWheelEvent>
#include <QXYSeries>

#include <algorithm>

#include "explorer/charts/chart_axes.h"
#include "explorer/charts/chart_legend.h"

namespace sentinel {
namespace {

constexpr int kLegendWidth = 250;
constexpr int kWideEnough = 760;  // below this the legend goes under the chart

// A chart view that the wheel zooms, about the middle of the plot.
class ZoomingView : public QChartView {
public:
    using QChartView::QChartView;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        if (event->angleDelta().y() == 0)
            return QChartView::wheelEvent(event);
        chart()->zoom(event->angleDelta().y() > 0 ? 1.25 : 0.8);
        event->accept();
    }
};

}  // namespace

ChartPanel::ChartPanel(const QString& title, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), chart_(new QChart), view_(new ZoomingView(chart_)), legend_(new ChartLegend),
      legendArea_(new QScrollArea), note_(new QLabel), layout_(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignCenter);
    note_->setMargin(24);
    note_->hide();
    chart_->setTitle(title);
    chart_->legend()->hide();  // the panel's own legend shows line styles and never cuts an entry
    chart_->setAnimationOptions(QChart::NoAnimation);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setRubberBand(QChartView::RectangleRubberBand);  // a drag zooms to its rectangle, a right click out
    auto* reset = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { chart_->zoomReset(); });
    reset->setContext(Qt::WidgetWithChildrenShortcut);
    view_->setAccessibleName(accessibleName);
    // One Tab stop a chart: its legend, which the keys act on; not the view or the scrolling around it.
    for (QAbstractScrollArea* area : {static_cast<QAbstractScrollArea*>(view_), static_cast<QAbstractScrollArea*>(legendArea_)}) {
        area->setFocusPolicy(Qt::NoFocus);
        area->viewport()->setFocusPolicy(Qt::NoFocus);
    }
    legendArea_->setWidget(legend_);
    legendArea_->setWidgetResizable(true);
    legendArea_->setFrameShape(QFrame::NoFrame);
    legendArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(view_, 1);
    layout_->addWidget(legendArea_);
    layout_->addWidget(note_, 1);
}

void ChartPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const bool wide = width() >= kWideEnough;
    layout_->setDirection(wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    const int below = std::max(80, height() / 3);
    legendArea_->setMinimumSize(wide ? kLegendWidth : 0, wide ? 0 : below);
    legendArea_->setMaximumSize(wide ? kLegendWidth : QWIDGETSIZE_MAX, wide ? QWIDGETSIZE_MAX : below);
}

void ChartPanel::ShowNote(const QString& note)
{
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
    view_->setVisible(note.isEmpty());
    legendArea_->setVisible(note.isEmpty());
}

QString ChartPanel::Note() const
{
    return note_->text();
}

void ChartPanel::Describe()
{
    if (!note_->text().isEmpty())
        return view_->setAccessibleDescription(note_->text());
    QStringList across, up;
    for (const QAbstractAxis* axis : chart_->axes())
        (axis->orientation() == Qt::Horizontal ? across : up) << axis->titleText();
    QStringList parts = {chart_->title(), QObject::tr("%1 against %2").arg(up.join(QObject::tr(" and ")), across.join(QObject::tr(" and ")))};
    for (const ChartLegend::Entry& entry : legend_->Entries()) {
        QString part = QString(entry.text).replace(QChar(0x00A0), QLatin1Char(' ')).remove(QChar(0x2060));
        // The entry's first line or markers: a band or far repetitions come after.
        const auto drawn = std::find_if(entry.series.begin(), entry.series.end(), [](QAbstractSeries* series) {
            const auto* points = qobject_cast<QXYSeries*>(series);
            return points && points->count() > 0;
        });
        if (drawn != entry.series.end())
            part += QStringLiteral(": ") + PointsText(*qobject_cast<QXYSeries*>(*drawn));
        parts << part;
    }
    view_->setAccessibleDescription(parts.join(QStringLiteral(". ")));
}

QByteArray ChartPanel::Png() const
{
    const QPixmap chart = view_->grab();
    const int legendHeight = legend_->heightForWidth(kLegendWidth);
    QImage image(chart.width() + kLegendWidth, std::max(chart.height(), legendHeight), QImage::Format_ARGB32);
    image.fill(view_->palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, chart);
    painter.translate(chart.width(), 0);
    painter.setFont(legend_->font());
    legend_->Render(painter, kLegendWidth);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    image.save(&buffer, "PNG");
    return png;
}

}  // namespace sentinel
