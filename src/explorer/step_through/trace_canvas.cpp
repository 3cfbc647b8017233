// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/trace_canvas.h"

#include "explorer/step_through/code_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "explorer/shared/palette.h"

namespace sentinel {
namespace {

const QColor kDropped = DropColour();

constexpr int kGap = kTraceGap;
constexpr int kPadding = kTracePadding;

}  // namespace

TraceCanvas::TraceCanvas(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TraceCanvas::SetKeyHandler(std::function<bool(int key)> handle)
{
    handleKey_ = std::move(handle);
}

void TraceCanvas::SetQuestion(std::optional<std::size_t> chosenGap, const QString& prompt)
{
    scene_.chosenGap = chosenGap;
    scene_.prompt = prompt;
    Relayout();
}

void TraceCanvas::SetVerdict(const QString& verdict, bool right)
{
    scene_.verdict = verdict;
    scene_.verdictRight = right;
    Relayout();
}

void TraceCanvas::SetGapHandler(std::function<void(std::size_t gap)> picked)
{
    pickGap_ = std::move(picked);
}

std::optional<std::size_t> TraceCanvas::GapAt(QPoint point) const
{
    // The cell of the clicked row that the point is over or right of; the
    // gap on the side of its centre the point is on.
    std::optional<std::size_t> cell;
    for (std::size_t k = 0; k < layout_.listCount; ++k) {
        const QRect& box = layout_.cells[layout_.listFirst + k].box;
        const bool onRow = point.y() >= box.top() - kGap && point.y() <= box.bottom() + kGap;
        if (onRow && (!cell || point.x() >= box.left() - kGap))
            cell = k;
    }
    if (!cell || layout_.listCount < 2)
        return std::nullopt;
    const QRect& box = layout_.cells[layout_.listFirst + *cell].box;
    const std::size_t gap = point.x() < box.center().x() ? *cell : *cell + 1;
    return std::clamp<std::size_t>(gap, 1, layout_.listCount - 1);
}

void TraceCanvas::mousePressEvent(QMouseEvent* event)
{
    setFocus();
    if (const auto gap = scene_.chosenGap && pickGap_ ? GapAt(event->position().toPoint()) : std::nullopt)
        pickGap_(*gap);
    else
        QWidget::mousePressEvent(event);
}

void TraceCanvas::keyPressEvent(QKeyEvent* event)
{
    if (handleKey_ && event->modifiers() == Qt::NoModifier && handleKey_(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TraceCanvas::ShowFrame(std::shared_ptr<const StepThrough> run, std::size_t events)
{
    scene_.events = run ? std::min(events, run->Events()) : 0;
    scene_.frame = run ? run->At(scene_.events) : StepThrough::Frame{};
    scene_.footer = run && !scene_.caption.isEmpty() ? CountsLine(scene_.frame.counts, run->Predicted()) : QString();
    scene_.run = std::move(run);
    Relayout();
}

void TraceCanvas::SetCaption(const QString& caption)
{
    scene_.caption = caption;
    ShowFrame(scene_.run, scene_.events);
}

std::vector<Text> TraceCanvas::ListedTexts() const
{
    std::vector<Text> texts;
    for (std::size_t k = 1; k + 1 < scene_.frame.list.size(); ++k)
        texts.push_back(scene_.run->EntryText(scene_.frame.list[k]));
    return texts;
}

void TraceCanvas::Relayout()
{
    layout_ = LayOutTrace(scene_, font(), palette(), width());
    // What a screen reader reads of the canvas besides its name: the
    // outcome, then the line of the routine's code it is at.
    setAccessibleDescription(scene_.run ? layout_.outcome + QLatin1Char('\n') + SpokenCode(*scene_.run, scene_.events)
                                        : layout_.outcome);
    setMinimumHeight(layout_.height);
    update();
}

void TraceCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const TraceLayout::TextLine& line : layout_.lines) {
        painter.setFont(line.font);
        painter.setPen(line.colour);
        painter.drawText(line.box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line.text);
    }
    QFont bold = font();
    bold.setBold(true);
    for (const TraceLayout::Cell& cell : layout_.cells) {
        painter.setPen(QPen(cell.outline, cell.outlineWidth, cell.outlineStyle));
        painter.setBrush(cell.fill);
        painter.drawRoundedRect(cell.box, 5, 5);
        if (!cell.mark.isEmpty()) {
            painter.setPen(cell.outline);
            painter.setFont(font());
            painter.drawText(cell.box.adjusted(0, 1, -3, 0), Qt::AlignRight | Qt::AlignTop, cell.mark);
        }
        painter.setPen(palette().color(QPalette::Text));
        painter.setFont(bold);
        painter.drawText(cell.box.adjusted(0, kPadding, 0, 0), Qt::AlignHCenter | Qt::AlignTop, cell.key);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(cell.box.adjusted(0, 0, 0, -kPadding), Qt::AlignHCenter | Qt::AlignBottom, cell.below);
    }
    for (const TraceLayout::Bar& bar : layout_.bars) {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1));
        painter.setBrush(palette().color(QPalette::Base));
        painter.drawRect(bar.box);
        painter.fillRect(bar.filled, bar.dropped ? QBrush(kDropped, Qt::BDiagPattern) : QBrush(palette().color(QPalette::Highlight)));
        if (bar.dropped) {  // a second cue beside the colour: a cross at the top
            painter.setPen(QPen(kDropped, 2));
            painter.drawLine(bar.box.topLeft(), bar.box.topLeft() + QPoint(bar.box.width(), bar.box.width()));
            painter.drawLine(bar.box.topRight(), bar.box.topRight() + QPoint(-bar.box.width(), bar.box.width()));
        }
    }
    if (layout_.gapMarker) {
        painter.setPen(QPen(layout_.markerColour, 3, layout_.markerStyle));
        painter.drawLine(*layout_.gapMarker);
    }
    if (hasFocus()) {  // where the stepping keys go
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void TraceCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

}  // namespace sentinel
