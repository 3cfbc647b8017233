// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

#include "stepping/step_through.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QBoxLayout;
class QScrollArea;
QT_END_NAMESPACE

namespace sentinel {

class CodePanel;
class TraceCanvas;

// A view of one run of a step-through: a title, the canvas that draws the
// frame with the routine's code beside it, and the counts so far beside the
// whole run's as the law of the cost predicts them. The step-through shows one; a race shows two side by
// side.
class StepPane : public QWidget {
    Q_OBJECT

public:
    explicit StepPane(QWidget* parent = nullptr);
    ~StepPane() override;

    // The run (none for an empty pane) after `events` of its events.
    void Show(std::shared_ptr<const StepThrough> run, std::size_t events);
    // Names the pane for the eye (empty hides the title) and, with which
    // pane it is, for a screen reader: its list and counts say whose they are.
    void SetTitle(const QString& title, const QString& pane);
    QString Title() const;

    // Shows or hides the code; it goes beside the canvas, or below it when
    // the pane has half the width, in a race.
    void SetCodeShown(bool shown);
    void SetCodeBelow(bool below);

    TraceCanvas& Canvas() noexcept { return *canvas_; }
    const CodePanel& Code() const noexcept { return *code_; }
    const TraceCanvas& Canvas() const noexcept { return *canvas_; }
    QString CountsText() const;

private:
    QLabel* title_;
    TraceCanvas* canvas_;
    CodePanel* code_;
    QScrollArea* codeScroll_;
    QBoxLayout* beside_;
    QLabel* counts_;
    QString pane_;  // "Left pane, SortByField" in a race
    std::shared_ptr<const StepThrough> run_;
};

}  // namespace sentinel
