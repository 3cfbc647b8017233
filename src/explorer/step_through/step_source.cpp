// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/step_source.h"

#include <QComboBox>
#include <QDateTime>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

#include <algorithm>
#include <numeric>

#include "cost/inputs.h"
#include "explorer/shared/buttons.h"
#include "explorer/shared/routine_text.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

enum Source { kStartUp, kRandom, kTyped };

QComboBox* RoutineBox(const QString& name, Routine chosen)
{
    auto* box = new QComboBox;
    box->setAccessibleName(name);
    for (const Routine routine : kRoutinesAndVariants) {
        box->addItem(RoutineChoice(routine), int(routine));
        box->setItemData(box->count() - 1, RoutineChoiceTip(routine), Qt::ToolTipRole);
    }
    box->setCurrentIndex(int(chosen));
    return box;
}

// The input with its entries (and their companions) in `order`, from 0.
StepInput Reordered(const StepInput& input, const std::vector<std::size_t>& order)
{
    StepInput reordered{input.routine, input.fieldIndex, {}, {}};
    for (const std::size_t i : order) {
        reordered.entries.push_back(input.entries[i]);
        if (i < input.companion.size())
            reordered.companion.push_back(input.companion[i]);
    }
    return reordered;
}

}  // namespace

StepSource::StepSource(QWidget* parent) : QWidget(parent)
{
    source_ = new QComboBox;
    source_->setAccessibleName(tr("List to step through"));
    source_->addItems({tr("The demo's 21 start-up vectors"), tr("A short random list"), tr("A list you type or paste")});
    routine_ = RoutineBox(tr("Routine"), Routine::ByField);
    field_ = new QSpinBox;
    field_->setRange(0, 2);
    field_->setAccessibleName(tr("Field index"));
    load_ = MakeButton(tr("L&oad"), tr("Load"), tr("Record the routine's run on this list"));
    connect(load_, &QPushButton::clicked, this, &StepSource::loadRequested);
    connect(source_, &QComboBox::currentIndexChanged, this, &StepSource::SettingsChanged);
    connect(routine_, &QComboBox::currentIndexChanged, this, &StepSource::SettingsChanged);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&List"), source_);
    form->addRow(QString(), CreateSourceDetails());
    auto* routineRow = new QHBoxLayout;
    routineRow->addWidget(routine_, 1);
    auto* fieldLabel = new QLabel(tr("fi&eld"));
    fieldLabel->setBuddy(field_);
    routineRow->addWidget(fieldLabel);
    routineRow->addWidget(field_);
    routineRow->addWidget(load_);
    auto* routineLabel = new QLabel(tr("&Routine"));
    routineLabel->setBuddy(routine_);
    form->addRow(routineLabel, routineRow);
    auto* raceRow = CreateRaceSettings();
    auto* raceLabel = new QLabel(tr("Ra&ce beside it"));
    raceLabel->setBuddy(race_);
    form->addRow(raceLabel, raceRow);
    SettingsChanged();
}

QWidget* StepSource::CreateSourceDetails()
{
    kind_ = new QComboBox;
    kind_->setAccessibleName(tr("Kind of random list"));
    for (const InputKind kind : kMadeKinds)
        kind_->addItem(ToQString(NameOf(kind)), int(kind));
    shape_ = new QComboBox;
    shape_->setAccessibleName(tr("Shape of random list"));
    for (const Shape shape : MadeShapes())
        shape_->addItem(ToQString(NameOf(shape)));
    size_ = new QSpinBox;
    size_->setRange(1, int(kMostStepEntries));
    size_->setValue(12);
    size_->setAccessibleName(tr("Entries in random list"));
    typed_ = new QPlainTextEdit;
    typed_->setAccessibleName(tr("Typed list, one entry a line"));
    typed_->setPlaceholderText(tr("One entry a line, at most 60"));
    typed_->setTabChangesFocus(true);
    typed_->setMaximumHeight(90);

    auto* random = new QWidget;
    auto* randomLayout = new QHBoxLayout(random);
    randomLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(shape_), static_cast<QWidget*>(size_)})
        randomLayout->addWidget(w);
    auto* startUp = new QLabel(tr("21 vector texts, keyed on field 0; the paired routines take the 21 start-up "
                                  "numbers as keys and the texts as companion."));
    startUp->setWordWrap(true);
    sourceDetails_ = new QStackedWidget;
    sourceDetails_->addWidget(startUp);
    sourceDetails_->addWidget(random);
    sourceDetails_->addWidget(typed_);
    return sourceDetails_;
}

