// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/trace_layout.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>

#include "explorer/shared/palette.h"
#include "explorer/shared/routine_text.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

const QColor kFits = FitColour();
const QColor kDropped = DropColour();

constexpr int kMargin = kTraceMargin;
constexpr int kGap = kTraceGap;
constexpr int kPadding = kTracePadding;


// Lays out a frame from the top down.
class Builder {
public:
    using Cell = TraceLayout::Cell;

    Builder(const TraceScene& scene, const QFont& font, const QPalette& colours, int width)
        : scene_(scene), colours_(colours), font_(font), bold_(font), large_(font), plain_(font), width_(width),
          y_(kMargin)
    {
        bold_.setBold(true);
        large_.setPointSizeF(font.pointSizeF() * 1.25);
    }

    TraceLayout Build();

private:
    QColor Colour(QPalette::ColorRole role) const { return colours_.color(role); }
    void Line(const QFont& font, const QColor& colour, const QString& text);
    // Lays out cells left to right, wrapping; returns the index of the first.
    std::size_t Flow(std::vector<Cell> cells);
    Cell CellOf(const QString& key, const QString& below, const QColor& fill, const QColor& outline) const;
    QString BelowOf(std::int32_t entry) const;
    void Heading();
    void MarkGap(std::size_t first, std::size_t gap, const QColor& colour, Qt::PenStyle style);
    void List();
    void Outcome();
    void Strip();
    void DroppedLane();
    void Result();

    const TraceScene& scene_;
    const QPalette& colours_;
    QFont font_;
    QFont bold_;
    QFont large_;
    QFontMetrics plain_;
    int width_;
    int y_;
    TraceLayout layout_;
};

TraceLayout Builder::Build()
{
    if (!scene_.caption.isEmpty())
        Line(large_, Colour(QPalette::Text), scene_.caption);
    if (!scene_.run) {
        Line(font_, Colour(QPalette::PlaceholderText), QObject::tr("Choose a list and a routine, then Load."));
    } else {
        Heading();
        List();
        Outcome();
        Strip();
        DroppedLane();
        if (scene_.Finished())
            Result();
    }
    if (!scene_.footer.isEmpty())
        Line(font_, Colour(QPalette::Text), scene_.footer);
    layout_.height = y_ + kMargin;
    return std::move(layout_);
}

void Builder::Line(const QFont& font, const QColor& colour, const QString& text)
{
    const int width = std::max(width_ - 2 * kMargin, 100);
    const QRect wrapped = QFontMetrics(font).boundingRect(QRect(kMargin, y_, width, 1 << 20), Qt::TextWordWrap, text);
    layout_.lines.push_back({QRect(kMargin, y_, width, wrapped.height()), font, colour, text});
    y_ += wrapped.height() + kGap;
}

std::size_t Builder::Flow(std::vector<Cell> cells)
{
    const std::size_t first = layout_.cells.size();
    const QFontMetrics strong(bold_);
    const int cellHeight = 2 * plain_.height() + 2 * kPadding;
    int x = kMargin;
    for (Cell& cell : cells) {
        const int w = std::max(strong.horizontalAdvance(cell.key), plain_.horizontalAdvance(cell.below)) + 2 * kPadding;
        if (x > kMargin && x + w > width_ - kMargin) {
            x = kMargin;
            y_ += cellHeight + 2 * kGap;
        }
        cell.box = QRect(x, y_, w, cellHeight);
        x += w + kGap;
        layout_.cells.push_back(std::move(cell));
    }
    y_ += (cells.empty() ? 0 : cellHeight) + 2 * kGap;
    return first;
}

TraceLayout::Cell Builder::CellOf(const QString& key, const QString& below, const QColor& fill,
                                               const QColor& outline) const
{
    return {QRect(), key, below, fill, outline, outline == Colour(QPalette::Mid) ? 1.0 : 2.5, Qt::SolidLine, QString()};
}

QString Builder::BelowOf(std::int32_t entry) const
{
    const StepThrough& run = *scene_.run;
    if (entry <= 0)
        return ToQString(run.EntryText(entry));
    if (IsPaired(run.Input().routine))
        return ToQString(TextOf(run.Input().companion[static_cast<std::size_t>(entry - 1)]));
    const QString shown = ToQString(run.EntryText(entry));
    return shown == ToQString(run.KeyText(entry)) ? QString() : shown;
}

