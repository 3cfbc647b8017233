// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/step_view.h"

#include <QHBoxLayout>

#include <algorithm>
#include <QTimer>
#include <QVBoxLayout>

#include "cost/input_error.h"
#include "explorer/step_through/step_controls.h"
#include "explorer/step_through/step_pane.h"
#include "explorer/step_through/trace_canvas.h"
#include "qt_glue/qt_text.h"
#include "runtime/runtime_error.h"

namespace sentinel {

StepView::StepView(QWidget* parent)
    : QWidget(parent), source_(new StepSource), left_(new StepPane), right_(new StepPane),
      controls_(new StepControls), player_(new QTimer(this))
{
    auto* panes = new QHBoxLayout;
    panes->addWidget(left_, 1);
    panes->addWidget(right_, 1);  // a race's two panes share the width alike
    right_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addLayout(panes, 1);
    layout->addWidget(controls_);

    player_->setInterval(controls_->Interval());
    connect(player_, &QTimer::timeout, this, &StepView::Tick);
    connect(source_, &StepSource::loadRequested, this, &StepView::Load);
    connect(controls_, &StepControls::stepTestRequested, this, &StepView::StepTest);
    connect(controls_, &StepControls::stepEntryRequested, this, &StepView::StepEntry);
    connect(controls_, &StepControls::playRequested, this, &StepView::PlayOrPause);
    connect(controls_, &StepControls::positionRequested, this, [this](std::size_t events) {
        if (events != Shown())
            ShowEvents(events);
    });
    connect(controls_, &StepControls::predictRequested, this, &StepView::SetPredicting);
    connect(controls_, &StepControls::droppedAnswered, this, [this] { Answer(PredictQuiz::kDropped); });
    connect(controls_, &StepControls::speedChanged, player_, qOverload<int>(&QTimer::setInterval));
    connect(controls_, &StepControls::codeShown, this, [this](bool shown) {
        codeShown_ = shown;
        for (StepPane* pane : {left_, right_})
            pane->SetCodeShown(shown);
    });
    // The stepping keys belong to the canvases: other controls keep their own.
    for (StepPane* pane : {left_, right_})
        pane->Canvas().SetKeyHandler([this](int key) { return HandleKey(key); });
    left_->Canvas().SetGapHandler([this](std::size_t gap) { Answer(gap); });
    Refresh();
}

StepView::~StepView() = default;

bool StepView::Load()
{
    player_->stop();
    source_->DrawNewList();
    Routine recording = source_->Chosen();  // the one a RuntimeError comes from
    std::shared_ptr<const StepThrough> left, right;
    try {
        left = std::make_shared<const StepThrough>(source_->Input(recording));
        if (source_->RaceChosen() == Race::OtherRoutine)
            recording = source_->RaceRoutine();
        if (source_->RaceChosen() != Race::None)
            right = std::make_shared<const StepThrough>(source_->RaceInput(*left));
    } catch (const InputError& error) {
        emit problem(QString::fromUtf8(error.what()));
        return false;
    } catch (const RuntimeError& error) {
        emit problem(tr("%1 cannot take this list: %2")
                         .arg(ToQString(NameOf(recording)), QString::fromStdString(error.Description())));
        return false;
    }
    session_.Load(std::move(left), std::move(right));
    const QString leftTitle = session_.Racing() ? ToQString(NameOf(source_->Chosen())) : QString();
    left_->SetTitle(leftTitle, session_.Racing() ? tr("Left pane, %1").arg(leftTitle) : QString());
    right_->SetTitle(source_->RaceTitle(), tr("Right pane, %1").arg(source_->RaceTitle()));
    Refresh();
    left_->Canvas().setFocus();
    emit loaded();
    return true;
}

void StepView::SetRace(Race race, Routine other)
{
    source_->SetRace(race, other);
}

void StepView::ShowEvents(std::size_t events)
{
    session_.Show(events);
    Refresh();
}

void StepView::StepTest(int direction)
{
    session_.StepTest(direction);
    Refresh();
}

void StepView::StepEntry(int direction)
{
    session_.StepEntry(direction);
    Refresh();
}

void StepView::Tick()
{
    if (Asking() || session_.Finished())
        PlayOrPause();
    else
        StepTest(1);
}

void StepView::PlayOrPause()
{
    if (player_->isActive()) {
        player_->stop();
    } else if (Recording() && !Asking()) {
        if (session_.Finished())
            session_.Show(0);
        player_->start();
    }
    Refresh();
}

void StepView::SetPredicting(bool on)
{
    session_.SetPredicting(on);
    Refresh();
    if (session_.Predicting())
        left_->Canvas().setFocus();  // where the answering keys go
}

void StepView::Answer(std::size_t gap)
{
    session_.Answer(gap);
    Refresh();
}

bool StepView::AnswerKey(int key)
{
    switch (key) {
    case Qt::Key_Left: session_.MoveChoice(-1); break;
    case Qt::Key_Right: session_.MoveChoice(1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Answer(*ChosenGap()); return true;
    case Qt::Key_D: Answer(PredictQuiz::kDropped); return true;
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;  // the run waits for the answer
    default: return false;
    }
    Refresh();
    return true;
}

bool StepView::HandleKey(int key)
{
    if (Asking())
        return AnswerKey(key);
    switch (key) {
    case Qt::Key_Space: PlayOrPause(); return true;
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter: StepTest(1); return true;  // Return goes on after a verdict, as Right does
    case Qt::Key_Left: StepTest(-1); return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown: StepEntry(1); return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp: StepEntry(-1); return true;
    case Qt::Key_Home: ShowEvents(0); return true;
    case Qt::Key_End: ShowEvents(std::max(Recording() ? Recording()->Events() : 0,
                                          session_.Run(StepSession::kRight) ? session_.Run(StepSession::kRight)->Events() : 0));
        return true;
    default: return false;
    }
}

// The question while an entry waits for an answer, and the verdict once given.
void StepView::ShowQuestion()
{
    TraceCanvas& canvas = left_->Canvas();
    const StepThrough::Frame& frame = canvas.Frame();
    if (const auto gap = ChosenGap()) {
        const auto keyAt = [&](std::size_t k) { return ToQString(Recording()->KeyText(frame.list[k])); };
        canvas.SetQuestion(gap, tr("Where does %1 go? Gap %2 of %3, between %4 and %5: Left and Right choose a gap, "
                                   "Return confirms, D says dropped.")
                                    .arg(ToQString(Recording()->KeyText(frame.entry)))
                                    .arg(*gap)
                                    .arg(frame.list.size() - 1)
                                    .arg(keyAt(*gap - 1), keyAt(*gap)));
    } else {
        canvas.SetQuestion(std::nullopt, QString());
    }
    const PredictQuiz::Verdict* verdict = session_.Predicting() ? Quiz().VerdictOf(frame.entry) : nullptr;
    const bool placedOrDropped = frame.last && (frame.last->kind == TraceEvent::Kind::Placed
                                                || frame.last->kind == TraceEvent::Kind::Dropped);
    canvas.SetVerdict(verdict && placedOrDropped ? ToQString(verdict->text) + tr(" Right or Return goes on.") : QString(),
                      verdict && verdict->right);
}

// Brings the panes and the controls in line with the session.
void StepView::Refresh()
{
    if (Asking() && player_->isActive())
        player_->stop();
    left_->Show(session_.Run(StepSession::kLeft), session_.Shown(StepSession::kLeft));
    right_->Show(session_.Run(StepSession::kRight), session_.Shown(StepSession::kRight));
    right_->setVisible(session_.Racing());
    for (StepPane* pane : {left_, right_})
        pane->SetCodeBelow(session_.Racing());
    ShowQuestion();
    controls_->Show({Recording() != nullptr, Asking(), player_->isActive(), session_.Predicting(), session_.Racing(),
                     Recording() ? Recording()->Events() : 0, Shown(), ToQString(Quiz().Score())});
}

const TraceCanvas& StepView::Canvas() const noexcept
{
    return left_->Canvas();
}

}  // namespace sentinel
