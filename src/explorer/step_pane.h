#pragma once

#include <QWidget>

#include <memory>

#include "cost/step_through.h"

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace sentinel {

class TraceCanvas;

// One recorded run on show: a title, the canvas that draws the frame, and
// the counts so far beside the whole run's as the law of the cost predicts
// them. The step-through shows one; a race shows two side by side.
class StepPane : public QWidget {
public:
    explicit StepPane(QWidget* parent = nullptr);
    ~StepPane() override;

    void SetRun(std::unique_ptr<StepThrough> run, const QString& title);
    // Shows the state after the first `events` events (at most the run's).
    void Show(std::size_t events);
    void StepTest(int direction);
    void StepEntry(int direction);

    const StepThrough* Run() const noexcept { return run_.get(); }
    std::size_t Shown() const noexcept { return shown_; }
    bool Finished() const noexcept { return run_ && shown_ == run_->Events(); }
    TraceCanvas& Canvas() noexcept { return *canvas_; }
    const TraceCanvas& Canvas() const noexcept { return *canvas_; }
    QString CountsText() const;

private:
    QLabel* title_;
    TraceCanvas* canvas_;
    QLabel* counts_;
    std::unique_ptr<StepThrough> run_;
    std::size_t shown_ = 0;
};

}  // namespace sentinel