QWidget* StepSource::CreateRaceSettings()
{
    race_ = new QComboBox;
    race_->setAccessibleName(tr("Race beside it"));
    race_->addItems({tr("Nothing"), tr("Another routine"), tr("The same routine on the list reversed"),
                     tr("The same routine on the list in ascending key order")});
    raceRoutine_ = RoutineBox(tr("Routine of the race's right pane"), Routine::NumbersUnique);
    connect(race_, &QComboBox::currentIndexChanged, this, &StepSource::SettingsChanged);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(race_, 1);
    layout->addWidget(raceRoutine_);
    return row;
}

void StepSource::SettingsChanged()
{
    sourceDetails_->setCurrentIndex(source_->currentIndex());
    field_->setEnabled(TakesField(Chosen()));
    raceRoutine_->setEnabled(RaceChosen() == Race::OtherRoutine);
}

void StepSource::DrawNewList()
{
    seed_ = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

Routine StepSource::Chosen() const
{
    return static_cast<Routine>(routine_->currentData().toInt());
}

Routine StepSource::RaceRoutine() const
{
    return static_cast<Routine>(raceRoutine_->currentData().toInt());
}

StepSource::Race StepSource::RaceChosen() const
{
    return static_cast<Race>(race_->currentIndex());
}

void StepSource::SetRace(Race race, Routine other)
{
    race_->setCurrentIndex(int(race));
    raceRoutine_->setCurrentIndex(int(other));
}

QString StepSource::RaceTitle() const
{
    const QString name = routine_->currentText();
    switch (RaceChosen()) {
    case Race::None: return {};
    case Race::OtherRoutine: return raceRoutine_->currentText();
    case Race::Reversed: return tr("%1 on the list reversed").arg(name);
    case Race::Ascending: break;
    }
    return tr("%1 on the list in ascending key order").arg(name);
}

StepInput StepSource::Input(Routine routine) const
{
    const auto field = static_cast<std::int16_t>(field_->value());
    switch (source_->currentIndex()) {
    case kStartUp: return StartUpStepInput(routine, field);
    case kRandom: {
        sentinel::Input made = MakeInput(static_cast<InputKind>(kind_->currentData().toInt()), MadeShapes()[static_cast<std::size_t>(shape_->currentIndex())],
                               size_->value(), seed_);
        return {routine, field, std::move(made.entries), std::move(made.companion)};
    }
    default: return StepInputOf(routine, field, TypedEntries(typed_->toPlainText().toStdString()));
    }
}

StepInput StepSource::RaceInput(const StepThrough& left) const
{
    std::vector<std::size_t> order(left.Input().entries.size());
    std::iota(order.begin(), order.end(), 0);
    switch (RaceChosen()) {
    case Race::OtherRoutine: return Input(RaceRoutine());
    case Race::Reversed: std::reverse(order.begin(), order.end()); break;
    default:  // ascending key order, as a stable sort leaves it
        std::stable_sort(order.begin(), order.end(), [&left](std::size_t a, std::size_t b) {
            return left.CompareKeys(static_cast<std::int32_t>(a + 1), static_cast<std::int32_t>(b + 1)) < 0;
        });
        break;
    }
    return Reordered(left.Input(), order);
}

}  // namespace sentinel
