#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "cost/step_through.h"

namespace sentinel {

// Draws one frame of a step-through: the entry being placed, the list as a
// row of cells between its sentinels (wrapping as the width needs), the
// position under test and the test written out, the dropped lane, and at the
// end the result beside the stable sort's. Colours come from the palette,
// so it reads in light and dark themes alike. The layout is made when the
// frame or the width changes; painting only draws it.
class TraceCanvas : public QWidget {
public:
    explicit TraceCanvas(QWidget* parent = nullptr);

    void ShowFrame(const StepThrough* run, std::size_t events);
    // Keys pressed while the canvas has focus go to `handle` first, which
    // says whether it took them.
    void SetKeyHandler(std::function<bool(int key)> handle);
    // While an entry waits for a prediction: the gap chosen so far, marked,
    // with `prompt` above the list; clicks between two cells go to `picked`.
    // Once answered: the verdict under the outcome. Empty texts for neither.
    void SetQuestion(std::optional<std::size_t> chosenGap, const QString& prompt);
    void SetVerdict(const QString& verdict, bool right);
    void SetGapHandler(std::function<void(std::size_t gap)> picked);
    // The gap of the list nearest `point` on the row of cells it is on.
    std::optional<std::size_t> GapAt(QPoint point) const;

    const StepThrough::Frame& Frame() const noexcept { return frame_; }
    // The texts of the list's entries, sentinels left out.
    std::vector<Text> ListedTexts() const;
    bool Finished() const noexcept { return run_ && events_ == run_->Events(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // What is drawn where.
    struct TextLine {
        int top;
        QFont font;
        QColor colour;
        QString text;
    };
    struct Cell {
        QRect box;
        QString key;  // above, in bold
        QString below;  // what the key belongs to
        QColor fill;
        QColor outline;
        qreal outlineWidth;
        Qt::PenStyle outlineStyle = Qt::SolidLine;
        QString mark;  // a symbol in the corner, so that fit and drop do not rest on colour alone
    };
    // One input entry's scan: the positions tested so far (`filled`) within
    // the most it could test (`box`).
    struct Bar {
        QRect box;
        QRect filled;
        bool dropped;
    };
    struct Layout {
        std::vector<TextLine> lines;
        std::vector<Cell> cells;
        std::vector<Bar> bars;
        std::optional<QLine> gapMarker;  // in the gap under test, or chosen
        QColor markerColour;
        Qt::PenStyle markerStyle = Qt::SolidLine;  // solid where the entry fits
        std::size_t listFirst = 0;  // the list's cells, sentinels included, in `cells`
        std::size_t listCount = 0;
        QString outcome;  // the test written out, or what happened to the entry
        int height = 0;
    };

    class Builder;
    void Relayout();

    const StepThrough* run_ = nullptr;
    std::size_t events_ = 0;
    StepThrough::Frame frame_;
    Layout layout_;
    std::function<bool(int)> handleKey_;
    std::function<void(std::size_t)> pickGap_;
    std::optional<std::size_t> chosenGap_;
    QString prompt_;
    QString verdict_;
    bool verdictRight_ = false;
};

}  // namespace sentinel