// The entry being placed.
void Builder::Heading()
{
    const StepThrough& run = *scene_.run;
    const StepThrough::Frame& frame = scene_.frame;
    if (frame.entry > 0 && !scene_.Finished()) {
        QString line = QObject::tr("Entry %1 of %2: %3, key %4")
                           .arg(frame.entry)
                           .arg(run.Input().entries.size())
                           .arg(ToQString(run.EntryText(frame.entry)), ToQString(run.KeyText(frame.entry)));
        if (IsPaired(run.Input().routine))
            line += QObject::tr(", with %1").arg(BelowOf(frame.entry));
        Line(bold_, Colour(QPalette::Text), line);
        if (scene_.chosenGap)
            Line(font_, Colour(QPalette::Text), scene_.prompt);
    } else {
        Line(bold_, Colour(QPalette::Text),
             scene_.Finished() ? QObject::tr("Done: the sentinels are removed.")
                                : QObject::tr("The list starts with its two sentinels."));
    }
}

// The list being built, with the neighbours under test outlined and a
// marker in the gap between them.
void Builder::List()
{
    const StepThrough::Frame& frame = scene_.frame;
    const TraceEvent* last = frame.last;
    const bool tested = last && last->kind == TraceEvent::Kind::Tested;
    const bool placed = last && last->kind == TraceEvent::Kind::Placed;
    const QColor testColour = tested && last->fits ? kFits : Colour(QPalette::Highlight);
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < frame.list.size(); ++k) {
        const std::int32_t entry = frame.list[k];
        if (scene_.Finished() && entry <= 0)
            continue;  // the sentinels are gone from the result
        Cell cell = CellOf(ToQString(scene_.run->KeyText(entry)), BelowOf(entry),
                           Colour(entry <= 0 ? QPalette::AlternateBase : QPalette::Base), Colour(QPalette::Mid));
        if (tested && (static_cast<int>(k) == last->at - 1 || static_cast<int>(k) == last->at))
            cell.outline = testColour, cell.outlineWidth = 2.5;
        if (placed && static_cast<int>(k) == last->at) {
            cell.outline = kFits, cell.outlineWidth = 2.5, cell.fill = PlacedFill(Colour(QPalette::Base));
            cell.mark = QStringLiteral("+");
        }
        cells.push_back(cell);
    }
    layout_.listCount = cells.size();
    const std::size_t first = layout_.listFirst = Flow(std::move(cells));
    if (tested)
        MarkGap(first, static_cast<std::size_t>(last->at), testColour, last->fits ? Qt::SolidLine : Qt::DashLine);
    else if (scene_.chosenGap)
        MarkGap(first, *scene_.chosenGap, Colour(QPalette::Highlight), Qt::DotLine);
}

// A marker in the gap between list cells gap - 1 and gap.
void Builder::MarkGap(std::size_t first, std::size_t gap, const QColor& colour, Qt::PenStyle style)
{
    const QRect& left = layout_.cells[first + gap - 1].box;
    const QRect& right = layout_.cells[first + gap].box;
    const QPoint top = left.top() == right.top() ? QPoint((left.right() + right.left()) / 2, left.top())
                                                 : QPoint(left.right() + kGap / 2, left.top());
    layout_.gapMarker = QLine(top + QPoint(0, -kGap), top + QPoint(0, left.height() + kGap));
    layout_.markerColour = colour;
    layout_.markerStyle = style;
}

// The test written out, or what happened to the entry.
void Builder::Outcome()
{
    const StepThrough::Frame& frame = scene_.frame;
    const TraceEvent* last = frame.last;
    const bool dropped = last && last->kind == TraceEvent::Kind::Dropped;
    QString outcome = scene_.Finished() ? QString() : ToQString(frame.test);
    if (last && last->kind == TraceEvent::Kind::Placed && !scene_.Finished())
        outcome = QObject::tr("Inserted into gap %1: it is list[%1] now.").arg(last->at);  // as the code counts
    else if (dropped && !scene_.Finished())
        outcome = QObject::tr("Dropped: %1.").arg(ToQString(frame.dropped.back().reason));
    Line(large_, dropped ? kDropped : Colour(QPalette::Text), outcome);
    layout_.outcome = outcome;
    if (!scene_.verdict.isEmpty() && !scene_.Finished()) {
        // A sentence a line, so that a narrow window shows all of it.
        const QStringList sentences = scene_.verdict.split(QStringLiteral(". "));
        for (qsizetype k = 0; k < sentences.size(); ++k)
            Line(bold_, scene_.verdictRight ? kFits : kDropped,
                 sentences[k] + (k + 1 < sentences.size() ? QStringLiteral(".") : QString()));
        layout_.outcome += QLatin1Char(' ') + scene_.verdict;
    }
    if (scene_.chosenGap)
        layout_.outcome = scene_.prompt;
}

