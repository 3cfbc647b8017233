// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <cstdint>

#include "stepping/step_through.h"

QT_BEGIN_NAMESPACE
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
QT_END_NAMESPACE

namespace sentinel {

// What a step-through runs: the list (the start-up vectors, a short random
// list or one typed), the routine and its field, and what races beside it.
// Load asks for the runs by a signal.
class StepSource : public QWidget {
    Q_OBJECT

public:
    // What the right pane of a race runs.
    enum class Race { None, OtherRoutine, Reversed, Ascending };

    explicit StepSource(QWidget* parent = nullptr);

    // A new random list for the next inputs, so that a race's two runs share one.
    void DrawNewList();
    // The list chosen, for `routine`. Raises InputError on a typed list too
    // long or empty.
    StepInput Input(Routine routine) const;
    // What the race's right pane runs beside `left`, the left pane's run.
    StepInput RaceInput(const StepThrough& left) const;
    Routine Chosen() const;
    Routine RaceRoutine() const;
    Race RaceChosen() const;
    // The pane's title: the routine, and how its list differs.
    QString RaceTitle() const;
    void SetRace(Race race, Routine other);

signals:
    void loadRequested();

private:
    QWidget* CreateSourceDetails();
    QWidget* CreateRaceSettings();
    void SettingsChanged();

    QComboBox* source_;
    QStackedWidget* sourceDetails_;
    QComboBox* kind_;
    QComboBox* shape_;
    QSpinBox* size_;
    QPlainTextEdit* typed_;
    QComboBox* routine_;
    QSpinBox* field_;
    QComboBox* race_;
    QComboBox* raceRoutine_;
    QPushButton* load_;
    std::uint64_t seed_ = 0;  // of the random list
};

}  // namespace sentinel
