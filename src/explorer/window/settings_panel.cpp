// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/settings_panel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <tuple>

#include "cost/input_error.h"
#include "explorer/shared/buttons.h"
#include "explorer/shared/routine_text.h"
#include "explorer/shared/units.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

QString ChoiceText(Routine routine)
{
    return RoutineChoice(routine);
}
QString ChoiceTip(Routine routine)
{
    return RoutineChoiceTip(routine);
}
QString ChoiceText(const Shape& shape)
{
    return ToQString(NameOf(shape));
}
QString ChoiceTip(const Shape&)
{
    return {};
}

// A list of checkable items, one a value, in the values' order.
template <class Value>
QListWidget* Checklist(const QString& name, std::span<const Value> values, std::span<const Value> checked)
{
    auto* list = new QListWidget;
    list->setAccessibleName(name);
    for (const Value& value : values) {
        auto* item = new QListWidgetItem(ChoiceText(value), list);
        item->setToolTip(ChoiceTip(value));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(std::find(checked.begin(), checked.end(), value) != checked.end() ? Qt::Checked
                                                                                              : Qt::Unchecked);
    }
    list->setFixedHeight(list->sizeHintForRow(0) * static_cast<int>(values.size()) + 2 * list->frameWidth() + 4);
    return list;
}

// The values whose items are checked and enabled.
template <class Value>
std::vector<Value> Checked(const QListWidget& list, std::span<const Value> values)
{
    std::vector<Value> checked;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem& item = *list.item(row);
        if (item.checkState() == Qt::Checked && (item.flags() & Qt::ItemIsEnabled))
            checked.push_back(values[static_cast<std::size_t>(row)]);
    }
    return checked;
}

QWidget* Group(const QString& title, QWidget* content)
{
    auto* group = new QGroupBox(title);
    (new QVBoxLayout(group))->addWidget(content);
    return group;
}


// Checks the enabled items named, and unchecks the others.
void CheckNames(QListWidget& list, const QStringList& names)
{
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->flags() & Qt::ItemIsEnabled)
            list.item(row)->setCheckState(names.contains(list.item(row)->text()) ? Qt::Checked : Qt::Unchecked);
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    const Routine defaultRoutine[] = {DefaultRoutine(InputKind::Numbers)};
    routines_ = Checklist<Routine>(tr("Routines"), kRoutinesAndVariants, defaultRoutine);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateInputGroup());
    layout->addWidget(Group(tr("Routines"), routines_));
    layout->addWidget(CreateShapesGroup());
    layout->addWidget(CreateSizesGroup());
    layout->addStretch();
    setMinimumWidth(300);
    setMaximumWidth(380);
    SetRunning(false);
    KindChanged();
}

QWidget* SettingsPanel::CreateInputGroup()
{
    kind_ = new QComboBox;
    kind_->setAccessibleName(tr("Input kind"));
    // Short enough for the narrowest window, in any language; the tip says more.
    const std::tuple<InputKind, QString, QString> kinds[] = {
        {InputKind::Numbers, tr("Number texts (CreateNumber)"), tr("Number texts, as CreateNumber makes them")},
        {InputKind::Words, tr("Words (CreateString)"), tr("Four-capital words, as CreateString makes them")},
        {InputKind::Vectors, tr("Vector texts x,y,z (field 0)"), tr("Vector texts \"x,y,z\", keyed on field 0")},
        {InputKind::Pairs, tr("Numbers with companions"), tr("Whole numbers, each with a text of a companion list")}};
    for (const auto& [kind, text, tip] : kinds) {
        kind_->addItem(text, int(kind));
        kind_->setItemData(kind_->count() - 1, tip, Qt::ToolTipRole);
    }
    connect(kind_, &QComboBox::currentIndexChanged, this, &SettingsPanel::KindChanged);
    openFile_ = MakeButton(tr("Op&en file…"), tr("Open file…"), tr("Measure a text file, one entry a line"));
    connect(openFile_, &QPushButton::clicked, this, &SettingsPanel::openRequested);

    auto* input = new QGroupBox(tr("Input"));
    auto* layout = new QVBoxLayout(input);
    layout->addWidget(kind_);
    layout->addWidget(openFile_, 0, Qt::AlignLeft);
    return input;
}

