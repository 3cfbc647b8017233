#include "explorer/step_pane.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "explorer/trace_canvas.h"

namespace sentinel {

StepPane::StepPane(QWidget* parent) : QWidget(parent), title_(new QLabel), canvas_(new TraceCanvas), counts_(new QLabel)
{
    auto* scroll = new QScrollArea;
    scroll->setWidget(canvas_);
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(QStringLiteral("The list being built"));
    canvas_->setAccessibleName(QStringLiteral("The list being built"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    // No accessible names: a label reads as its text, and says when it changes.
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counts_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title_);
    layout->addWidget(scroll, 1);
    layout->addWidget(counts_);
    title_->hide();
    Show(0);
}

StepPane::~StepPane() = default;

void StepPane::SetRun(std::unique_ptr<StepThrough> run, const QString& title)
{
    run_ = std::move(run);
    title_->setText(title);
    title_->setVisible(!title.isEmpty());
    Show(0);  // before anything else draws: the canvas's run is this one from here on
    canvas_->SetVerdict(QString(), false);
}

QString StepPane::CountsText() const
{
    const ScanCounts& c = canvas_->Frame().counts;
    const Prediction whole = run_ ? run_->Predicted() : Prediction{};
    return QStringLiteral("keys %1 of %2 · steps %3 of %4 · placed %5 of %6 · dropped %7 of %8 · moves %9 of %10 · "
                          "shifted %11")
        .arg(c.keys).arg(whole.keys).arg(c.steps).arg(whole.steps).arg(c.placed).arg(whole.placed)
        .arg(c.dropped).arg(whole.dropped).arg(c.moves).arg(whole.moves).arg(c.shifted);
}

void StepPane::Show(std::size_t events)
{
    shown_ = run_ ? std::min(events, run_->Events()) : 0;
    canvas_->ShowFrame(run_.get(), shown_);
    counts_->setText(CountsText());
}

void StepPane::StepTest(int direction)
{
    if (run_ && (direction > 0 || shown_ > 0))
        Show(shown_ + static_cast<std::size_t>(direction));
}

void StepPane::StepEntry(int direction)
{
    if (!run_)
        return;
    if (direction > 0) {
        Show(run_->EndOfEntry(shown_));
        return;
    }
    // Back to the end of the entry before the one shown.
    std::size_t events = 0;
    for (std::size_t end = run_->EndOfEntry(0); end < shown_; end = run_->EndOfEntry(end))
        events = end;
    Show(events);
}

}  // namespace sentinel