// What the strip's bars add up to, by the law of the routine's scan.
QString StripTitle(ScanOrder scan)
{
    switch (scan) {
    case ScanOrder::FromHigh:
        return QObject::tr("Steps of each entry: 1 + the earlier entries with a larger key; a dropped entry tests every "
                           "position");
    case ScanOrder::Halving:
        return QObject::tr("Steps of each entry: at most ⌊log₂(m + 1)⌋ + 1 for m entries placed");
    case ScanOrder::FromLow: break;
    }
    return QObject::tr("Steps of each entry: 1 + the earlier entries with a smaller key; a dropped entry tests every "
                       "position");
}

// One bar per input entry, as tall as the most positions a scan can test
// (the entries plus one), filled with the positions its scan tested.
void Builder::Strip()
{
    const StepThrough::Frame& frame = scene_.frame;
    Line(bold_, Colour(QPalette::Text), StripTitle(ScanOrderOf(scene_.run->Input().routine)));
    const int count = static_cast<int>(frame.entrySteps.size());
    const int width = std::clamp((width_ - 2 * kMargin) / std::max(count, 1) - 2, 3, 18);
    const int height = 4 * plain_.height();
    const double most = static_cast<double>(count + 1);
    for (int i = 0; i < count; ++i) {
        const QRect box(kMargin + i * (width + 2), y_, width, height);
        const int filled = static_cast<int>(height * static_cast<double>(frame.entrySteps[static_cast<std::size_t>(i)]) / most);
        layout_.bars.push_back({box, QRect(box.left(), box.bottom() + 1 - filled, width, filled),
                                frame.entryDropped[static_cast<std::size_t>(i)]});
    }
    y_ += height + 2 * kGap;
}

void Builder::DroppedLane()
{
    const StepThrough::Frame& frame = scene_.frame;
    Line(bold_, Colour(QPalette::Text), QObject::tr("Dropped (%1)").arg(frame.dropped.size()));
    std::vector<Cell> dropped;
    for (const StepThrough::Dropped& entry : frame.dropped) {
        dropped.push_back(CellOf(ToQString(scene_.run->KeyText(entry.entry)), ToQString(entry.reason),
                                 Colour(QPalette::Base), kDropped));
        dropped.back().outlineStyle = Qt::DashLine;
        dropped.back().mark = QStringLiteral("\u2212");
    }
    Flow(std::move(dropped));
}

// The routine's result beside its reference's: the stable sort that orders
// equal keys as the routine does.
void Builder::Result()
{
    const StepThrough& run = *scene_.run;
    const auto joined = [](const std::vector<Text>& texts) {
        QStringList list;
        for (const Text& t : texts)
            list.append(ToQString(t));
        return list.join(QStringLiteral(" | "));
    };
    const bool identical = run.Result() == run.StableResult();
    Line(font_, Colour(QPalette::Text), QObject::tr("Result:       %1").arg(joined(run.Result())));
    Line(font_, Colour(QPalette::Text), QObject::tr("Stable sort: %1").arg(joined(run.StableResult())));
    Line(bold_, identical ? kFits : kDropped,
         identical ? QObject::tr("\u2713 identical to %1").arg(ReferenceName(run.Input().routine))
                   : QObject::tr("\u2717 differs from %1").arg(ReferenceName(run.Input().routine)));
}

}  // namespace

QString CountsLine(const ScanCounts& c, const Prediction& whole)
{
    // Halving's total steps are a bound, not a count.
    const QString steps = whole.stepsAtMost ? QCoreApplication::translate("StepCounts", "at most %1").arg(whole.steps)
                                            : QString::number(whole.steps);
    return QCoreApplication::translate("StepCounts", "keys %1 of %2 (the sentinels' among them) · steps %3 of %4 · placed %5 "
                                                     "of %6 · dropped %7 of %8 · moves %9 of %10 · shifted %11")
        .arg(c.keys).arg(whole.keys).arg(c.steps).arg(steps).arg(c.placed).arg(whole.placed)
        .arg(c.dropped).arg(whole.dropped).arg(c.moves).arg(whole.moves).arg(c.shifted);
}

TraceLayout LayOutTrace(const TraceScene& scene, const QFont& font, const QPalette& colours, int width)
{
    return Builder(scene, font, colours, width).Build();
}

}  // namespace sentinel
