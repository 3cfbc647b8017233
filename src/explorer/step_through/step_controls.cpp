// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/step_controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>

#include "explorer/shared/buttons.h"

namespace sentinel {

StepControls::StepControls(QWidget* parent)
    : QWidget(parent),
      entryBack_(MakeButton(QStringLiteral("|\u25C0\u25C0"), tr("Step back one entry"), tr("Back one entry (Up or Page Up)"))),
      back_(MakeButton(QStringLiteral("\u25C0"), tr("Step back one test"), tr("Back one test (Left)"))),
      play_(MakeButton(QString(), tr("Play or pause"), tr("Play or pause (Space)"))),
      stepTest_(MakeButton(QStringLiteral("\u25B6|"), tr("Step one test"), tr("One test (Right)"))),
      stepEntry_(MakeButton(QStringLiteral("\u25B6\u25B6|"), tr("Step one entry"), tr("One entry (Down or Page Down)"))),
      predict_(MakeButton(tr("&Predict"), tr("Predict mode"), tr("Say where each entry goes before it is placed"))),
      dropped_(MakeButton(tr("Dropped (D)"), tr("Answer: dropped"), tr("The entry fits no gap: it is dropped (D)"))),
      code_(MakeButton(tr("Sho&w code"), tr("Show the routine's code"), tr("The routine's code beside the list, its line lit"))),
      score_(new QLabel), speedUnit_(new QLabel), speed_(new QSlider(Qt::Horizontal)),
      scrubber_(new QSlider(Qt::Horizontal))
{
    ConnectButtons();
    SetUpSliders();
    LayOut();
    Show({});
}

void StepControls::ConnectButtons()
{
    predict_->setCheckable(true);
    code_->setCheckable(true);
    code_->setChecked(true);
    connect(code_, &QPushButton::toggled, this, &StepControls::codeShown);
    connect(entryBack_, &QPushButton::clicked, this, [this] { emit stepEntryRequested(-1); });
    connect(back_, &QPushButton::clicked, this, [this] { emit stepTestRequested(-1); });
    connect(play_, &QPushButton::clicked, this, &StepControls::playRequested);
    connect(stepTest_, &QPushButton::clicked, this, [this] { emit stepTestRequested(1); });
    connect(stepEntry_, &QPushButton::clicked, this, [this] { emit stepEntryRequested(1); });
    connect(predict_, &QPushButton::clicked, this, &StepControls::predictRequested);
    connect(dropped_, &QPushButton::clicked, this, &StepControls::droppedAnswered);
}

void StepControls::SetUpSliders()
{
    speed_->setRange(1, 40);  // tests a second
    speed_->setValue(6);
    speed_->setMinimumWidth(80);
    speed_->setMaximumWidth(140);
    speed_->setAccessibleName(tr("Speed, steps a second"));
    const auto showSpeed = [this] {
        const int perSecond = speed_->value();
        speedUnit_->setText(perSecond == 1 ? tr("1 step a second") : tr("%1 steps a second").arg(perSecond));
    };
    connect(speed_, &QSlider::valueChanged, this, [this, showSpeed] {
        showSpeed();
        emit speedChanged(Interval());
    });
    showSpeed();
    scrubber_->setMinimumWidth(120);
    scrubber_->setAccessibleName(tr("Position in the run"));
    connect(scrubber_, &QSlider::valueChanged, this,
            [this](int events) { emit positionRequested(static_cast<std::size_t>(events)); });
}

// Playback over the run above; predicting and the code below, so that
// neither row squeezes the sliders in a longer language.
void StepControls::LayOut()
{
    auto* playback = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(entryBack_), static_cast<QWidget*>(back_), static_cast<QWidget*>(play_),
                       static_cast<QWidget*>(stepTest_), static_cast<QWidget*>(stepEntry_)})
        playback->addWidget(w);
    playback->addWidget(speed_);
    playback->addWidget(speedUnit_);
    playback->addWidget(scrubber_, 1);
    auto* answers = new QHBoxLayout;
    answers->addWidget(predict_);
    answers->addWidget(dropped_);
    answers->addWidget(score_);
    answers->addStretch(1);
    answers->addWidget(code_);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(playback);
    rows->addLayout(answers);
}

int StepControls::Interval() const
{
    return 1000 / speed_->value();
}

void StepControls::Show(const State& state)
{
    // The theme's glyphs: no installed font need have a pause sign.
    play_->setIcon(style()->standardIcon(state.playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    {
        const QSignalBlocker quiet(predict_);
        predict_->setChecked(state.predicting);
    }
    predict_->setEnabled(!state.racing);
    predict_->setToolTip(state.racing ? tr("Predict mode is for one run: choose Nothing under Race beside it, then Load")
                                      : tr("Say where each entry goes before it is placed"));
    score_->setText(state.predicting ? tr("Score: %1").arg(state.score) : QString());
    dropped_->setVisible(state.predicting);
    dropped_->setEnabled(state.asking);
    {
        const QSignalBlocker quiet(scrubber_);  // a shorter run's range would move what is shown
        scrubber_->setRange(0, static_cast<int>(state.events));
        scrubber_->setValue(static_cast<int>(state.shown));
    }
    for (QWidget* control : {static_cast<QWidget*>(entryBack_), static_cast<QWidget*>(back_), static_cast<QWidget*>(play_),
                             static_cast<QWidget*>(stepTest_), static_cast<QWidget*>(stepEntry_),
                             static_cast<QWidget*>(scrubber_)})
        control->setEnabled(state.loaded && !state.asking);
}

}  // namespace sentinel