QWidget* SettingsPanel::CreateShapesGroup()
{
    shapes_ = Checklist<Shape>(tr("Shapes"), kAllShapes, kDefaultShapes);
    auto* parameters = new QHBoxLayout;
    const auto parameter = [&](const Shape& shape, int low, const char* label, const QString& name) {
        auto* box = new QSpinBox;
        box->setRange(low, kLargestSize);
        box->setValue(static_cast<int>(shape.parameter));
        box->setAccessibleName(name);
        parameters->addWidget(new QLabel(QString::fromUtf8(label)));
        parameters->addWidget(box, 1);
        connect(box, &QSpinBox::valueChanged, this, &SettingsPanel::RenameShapes);
        return box;
    };
    // The labels are the shapes' own words, as the list and the command line name them.
    swaps_ = parameter(kSwapsShape, 0, "swaps", tr("Pairs swapped"));
    runLength_ = parameter(kRunsShape, 1, "runs", tr("Run length"));
    teeth_ = parameter(kSawtoothShape, 1, "teeth", tr("Sawtooth teeth"));
    sortedness_ = new QDoubleSpinBox;
    sortedness_->setRange(0, 1);
    sortedness_->setDecimals(2);
    sortedness_->setSingleStep(0.05);
    sortedness_->setValue(kSortedShape.parameter);
    sortedness_->setAccessibleName(tr("Sortedness"));
    sortedness_->setToolTip(tr("sorted:S, the share of pairs in order, from 0 (descending) to 1 (ascending)"));
    connect(sortedness_, &QDoubleSpinBox::valueChanged, this, &SettingsPanel::RenameShapes);
    auto* sortedRow = new QHBoxLayout;
    sortedRow->addWidget(new QLabel(QStringLiteral("sorted")));
    sortedRow->addWidget(sortedness_, 1);
    sortedRow->addStretch(2);

    auto* group = new QGroupBox(tr("Shapes"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(shapes_);
    layout->addLayout(parameters);
    layout->addLayout(sortedRow);
    return group;
}

std::vector<Shape> SettingsPanel::ShapeChoices() const
{
    std::vector<Shape> shapes(std::begin(kAllShapes), std::end(kAllShapes));
    for (Shape& shape : shapes) {
        for (const auto& [kind, box] : {std::pair{ShapeKind::Swaps, swaps_}, std::pair{ShapeKind::Runs, runLength_},
                                        std::pair{ShapeKind::Sawtooth, teeth_}})
            if (shape.kind == kind)
                shape.parameter = box->value();
        if (shape.kind == ShapeKind::Sorted)
            shape.parameter = sortedness_->value();
    }
    return shapes;
}

// Each shape's item named with its parameter as set.
void SettingsPanel::RenameShapes()
{
    const std::vector<Shape> shapes = ShapeChoices();
    for (int row = 0; row < shapes_->count(); ++row)
        shapes_->item(row)->setText(ToQString(NameOf(shapes[static_cast<std::size_t>(row)])));
}

QWidget* SettingsPanel::CreateSizesGroup()
{
    sweep_ = new QComboBox;
    sweep_->setAccessibleName(tr("Sweep"));
    sweep_->addItems({tr("Sizes, doubling"), tr("Order, at one size")});
    connect(sweep_, &QComboBox::currentIndexChanged, this, &SettingsPanel::SweepChanged);
    levels_ = new QSpinBox;
    levels_->setRange(2, 101);
    levels_->setValue(11);
    levels_->setAccessibleName(tr("Levels of sortedness"));
    sizeFrom_ = new QSpinBox;
    sizeTo_ = new QSpinBox;
    for (auto [box, value, name] : {std::tuple{sizeFrom_, kDefaultSmallest, tr("Smallest size")},
                                    std::tuple{sizeTo_, kDefaultLargest, tr("Largest size")}}) {
        box->setRange(1, kLargestSize);
        box->setValue(value);
        box->setGroupSeparatorShown(true);
        box->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
        box->setAccessibleName(name);
    }
    repeat_ = new QSpinBox;
    repeat_->setRange(1, kMostRepeats);
    repeat_->setValue(kDefaultRepeats);
    repeat_->setAccessibleName(tr("Repetitions"));

    auto* sizes = new QGroupBox(tr("Sweep"));
    auto* layout = new QFormLayout(sizes);
    layout->addRow(tr("S&weep"), sweep_);
    layout->addRow(tr("Fr&om"), sizeFrom_);
    layout->addRow(tr("&To"), sizeTo_);
    layout->addRow(tr("&Levels"), levels_);
    layout->addRow(tr("Re&petitions"), repeat_);
    SweepChanged();
    return sizes;
}

// A file is measured as given and made data in the chosen shapes: the
// shapes that do not apply are unchecked and disabled, and the made shapes
// checked before a file was chosen come back with made data.
void SettingsPanel::KindChanged()
{
    const bool file = FileChosen();
    if (file && OrderSweep())
        sweep_->setCurrentIndex(0);  // a file is measured as given
    for (int row = 0; row < shapes_->count(); ++row) {
        QListWidgetItem& item = *shapes_->item(row);
        const bool asGiven = kAllShapes[static_cast<std::size_t>(row)] == Shape::AsGiven;
        item.setFlags(file == asGiven ? item.flags() | Qt::ItemIsEnabled : item.flags() & ~Qt::ItemIsEnabled);
        if (file != fileChosen_) {
            if (asGiven) {
                item.setCheckState(file ? Qt::Checked : Qt::Unchecked);
            } else if (file) {
                item.setData(Qt::UserRole, item.checkState());
                item.setCheckState(Qt::Unchecked);
            } else {
                item.setCheckState(item.data(Qt::UserRole).value<Qt::CheckState>());
            }
        }
    }
    const int largest = file ? static_cast<int>(file_.FileEntries().size()) : kLargestSize;
    sizeFrom_->setMaximum(largest);
    sizeTo_->setMaximum(largest);
    if (file != fileChosen_) {  // the whole file, or back to the made data's sizes
        sizeFrom_->setValue(file ? largest : kDefaultSmallest);
        sizeTo_->setValue(file ? largest : kDefaultLargest);
    }
    fileChosen_ = file;
}

bool SettingsPanel::FileChosen() const
{
    return static_cast<InputKind>(kind_->currentData().toInt()) == InputKind::File;
}

bool SettingsPanel::OrderSweep() const
{
    return sweep_->currentIndex() == 1;
}

// An order sweep makes its own inputs at one size: From is that size.
void SettingsPanel::SweepChanged()
{
    const bool order = OrderSweep();
    if (order && FileChosen())
        kind_->setCurrentIndex(0);
    shapes_->setEnabled(!order);
    sizeTo_->setEnabled(!order);
    levels_->setEnabled(order);
    sizeFrom_->setToolTip(order ? tr("The one size n of the order sweep") : QString());
    if (order && sizeFrom_->value() == kDefaultSmallest)
        sizeFrom_->setValue(kDefaultOrderSweepSize);
}

void SettingsPanel::OfferFile(const SweepPlan& plan)
{
    file_ = plan;
    const QString label = tr("File: %1 (%2 entries)")
                              .arg(QFileInfo(QString::fromStdString(plan.inputPath)).fileName())
                              .arg(Grouping().toString(qlonglong(plan.FileEntries().size())));
    const int at = kind_->findData(int(InputKind::File));
    if (at < 0)
        kind_->addItem(label, int(InputKind::File));
    else
        kind_->setItemText(at, label);
}

void SettingsPanel::ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries)
{
    SweepPlan file;
    file.UseFile(std::move(path), std::move(entries));
    OfferFile(file);
    fileChosen_ = false;  // the whole of the new file
    const QSignalBlocker quiet(kind_);
    kind_->setCurrentIndex(kind_->findData(int(InputKind::File)));
    KindChanged();
    givenSizes_.clear();
}

void SettingsPanel::ShowPlan(const SweepPlan& plan)
{
    const bool file = plan.kind == InputKind::File;
    if (file)
        OfferFile(plan);
    fileChosen_ = !file;  // the kind's shapes and sizes are set afresh
    kind_->setCurrentIndex(kind_->findData(int(plan.kind)));
    KindChanged();
    sweep_->setCurrentIndex(plan.IsOrderSweep() ? 1 : 0);
    QStringList routines, shapes;
    for (const Routine routine : plan.routines)
        routines << ToQString(NameOf(routine));
    CheckNames(*routines_, routines);
    for (const Shape& shape : plan.shapes) {
        shapes << ToQString(NameOf(shape));
        for (const auto& [kind, box] : {std::pair{ShapeKind::Swaps, swaps_}, std::pair{ShapeKind::Runs, runLength_},
                                        std::pair{ShapeKind::Sawtooth, teeth_}})
            if (shape.kind == kind)
                box->setValue(static_cast<int>(shape.parameter));
        if (shape.kind == ShapeKind::Sorted && !plan.IsOrderSweep())
            sortedness_->setValue(shape.parameter);
    }
    if (!plan.IsOrderSweep())
        CheckNames(*shapes_, shapes);
    levels_->setValue(plan.IsOrderSweep() ? static_cast<int>(plan.shapes.size()) : levels_->value());
    sizeFrom_->setValue(plan.sizes.front());
    sizeTo_->setValue(plan.sizes.back());
    repeat_->setValue(plan.repeat);
    givenSizes_ = plan.sizes;
    givenLevels_ = plan.IsOrderSweep() ? plan.shapes : std::vector<Shape>();
}

SweepPlan SettingsPanel::Plan() const
{
    SweepPlan plan = FileChosen() ? file_ : SweepPlan();
    plan.routines = Checked<Routine>(*routines_, kRoutinesAndVariants);
    plan.kind = static_cast<InputKind>(kind_->currentData().toInt());
    const bool sizesAsGiven = !givenSizes_.empty() && sizeFrom_->value() == givenSizes_.front()
                           && (OrderSweep() || sizeTo_->value() == givenSizes_.back());
    if (OrderSweep()) {
        const bool levelsAsGiven = static_cast<int>(givenLevels_.size()) == levels_->value();
        plan.shapes = levelsAsGiven ? givenLevels_ : OrderSweepShapes(0, 1, levels_->value());
        plan.sizes = {sizeFrom_->value()};
    } else {
        if (sizeFrom_->value() > sizeTo_->value())
            throw InputError("From (" + std::to_string(sizeFrom_->value()) + ") lies above To ("
                             + std::to_string(sizeTo_->value()) + "): choose sizes from the smaller to the larger");
        plan.shapes = Checked<Shape>(*shapes_, ShapeChoices());
        plan.sizes = sizesAsGiven ? givenSizes_ : DoublingSizes(sizeFrom_->value(), sizeTo_->value());
    }
    plan.repeat = repeat_->value();
    return plan;
}


void SettingsPanel::SetRunning(bool running)
{
    for (QWidget* setting : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(openFile_),
                             static_cast<QWidget*>(routines_), static_cast<QWidget*>(sweep_),
                             static_cast<QWidget*>(sizeFrom_), static_cast<QWidget*>(repeat_)})
        setting->setEnabled(!running);
    for (QWidget* setting : {static_cast<QWidget*>(shapes_), static_cast<QWidget*>(sizeTo_),
                             static_cast<QWidget*>(swaps_), static_cast<QWidget*>(runLength_),
                             static_cast<QWidget*>(teeth_), static_cast<QWidget*>(sortedness_)})
        setting->setEnabled(!running && !OrderSweep());
    levels_->setEnabled(!running && OrderSweep());
}

}  // namespace sentinel
