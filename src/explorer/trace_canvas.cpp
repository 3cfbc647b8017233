#include "explorer/trace_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "explorer/palette.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

const QColor kFits = FitColour();
const QColor kDropped = DropColour();

constexpr int kMargin = 14;
constexpr int kGap = 8;
constexpr int kPadding = 8;

}  // namespace

// Lays out a frame from the top down.
class TraceCanvas::Builder {
public:
    explicit Builder(const TraceCanvas& canvas)
        : canvas_(canvas), colours_(canvas.palette()), bold_(canvas.font()), large_(canvas.font()),
          plain_(canvas.font()), y_(kMargin)
    {
        bold_.setBold(true);
        large_.setPointSizeF(canvas.font().pointSizeF() * 1.25);
    }

    Layout Build();

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

    const TraceCanvas& canvas_;
    const QPalette& colours_;
    QFont bold_;
    QFont large_;
    QFontMetrics plain_;
    int y_;
    Layout layout_;
};

TraceCanvas::Layout TraceCanvas::Builder::Build()
{
    if (!canvas_.run_) {
        Line(canvas_.font(), Colour(QPalette::PlaceholderText), QStringLiteral("Choose a list and a routine, then Load."));
    } else {
        Heading();
        List();
        Outcome();
        Strip();
        DroppedLane();
        if (canvas_.Finished())
            Result();
    }
    layout_.height = y_ + kMargin;
    return std::move(layout_);
}

void TraceCanvas::Builder::Line(const QFont& font, const QColor& colour, const QString& text)
{
    const QFontMetrics metrics(font);
    layout_.lines.push_back({y_, font, colour, metrics.elidedText(text, Qt::ElideRight, canvas_.width() - 2 * kMargin)});
    y_ += metrics.height() + kGap;
}

