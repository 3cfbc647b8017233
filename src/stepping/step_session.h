// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>

#include "stepping/predict_quiz.h"
#include "stepping/step_through.h"

namespace sentinel {

// A step-through as one value: the run on show and, in a race, a second run
// beside it; how far each is shown; and predict mode with its quiz. Every
// change goes through here, so a position always belongs to the run it
// indexes: new runs start at their beginning, and no position passes its
// run's end.
class StepSession {
public:
    enum Pane : std::size_t { kLeft = 0, kRight = 1 };

    // Takes the runs, the right one null when there is no race, and shows
    // both from their start (the first question in predict mode). The quiz
    // starts afresh; a race ends predict mode.
    void Load(std::shared_ptr<const StepThrough> left, std::shared_ptr<const StepThrough> right);

    const std::shared_ptr<const StepThrough>& Run(Pane pane = kLeft) const noexcept { return runs_[pane]; }
    bool Racing() const noexcept { return runs_[kRight] != nullptr; }
    // The events shown of the pane's run: 0 when it has none.
    std::size_t Shown(Pane pane = kLeft) const noexcept { return shown_[pane]; }
    // Every pane with a run at its end (and at least one run).
    bool Finished() const noexcept;

    // Each pane shows the state after `events` of its own events, at most all.
    void Show(std::size_t events);
    // One event on or back, in each pane.
    void StepTest(int direction);
    // To the end of the entry under way, or back to the end of the one
    // before, in each pane by its own entries.
    void StepEntry(int direction);

    // Predict mode is for one run: false, and no change, in a race.
    bool SetPredicting(bool on);
    bool Predicting() const noexcept { return predicting_; }
    // Whether the entry shown waits for an answer.
    bool Asking() const;
    // The gap chosen so far while asking (from 1), and moving it within the
    // gaps of the list shown.
    std::optional<std::size_t> ChosenGap() const noexcept { return Asking() ? std::optional(chosenGap_) : std::nullopt; }
    void MoveChoice(int direction);
    // Answers for the entry shown with a gap, or PredictQuiz::kDropped, and
    // shows where it went. Nothing unless asking.
    void Answer(std::size_t gap);
    const PredictQuiz& Quiz() const noexcept { return quiz_; }

private:
    void ShowPane(Pane pane, std::size_t events);
    std::size_t Gaps() const;

    std::array<std::shared_ptr<const StepThrough>, 2> runs_;
    std::array<std::size_t, 2> shown_{0, 0};
    bool predicting_ = false;
    PredictQuiz quiz_;
    std::size_t chosenGap_ = 1;
};

}  // namespace sentinel
