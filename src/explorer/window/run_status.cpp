// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/run_status.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

#include "explorer/shared/buttons.h"

namespace sentinel {

RunStatus::RunStatus(QWidget* parent)
    : QWidget(parent), run_(MakeButton(tr("&Run"), tr("Run"), tr("Measure the plan (F5)"))),
      cancel_(MakeButton(tr("&Cancel"), tr("Cancel"), tr("Stop the run; what it measured is kept (Esc)"))),
      progress_(new QProgressBar), status_(new QLabel), shown_(new QComboBox), overlaid_(new QComboBox),
      budget_(new QDoubleSpinBox), budgetAnswer_(new QLabel)
{
    run_->setDefault(true);
    progress_->setRange(0, 1000);  // the estimated work, not the count of measurements
    progress_->setValue(0);
    progress_->setAccessibleName(tr("Progress"));
    status_->setWordWrap(true);  // no accessible name: a label reads as its text
    shown_->setAccessibleName(tr("Run shown"));
    overlaid_->setAccessibleName(tr("Run laid over it"));
    // A run's title is long: the box shows its start, and its tip the whole.
    for (QComboBox* runs : {shown_, overlaid_}) {
        runs->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        runs->setMinimumContentsLength(12);
        connect(runs, &QComboBox::currentTextChanged, runs, &QComboBox::setToolTip);
    }
    budget_->setRange(0.001, 3600);
    budget_->setDecimals(3);
    budget_->setValue(1);
    budget_->setSuffix(tr(" s"));
    budget_->setAccessibleName(tr("Time budget"));
    budget_->setToolTip(tr("The largest n each routine sorts within this time, from the cost model of the run shown"));
    budgetAnswer_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    auto* runs = new QFormLayout;
    runs->addRow(tr("Shown ru&n"), shown_);
    runs->addRow(tr("Laid o&ver"), overlaid_);
    runs->addRow(tr("&Budget"), budget_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(9, 4, 9, 9);  // in line with the settings' groups above
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addLayout(runs);
    layout->addWidget(budgetAnswer_);

    connect(run_, &QPushButton::clicked, this, &RunStatus::runRequested);
    connect(cancel_, &QPushButton::clicked, this, &RunStatus::cancelRequested);
    connect(shown_, &QComboBox::activated, this, &RunStatus::showRunRequested);
    connect(overlaid_, &QComboBox::activated, this, [this](int index) { emit overlayRequested(index - 1); });
    connect(budget_, &QDoubleSpinBox::valueChanged, this, &RunStatus::budgetChanged);
    SetRuns({}, -1, -1);
    SetRunning(false);
}

void RunStatus::SetRunning(bool running)
{
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    if (running)
        progress_->setValue(0);
}

void RunStatus::FocusCancel()
{
    cancel_->setFocus();
}

void RunStatus::SetProgress(double fraction)
{
    progress_->setValue(static_cast<int>(std::lround(progress_->maximum() * fraction)));
}

void RunStatus::SetStatus(const QString& text)
{
    status_->setText(text);
}

QString RunStatus::Status() const
{
    return status_->text();
}

void RunStatus::SetRuns(const QStringList& titles, int shown, int overlaid)
{
    const QSignalBlocker quietShown(shown_);
    const QSignalBlocker quietOverlaid(overlaid_);
    shown_->clear();
    shown_->addItems(titles);
    shown_->setCurrentIndex(shown);
    overlaid_->clear();
    overlaid_->addItem(tr("Nothing"));
    overlaid_->addItems(titles);
    overlaid_->setCurrentIndex(overlaid + 1);
    for (QComboBox* runs : {shown_, overlaid_}) {
        for (int i = 0; i < runs->count(); ++i)
            runs->setItemData(i, runs->itemText(i), Qt::ToolTipRole);
        runs->setToolTip(runs->currentText());  // its signals are blocked here
    }
    shown_->setEnabled(titles.size() > 1);
    overlaid_->setEnabled(titles.size() > 1);
}

double RunStatus::Budget() const
{
    return budget_->value();
}

void RunStatus::SetBudget(double seconds)
{
    budget_->setValue(seconds);
}

void RunStatus::SetBudgetAnswer(const QString& text)
{
    budgetAnswer_->setText(text);
}

}  // namespace sentinel