std::size_t TraceCanvas::Builder::Flow(std::vector<Cell> cells)
{
    const std::size_t first = layout_.cells.size();
    const QFontMetrics strong(bold_);
    const int cellHeight = 2 * plain_.height() + 2 * kPadding;
    int x = kMargin;
    for (Cell& cell : cells) {
        const int w = std::max(strong.horizontalAdvance(cell.key), plain_.horizontalAdvance(cell.below)) + 2 * kPadding;
        if (x > kMargin && x + w > canvas_.width() - kMargin) {
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

TraceCanvas::Cell TraceCanvas::Builder::CellOf(const QString& key, const QString& below, const QColor& fill,
                                               const QColor& outline) const
{
    return {QRect(), key, below, fill, outline, outline == Colour(QPalette::Mid) ? 1.0 : 2.5, Qt::SolidLine, QString()};
}

QString TraceCanvas::Builder::BelowOf(std::int32_t entry) const
{
    const StepThrough& run = *canvas_.run_;
    if (entry <= 0)
        return ToQString(run.EntryText(entry));
    if (IsPaired(run.Input().routine))
        return ToQString(TextOf(run.Input().companion[static_cast<std::size_t>(entry - 1)]));
    const QString shown = ToQString(run.EntryText(entry));
    return shown == ToQString(run.KeyText(entry)) ? QString() : shown;
}

// The entry being placed.
void TraceCanvas::Builder::Heading()
{
    const StepThrough& run = *canvas_.run_;
    const StepThrough::Frame& frame = canvas_.frame_;
    if (frame.entry > 0 && !canvas_.Finished()) {
        QString line = QStringLiteral("Entry %1 of %2: %3, key %4")
                           .arg(frame.entry)
                           .arg(run.Input().entries.size())
                           .arg(ToQString(run.EntryText(frame.entry)), ToQString(run.KeyText(frame.entry)));
        if (IsPaired(run.Input().routine))
            line += QStringLiteral(", with %1").arg(BelowOf(frame.entry));
        Line(bold_, Colour(QPalette::Text), line);
        if (canvas_.chosenGap_)
            Line(canvas_.font(), Colour(QPalette::Text), canvas_.prompt_);
    } else {
        Line(bold_, Colour(QPalette::Text),
             canvas_.Finished() ? QStringLiteral("Done: the sentinels are removed.")
                                : QStringLiteral("The list starts with its two sentinels."));
    }
}

// The list being built, with the neighbours under test outlined and a
// marker in the gap between them.
void TraceCanvas::Builder::List()
{
    const StepThrough::Frame& frame = canvas_.frame_;
    const TraceEvent* last = frame.last;
    const bool tested = last && last->kind == TraceEvent::Kind::Tested;
    const bool placed = last && last->kind == TraceEvent::Kind::Placed;
    const QColor testColour = tested && last->fits ? kFits : Colour(QPalette::Highlight);
    std::vector<Cell> cells;
    for (std::size_t k = 0; k < frame.list.size(); ++k) {
        const std::int32_t entry = frame.list[k];
        if (canvas_.Finished() && entry <= 0)
            continue;  // the sentinels are gone from the result
        Cell cell = CellOf(ToQString(canvas_.run_->KeyText(entry)), BelowOf(entry),
                           Colour(entry <= 0 ? QPalette::AlternateBase : QPalette::Base), Colour(QPalette::Mid));
        if (tested && (static_cast<int>(k) == last->at - 1 || static_cast<int>(k) == last->at))
            cell.outline = testColour, cell.outlineWidth = 2.5;
        if (placed && static_cast<int>(k) == last->at) {
            cell.outline = kFits, cell.outlineWidth = 2.5, cell.fill = QColor(kFits.red(), kFits.green(), kFits.blue(), 60);
            cell.mark = QStringLiteral("\u2713");
        }
        cells.push_back(cell);
    }
    layout_.listCount = cells.size();
    const std::size_t first = layout_.listFirst = Flow(std::move(cells));
    if (tested)
        MarkGap(first, static_cast<std::size_t>(last->at), testColour, last->fits ? Qt::SolidLine : Qt::DashLine);
    else if (canvas_.chosenGap_)
        MarkGap(first, *canvas_.chosenGap_, Colour(QPalette::Highlight), Qt::DotLine);
}

// A marker in the gap between list cells gap - 1 and gap.
void TraceCanvas::Builder::MarkGap(std::size_t first, std::size_t gap, const QColor& colour, Qt::PenStyle style)
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
void TraceCanvas::Builder::Outcome()
{
    const StepThrough::Frame& frame = canvas_.frame_;
    const TraceEvent* last = frame.last;
    const bool dropped = last && last->kind == TraceEvent::Kind::Dropped;
    QString outcome = canvas_.Finished() ? QString() : ToQString(frame.test);
    if (last && last->kind == TraceEvent::Kind::Placed && !canvas_.Finished())
        outcome = QStringLiteral("Inserted after position %1.").arg(last->at);
    else if (dropped && !canvas_.Finished())
        outcome = QStringLiteral("Dropped: %1.").arg(ToQString(frame.dropped.back().reason));
    Line(large_, dropped ? kDropped : Colour(QPalette::Text), outcome);
    layout_.outcome = outcome;
    if (!canvas_.verdict_.isEmpty() && !canvas_.Finished()) {
        // A sentence a line, so that a narrow window shows all of it.
        const QStringList sentences = canvas_.verdict_.split(QStringLiteral(". "));
        for (qsizetype k = 0; k < sentences.size(); ++k)
            Line(bold_, canvas_.verdictRight_ ? kFits : kDropped,
                 sentences[k] + (k + 1 < sentences.size() ? QStringLiteral(".") : QString()));
        layout_.outcome += QLatin1Char(' ') + canvas_.verdict_;
    }
    if (canvas_.chosenGap_)
        layout_.outcome = canvas_.prompt_;
}

// One bar per input entry, as tall as the most positions a scan can test
// (the entries plus one), filled with the positions its scan tested.
void TraceCanvas::Builder::Strip()
{
    const StepThrough::Frame& frame = canvas_.frame_;
    Line(bold_, Colour(QPalette::Text),
         QStringLiteral("Steps of each entry: 1 + the earlier entries with a smaller key; a dropped entry tests every "
                        "position"));
    const int count = static_cast<int>(frame.entrySteps.size());
    const int width = std::clamp((canvas_.width() - 2 * kMargin) / std::max(count, 1) - 2, 3, 18);
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

void TraceCanvas::Builder::DroppedLane()
{
    const StepThrough::Frame& frame = canvas_.frame_;
    Line(bold_, Colour(QPalette::Text), QStringLiteral("Dropped (%1)").arg(frame.dropped.size()));
    std::vector<Cell> dropped;
    for (const StepThrough::Dropped& entry : frame.dropped) {
        dropped.push_back(CellOf(ToQString(canvas_.run_->KeyText(entry.entry)), ToQString(entry.reason),
                                 Colour(QPalette::Base), kDropped));
        dropped.back().outlineStyle = Qt::DashLine;
        dropped.back().mark = QStringLiteral("\u2717");
    }
    Flow(std::move(dropped));
}

// The routine's result beside the standard stable sort's.
void TraceCanvas::Builder::Result()
{
    const StepThrough& run = *canvas_.run_;
    const auto joined = [](const std::vector<Text>& texts) {
        QStringList list;
        for (const Text& t : texts)
            list.append(ToQString(t));
        return list.join(QStringLiteral(" | "));
    };
    const bool identical = run.Result() == run.StableResult();
    Line(canvas_.font(), Colour(QPalette::Text), QStringLiteral("Result:       %1").arg(joined(run.Result())));
    Line(canvas_.font(), Colour(QPalette::Text), QStringLiteral("Stable sort: %1").arg(joined(run.StableResult())));
    Line(bold_, identical ? kFits : kDropped,
         identical ? QStringLiteral("\u2713 identical to the standard stable sort")
                   : QStringLiteral("\u2717 differs from the stable sort"));
}

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
    chosenGap_ = chosenGap;
    prompt_ = prompt;
    Relayout();
}

void TraceCanvas::SetVerdict(const QString& verdict, bool right)
{
    verdict_ = verdict;
    verdictRight_ = right;
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
    if (const auto gap = chosenGap_ && pickGap_ ? GapAt(event->position().toPoint()) : std::nullopt)
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

void TraceCanvas::ShowFrame(const StepThrough* run, std::size_t events)
{
    run_ = run;
    events_ = run ? std::min(events, run->Events()) : 0;
    frame_ = run ? run->At(events_) : StepThrough::Frame{};
    Relayout();
}

std::vector<Text> TraceCanvas::ListedTexts() const
{
    std::vector<Text> texts;
    for (std::size_t k = 1; k + 1 < frame_.list.size(); ++k)
        texts.push_back(run_->EntryText(frame_.list[k]));
    return texts;
}

void TraceCanvas::Relayout()
{
    layout_ = Builder(*this).Build();
    // What a screen reader reads of the canvas besides its name.
    setAccessibleDescription(layout_.outcome);
    setMinimumHeight(layout_.height);
    update();
}

void TraceCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const TextLine& line : layout_.lines) {
        painter.setFont(line.font);
        painter.setPen(line.colour);
        painter.drawText(kMargin, line.top + QFontMetrics(line.font).ascent(), line.text);
    }
    QFont bold = font();
    bold.setBold(true);
    for (const Cell& cell : layout_.cells) {
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
    for (const Bar& bar : layout_.bars) {
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
}

void TraceCanvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

}  // namespace sentinel
