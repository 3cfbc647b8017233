// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stepping/step_session.h"

#include <algorithm>

namespace sentinel {

void StepSession::Load(std::shared_ptr<const StepThrough> left, std::shared_ptr<const StepThrough> right)
{
    runs_ = {std::move(left), std::move(right)};
    shown_ = {0, 0};
    quiz_ = PredictQuiz();
    chosenGap_ = 1;
    if (Racing())
        predicting_ = false;
    if (predicting_)
        ShowPane(kLeft, 1);  // the first entry's key: the first question
}

bool StepSession::Finished() const noexcept
{
    bool any = false;
    for (const Pane pane : {kLeft, kRight}) {
        if (!runs_[pane])
            continue;
        any = true;
        if (shown_[pane] != runs_[pane]->Events())
            return false;
    }
    return any;
}

void StepSession::ShowPane(Pane pane, std::size_t events)
{
    shown_[pane] = runs_[pane] ? std::min(events, runs_[pane]->Events()) : 0;
}

void StepSession::Show(std::size_t events)
{
    for (const Pane pane : {kLeft, kRight})
        ShowPane(pane, events);
    chosenGap_ = 1;
}

void StepSession::StepTest(int direction)
{
    if (Asking())
        return;
    for (const Pane pane : {kLeft, kRight})
        if (direction > 0 || shown_[pane] > 0)
            ShowPane(pane, shown_[pane] + static_cast<std::size_t>(direction));
}

void StepSession::StepEntry(int direction)
{
    if (Asking())
        return;
    for (const Pane pane : {kLeft, kRight}) {
        const StepThrough* run = runs_[pane].get();
        if (!run)
            continue;
        if (direction > 0) {
            ShowPane(pane, run->EndOfEntry(shown_[pane]));
            continue;
        }
        std::size_t events = 0;  // the end of the entry before the one shown
        for (std::size_t end = run->EndOfEntry(0); end < shown_[pane]; end = run->EndOfEntry(end))
            events = end;
        ShowPane(pane, events);
    }
}

bool StepSession::SetPredicting(bool on)
{
    if (on && Racing())
        return false;
    predicting_ = on;
    chosenGap_ = 1;
    if (on && runs_[kLeft] && shown_[kLeft] == 0)
        ShowPane(kLeft, 1);
    return true;
}

bool StepSession::Asking() const
{
    return predicting_ && runs_[kLeft] && quiz_.Asks(*runs_[kLeft], shown_[kLeft]);
}

std::size_t StepSession::Gaps() const
{
    return runs_[kLeft]->At(shown_[kLeft]).list.size() - 1;
}

void StepSession::MoveChoice(int direction)
{
    if (!Asking())
        return;
    if (direction < 0)
        chosenGap_ = std::max<std::size_t>(chosenGap_, 2) - 1;
    else
        chosenGap_ = std::min(chosenGap_ + 1, Gaps());
}

void StepSession::Answer(std::size_t gap)
{
    if (!Asking())
        return;
    quiz_.Answer(*runs_[kLeft], shown_[kLeft], gap);
    ShowPane(kLeft, runs_[kLeft]->EndOfEntry(shown_[kLeft]));
    chosenGap_ = 1;
}

}  // namespace sentinel
