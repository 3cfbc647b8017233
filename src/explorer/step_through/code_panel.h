// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

#include "stepping/code_listing.h"

namespace sentinel {

// What a screen reader hears of the code at a moment of a run: the lit
// line, its number and the values, e.g. "Code line 5 of 8: if list[j − 1]
// ≤ k ≤ list[j]: — entry 3 of 3: 3 · k = 3 · …".
QString SpokenCode(const StepThrough& run, std::size_t events);

// The routine's pseudo-code beside the run, the line of the moment lit and
// marked ▶ (so that it reads in grey too), the values of that moment below.
// One Tab stop; its description is what SpokenCode says.
class CodePanel : public QWidget {
    Q_OBJECT

public:
    explicit CodePanel(QWidget* parent = nullptr);

    // The run (none for an empty panel) after `events` of its events.
    void Show(const StepThrough* run, std::size_t events);
    std::size_t LitLine() const noexcept { return lit_; }
    // Where the lit line is drawn, to scroll it into view.
    QRect LitRow() const;
    QString Values() const { return values_; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Draws the panel at `width`, as tall as it needs, onto `painter`.
    void Render(QPainter& painter, int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QFont CodeFont() const;
    int LineHeight() const;
    QRect ValuesRect(int width) const;

    std::vector<CodeLine> code_;
    std::size_t lit_ = 0;
    QString values_;
};

}  // namespace sentinel
