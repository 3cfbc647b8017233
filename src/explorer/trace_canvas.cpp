#include "explorer/trace_canvas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

const QColor kFits(46, 160, 67);
const QColor kDropped(207, 34, 46);

constexpr int kMargin = 14;
constexpr int kGap = 8;
constexpr int kPadding = 8;

// One cell: a key above, what it belongs to below.
struct Cell {
    QString key;
    QString below;
    QColor fill;
    QColor outline;
};

}  // namespace

void TraceCanvas::Show(const StepThrough* run, std::size_t events)
{
    run_ = run;
    events_ = run ? std::min(events, run->Events()) : 0;
    frame_ = run ? run->At(events_) : StepThrough::Frame{};
    setMinimumHeight(Draw(nullptr));
    update();
}

std::vector<Text> TraceCanvas::ListedTexts() const
{
    std::vector<Text> texts;
    for (std::size_t k = 1; k + 1 < frame_.list.size(); ++k)
        texts.push_back(run_->EntryText(frame_.list[k]));
    return texts;
}

void TraceCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(&painter);
}

void TraceCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setMinimumHeight(Draw(nullptr));
}

int TraceCanvas::Draw(QPainter* painter) const
{
    const QPalette& colours = palette();
    QFont bold = font();
    bold.setBold(true);
    QFont large = font();
    large.setPointSizeF(font().pointSizeF() * 1.25);
    const QFontMetrics plain(font());
    const QFontMetrics strong(bold);
    const int lineHeight = plain.height();
    int y = kMargin;

    const auto text = [&](const QFont& f, const QColor& colour, const QString& line) {
        if (painter) {
            painter->setFont(f);
            painter->setPen(colour);
            painter->drawText(kMargin, y + QFontMetrics(f).ascent(),
                              QFontMetrics(f).elidedText(line, Qt::ElideRight, width() - 2 * kMargin));
        }
        y += QFontMetrics(f).height() + kGap;
    };
    if (!run_) {
        text(font(), colours.color(QPalette::PlaceholderText), tr("Choose a list and a routine, then Load."));
        return y;
    }
    const bool paired = IsPaired(run_->Input().routine);
    const auto belowOf = [&](std::int32_t entry) {
        if (entry <= 0)
            return ToQString(run_->EntryText(entry));
        if (paired)
            return ToQString(TextOf(run_->Input().companion[static_cast<std::size_t>(entry - 1)]));
        const QString shown = ToQString(run_->EntryText(entry));
        return shown == ToQString(run_->KeyText(entry)) ? QString() : shown;
    };
    // Lays out cells left to right, wrapping; returns the rectangles.
    const auto flow = [&](const std::vector<Cell>& cells) {
        std::vector<QRect> boxes;
        int x = kMargin;
        const int cellHeight = 2 * lineHeight + 2 * kPadding;
        for (const Cell& cell : cells) {
            const int w = std::max(strong.horizontalAdvance(cell.key), plain.horizontalAdvance(cell.below)) + 2 * kPadding;
            if (x > kMargin && x + w > width() - kMargin) {
                x = kMargin;
                y += cellHeight + 2 * kGap;
            }
            boxes.emplace_back(x, y, w, cellHeight);
            x += w + kGap;
        }
        if (painter) {
            for (std::size_t i = 0; i < cells.size(); ++i) {
                painter->setPen(QPen(cells[i].outline, cells[i].outline == colours.color(QPalette::Mid) ? 1 : 2.5));
                painter->setBrush(cells[i].fill);
                painter->drawRoundedRect(boxes[i], 5, 5);
                painter->setPen(colours.color(QPalette::Text));
                painter->setFont(bold);
                painter->drawText(boxes[i].adjusted(0, kPadding, 0, 0), Qt::AlignHCenter | Qt::AlignTop, cells[i].key);
                painter->setFont(font());
                painter->setPen(colours.color(QPalette::PlaceholderText));
                painter->drawText(boxes[i].adjusted(0, 0, 0, -kPadding), Qt::AlignHCenter | Qt::AlignBottom,
                                  cells[i].below);
            }
        }
        y += (cells.empty() ? 0 : cellHeight) + 2 * kGap;
        return boxes;
    };

    // The entry being placed.
    const TraceEvent* last = frame_.last;
    if (frame_.entry > 0 && !Finished()) {
        QString line = tr("Entry %1 of %2: %3, key %4")
                           .arg(frame_.entry)
                           .arg(run_->Input().entries.size())
                           .arg(ToQString(run_->EntryText(frame_.entry)), ToQString(run_->KeyText(frame_.entry)));
        if (paired)
            line += tr(", with %1").arg(belowOf(frame_.entry));
        text(bold, colours.color(QPalette::Text), line);
    } else {
        text(bold, colours.color(QPalette::Text),
             Finished() ? tr("Done: the sentinels are removed.") : tr("The list starts with its two sentinels."));
    }

    // The list being built.
    const bool tested = last && last->kind == TraceEvent::Kind::Tested;
    const bool placed = last && last->kind == TraceEvent::Kind::Placed;
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < frame_.list.size(); ++k) {
        const std::int32_t entry = frame_.list[k];
        if (Finished() && entry <= 0)
            continue;  // the sentinels are gone from the result
        Cell cell{ToQString(run_->KeyText(entry)), belowOf(entry), colours.color(QPalette::Base), colours.color(QPalette::Mid)};
        if (entry <= 0)
            cell.fill = colours.color(QPalette::AlternateBase);
        const bool neighbour = tested && (static_cast<int>(k) == last->at - 1 || static_cast<int>(k) == last->at);
        if (neighbour)
            cell.outline = last->fits ? kFits : colours.color(QPalette::Highlight);
        if (placed && static_cast<int>(k) == last->at) {
            cell.outline = kFits;
            cell.fill = QColor(kFits.red(), kFits.green(), kFits.blue(), 60);
        }
        cells.push_back(cell);
    }
    const std::vector<QRect> boxes = flow(cells);
    if (painter && tested) {
        // A marker in the gap under test.
        const QRect& left = boxes[static_cast<std::size_t>(last->at - 1)];
        const QRect& right = boxes[static_cast<std::size_t>(last->at)];
        const QPoint gap = left.top() == right.top() ? QPoint((left.right() + right.left()) / 2, left.top())
                                                     : QPoint(left.right() + kGap / 2, left.top());
        painter->setPen(QPen(last->fits ? kFits : colours.color(QPalette::Highlight), 3));
        painter->drawLine(gap + QPoint(0, -kGap), gap + QPoint(0, left.height() + kGap));
    }

    // The test written out, or what happened to the entry.
    QString outcome = Finished() ? QString() : ToQString(frame_.test);
    if (placed && !Finished())
        outcome = tr("Inserted after position %1.").arg(last->at);
    else if (last && last->kind == TraceEvent::Kind::Dropped && !Finished())
        outcome = tr("Dropped: %1.").arg(ToQString(frame_.dropped.back().reason));
    text(large, last && last->kind == TraceEvent::Kind::Dropped ? kDropped : colours.color(QPalette::Text), outcome);

    // The dropped lane.
    text(bold, colours.color(QPalette::Text), tr("Dropped (%1)").arg(frame_.dropped.size()));
    std::vector<Cell> dropped;
    for (const StepThrough::Dropped& entry : frame_.dropped)
        dropped.push_back({ToQString(run_->KeyText(entry.entry)), ToQString(entry.reason), colours.color(QPalette::Base), kDropped});
    flow(dropped);

    if (Finished()) {
        const auto joined = [](const std::vector<Text>& texts) {
            QStringList list;
            for (const Text& t : texts)
                list.append(ToQString(t));
            return list.join(QStringLiteral(" | "));
        };
        const bool identical = run_->Result() == run_->StableResult();
        text(font(), colours.color(QPalette::Text), tr("Result:       %1").arg(joined(run_->Result())));
        text(font(), colours.color(QPalette::Text), tr("Stable sort: %1").arg(joined(run_->StableResult())));
        text(bold, identical ? kFits : kDropped,
             identical ? tr("\u2713 identical to the standard stable sort") : tr("\u2717 differs from the stable sort"));
    }
    return y + kMargin;
}

}  // namespace sentinel
