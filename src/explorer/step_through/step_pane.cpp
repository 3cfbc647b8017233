// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/step_pane.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QBoxLayout>
#include <QVBoxLayout>

#include "explorer/step_through/code_panel.h"
#include "explorer/step_through/trace_canvas.h"

namespace sentinel {

StepPane::StepPane(QWidget* parent)
    : QWidget(parent), title_(new QLabel), canvas_(new TraceCanvas), code_(new CodePanel),
      codeScroll_(new QScrollArea), beside_(new QBoxLayout(QBoxLayout::LeftToRight)), counts_(new QLabel)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(canvas_);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);  // one Tab stop: the list itself
    codeScroll_->setWidget(code_);
    codeScroll_->setWidgetResizable(true);
    codeScroll_->setFocusPolicy(Qt::NoFocus);  // one Tab stop: the code itself
    codeScroll_->setFrameShape(QFrame::NoFrame);
    canvas_->setAccessibleName(tr("The list being built"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    title_->setWordWrap(true);
    // No accessible names: a label reads as its text, and says when it changes.
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counts_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    beside_->addWidget(scroll, 1);
    beside_->addWidget(codeScroll_, 0);
    SetCodeBelow(false);
    layout->addWidget(title_);
    layout->addLayout(beside_, 1);
    layout->addWidget(counts_);
    title_->hide();
    Show(nullptr, 0);
}

StepPane::~StepPane() = default;

void StepPane::SetCodeShown(bool shown)
{
    codeScroll_->setVisible(shown);
}

// Beside the list the code is as wide as its longest line and the list takes
// the rest; below it, in a race, the list keeps two thirds of the height.
// Either way, what does not fit scrolls rather than being cut.
void StepPane::SetCodeBelow(bool below)
{
    beside_->setDirection(below ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    beside_->setStretch(0, below ? 2 : 1);
    beside_->setStretch(1, below ? 1 : 0);
    const int scrollBar = codeScroll_->verticalScrollBar()->sizeHint().width();
    codeScroll_->setMinimumWidth(below ? 0 : code_->sizeHint().width() + scrollBar);
    codeScroll_->setMaximumWidth(below ? QWIDGETSIZE_MAX : code_->sizeHint().width() + scrollBar);
}

QString StepPane::Title() const
{
    return title_->text();
}

void StepPane::SetTitle(const QString& title, const QString& pane)
{
    title_->setText(title);
    title_->setVisible(!title.isEmpty());
    pane_ = pane;
    canvas_->setAccessibleName(pane.isEmpty() ? tr("The list being built") : tr("%1: the list being built").arg(pane));
    counts_->setText(CountsText());
}

QString StepPane::CountsText() const
{
    const ScanCounts& c = canvas_->Frame().counts;
    const Prediction whole = run_ ? run_->Predicted() : Prediction{};
    const QString counts = CountsLine(c, whole);
    return pane_.isEmpty() ? counts : tr("%1: %2").arg(pane_, counts);
}

void StepPane::Show(std::shared_ptr<const StepThrough> run, std::size_t events)
{
    run_ = run;
    code_->Show(run.get(), events);
    const QRect lit = code_->LitRow();
    codeScroll_->ensureVisible(lit.center().x(), lit.center().y(), 0, lit.height());
    canvas_->ShowFrame(std::move(run), events);
    counts_->setText(CountsText());
}

}  // namespace sentinel
