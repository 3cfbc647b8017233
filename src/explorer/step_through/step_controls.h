// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <cstddef>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
class QSlider;
QT_END_NAMESPACE

namespace sentinel {

// The playback and predict controls of a step-through: an entry back, a
// test back, play or pause, a test on, an entry on, the speed in steps a
// second, the position in the run, predict mode, "dropped", the score and
// whether the routine's code shows. They ask by signals and show the state
// they are told.
class StepControls : public QWidget {
    Q_OBJECT

public:
    explicit StepControls(QWidget* parent = nullptr);

    struct State {
        bool loaded = false;
        bool asking = false;
        bool playing = false;
        bool predicting = false;
        bool racing = false;
        std::size_t events = 0;  // of the run
        std::size_t shown = 0;
        QString score;
    };
    void Show(const State& state);
    // Milliseconds between steps while playing.
    int Interval() const;

signals:
    void stepTestRequested(int direction);
    void stepEntryRequested(int direction);
    void playRequested();
    void positionRequested(std::size_t events);
    void predictRequested(bool on);
    void droppedAnswered();
    void speedChanged(int interval);
    void codeShown(bool shown);

private:
    void ConnectButtons();
    void SetUpSliders();
    void LayOut();

    QPushButton* entryBack_;
    QPushButton* back_;
    QPushButton* play_;
    QPushButton* stepTest_;
    QPushButton* stepEntry_;
    QPushButton* predict_;
    QPushButton* dropped_;
    QPushButton* code_;
    QLabel* score_;
    QLabel* speedUnit_;
    QSlider* speed_;
    QSlider* scrubber_;
};

}  // namespace sentinel
