// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "explorer/step_through/trace_layout.h"

namespace sentinel {

// Draws one frame of a step-through, as LayOutTrace lays it out. Colours
// come from the palette, so it reads in light and dark themes alike. The
// layout is made when the frame or the width changes; painting only draws it.
class TraceCanvas : public QWidget {
public:
    explicit TraceCanvas(QWidget* parent = nullptr);

    // Shares the run, so that no frame drawn outlives it.
    void ShowFrame(std::shared_ptr<const StepThrough> run, std::size_t events);
    // Keys pressed while the canvas has focus go to `handle` first, which
    // says whether it took them.
    void SetKeyHandler(std::function<bool(int key)> handle);
    // While an entry waits for a prediction: the gap chosen so far, marked,
    // with `prompt` above the list; clicks between two cells go to `picked`.
    // Once answered: the verdict under the outcome. Empty texts for neither.
    void SetQuestion(std::optional<std::size_t> chosenGap, const QString& prompt);
    void SetVerdict(const QString& verdict, bool right);
    void SetGapHandler(std::function<void(std::size_t gap)> picked);
    // A caption above the frame and the counts below it, for an animation,
    // which has no pane around it; empty for none.
    void SetCaption(const QString& caption);
    // The gap of the list nearest `point` on the row of cells it is on.
    std::optional<std::size_t> GapAt(QPoint point) const;

    const StepThrough::Frame& Frame() const noexcept { return scene_.frame; }
    const TraceLayout& Layout() const noexcept { return layout_; }
    // The texts of the list's entries, sentinels left out.
    std::vector<Text> ListedTexts() const;
    bool Finished() const noexcept { return scene_.Finished(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Relayout();

    TraceScene scene_;
    TraceLayout layout_;
    std::function<bool(int)> handleKey_;
    std::function<void(std::size_t)> pickGap_;
};

}  // namespace sentinel
