// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <optional>

#include "explorer/step_through/step_source.h"
#include "stepping/step_session.h"

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

namespace sentinel {

class StepControls;
class StepPane;
class TraceCanvas;

// Steps through one run of a routine on a short list: the list being built
// between its sentinels, the position under test with the test written out,
// the insertion or the drop, and the counts so far. Space plays or pauses;
// the arrow keys step one test (left and right) or one entry (up and down).
// In predict mode each entry waits for the user to say where it goes. A
// race steps a second run on the same list beside the first, in lockstep.
// The state is a StepSession; the source, the panes and the controls are
// views of it, and every request goes through it.
class StepView : public QWidget {
    Q_OBJECT

public:
    using Race = StepSource::Race;

    explicit StepView(QWidget* parent = nullptr);
    ~StepView() override;

    // Records a run from the settings; false, after a problem is told, when
    // the input cannot be stepped through (the typed text stays as it was,
    // and so does the run shown).
    bool Load();
    // Shows the state after the first `events` events, in both panes.
    void ShowEvents(std::size_t events);
    void StepTest(int direction);
    void StepEntry(int direction);
    void PlayOrPause();

    void SetPredicting(bool on);
    bool Asking() const { return session_.Asking(); }
    std::optional<std::size_t> ChosenGap() const noexcept { return session_.ChosenGap(); }
    // Answers for the entry shown: a gap, or PredictQuiz::kDropped.
    void Answer(std::size_t gap);
    const PredictQuiz& Quiz() const noexcept { return session_.Quiz(); }
    void SetRace(Race race, Routine other = Routine::NumbersUnique);

    const StepSession& Session() const noexcept { return session_; }
    const StepThrough* Recording() const noexcept { return session_.Run().get(); }
    std::size_t Shown() const noexcept { return session_.Shown(); }
    const TraceCanvas& Canvas() const noexcept;
    const StepPane& Left() const noexcept { return *left_; }
    const StepPane& Right() const noexcept { return *right_; }
    // Whether the routine's code shows beside the list (and goes into an animation).
    bool CodeShown() const noexcept { return codeShown_; }

signals:
    // Something the user must be told, such as a list that cannot be stepped through.
    void problem(const QString& text);
    // A run is on show, to step through and to export.
    void loaded();

private:
    bool HandleKey(int key);
    bool AnswerKey(int key);
    void Tick();
    void Refresh();
    void ShowQuestion();

    StepSession session_;
    StepSource* source_;
    StepPane* left_;
    StepPane* right_;
    StepControls* controls_;
    QTimer* player_;
    bool codeShown_ = true;
};

}  // namespace sentinel
