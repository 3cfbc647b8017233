// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/settings_panel.h"

#include <QComboBox>
#include <QCoreApplication>
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
#include <QToolButton>
#include <QVBoxLayout>

#include <tuple>

#include "explorer/shared/buttons.h"
#include "explorer/shared/routine_text.h"
#include "explorer/shared/units.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// The role that holds an item's id in the editor: a Routine, a shape row,
// an InputKind or a Sweep.
constexpr int kIdRole = Qt::UserRole;

QListWidget* Checklist(const QString& name)
{
    auto* list = new QListWidget;
    list->setAccessibleName(name);
    return list;
}

// Tall enough for every row, so that the settings scroll as one.
void FitHeight(QListWidget& list)
{
    list.setFixedHeight(list.sizeHintForRow(0) * list.count() + 2 * list.frameWidth() + 4);
}

QListWidgetItem* CheckItem(QListWidget& list, const QString& text, int id)
{
    auto* item = new QListWidgetItem(text, &list);
    item->setData(kIdRole, id);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    return item;
}

QWidget* Group(const QString& title, QWidget* content)
{
    auto* group = new QGroupBox(title);
    (new QVBoxLayout(group))->addWidget(content);
    return group;
}

QString ShapesText(const char* english)
{
    return QCoreApplication::translate("Shapes", english);
}

// A button of one sign, as narrow as its sign.
QToolButton* SmallButton(const QString& sign, const QString& name, const QString& tip)
{
    auto* button = new QToolButton;
    button->setText(sign);
    button->setAccessibleName(name);
    button->setToolTip(tip);
    return button;
}

std::size_t Row(const QListWidgetItem* item)
{
    return static_cast<std::size_t>(item->data(kIdRole).toInt());
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateInputGroup());
    layout->addWidget(CreateRoutinesGroup());
    layout->addWidget(CreateShapesGroup());
    layout->addWidget(CreateSizesGroup());
    layout->addStretch();
    setMinimumWidth(300);
    setMaximumWidth(380);
    Refresh();
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
    connect(kind_, &QComboBox::currentIndexChanged, this, &SettingsPanel::KindChosen);
    openFile_ = MakeButton(tr("Op&en file…"), tr("Open file…"), tr("Measure a text file, one entry a line"));
    connect(openFile_, &QPushButton::clicked, this, &SettingsPanel::openRequested);

    auto* input = new QGroupBox(tr("Input"));
    auto* layout = new QVBoxLayout(input);
    layout->addWidget(kind_);
    layout->addWidget(openFile_, 0, Qt::AlignLeft);
    return input;
}

QWidget* SettingsPanel::CreateRoutinesGroup()
{
    routines_ = Checklist(tr("Routines"));
    for (const Routine routine : kRoutinesAndVariants)
        CheckItem(*routines_, RoutineChoice(routine), int(routine))->setToolTip(RoutineChoiceTip(routine));
    FitHeight(*routines_);
    connect(routines_, &QListWidget::itemChanged, this, &SettingsPanel::RoutineChecked);
    return Group(tr("Routines"), routines_);
}

QWidget* SettingsPanel::CreateShapesGroup()
{
    shapes_ = Checklist(tr("Shapes"));
    connect(shapes_, &QListWidget::itemChanged, this, &SettingsPanel::ShapeChecked);
    connect(shapes_, &QListWidget::currentRowChanged, this, &SettingsPanel::RefreshParameter);
    parameterLabel_ = new QLabel;
    parameter_ = new QDoubleSpinBox;
    connect(parameter_, &QDoubleSpinBox::valueChanged, this, &SettingsPanel::ParameterChanged);
    parameterLabel_->setBuddy(parameter_);
    addShape_ = SmallButton(QStringLiteral("+"), tr("Add a shape like this one"),
                            tr("Offer the shape chosen once more, with a parameter of its own"));
    removeShape_ = SmallButton(QStringLiteral("−"), tr("Remove this shape"), tr("Remove the shape chosen from the list"));
    connect(addShape_, &QToolButton::clicked, this, &SettingsPanel::AddShape);
    connect(removeShape_, &QToolButton::clicked, this, &SettingsPanel::RemoveShape);
    auto* parameterRow = new QHBoxLayout;
    parameterRow->addWidget(parameterLabel_);
    parameterRow->addWidget(parameter_, 1);
    parameterRow->addWidget(addShape_);
    parameterRow->addWidget(removeShape_);

    auto* group = new QGroupBox(tr("Shapes"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(shapes_);
    layout->addLayout(parameterRow);
    return group;
}

QWidget* SettingsPanel::CreateSizesGroup()
{
    sweep_ = new QComboBox;
    sweep_->setAccessibleName(tr("Sweep"));
    sweep_->addItem(tr("Sizes, doubling"), int(PlanEditor::Sweep::Sizes));
    sweep_->addItem(tr("Order, at one size"), int(PlanEditor::Sweep::Order));
    connect(sweep_, &QComboBox::currentIndexChanged, this, &SettingsPanel::SweepChosen);
    levels_ = new QSpinBox;
    levels_->setRange(PlanEditor::kFewestLevels, PlanEditor::kMostLevels);
    levels_->setAccessibleName(tr("Levels of sortedness"));
    connect(levels_, &QSpinBox::valueChanged, this, [this](int levels) { editor_.SetLevels(levels); });
    sizeFrom_ = new QSpinBox;
    sizeTo_ = new QSpinBox;
    for (auto [box, name] : {std::pair{sizeFrom_, tr("Smallest size")}, std::pair{sizeTo_, tr("Largest size")}}) {
        box->setGroupSeparatorShown(true);
        box->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
        box->setAccessibleName(name);
    }
    connect(sizeFrom_, &QSpinBox::valueChanged, this, [this](int n) { editor_.SetFrom(n); });
    connect(sizeTo_, &QSpinBox::valueChanged, this, [this](int n) { editor_.SetTo(n); });
    repeat_ = new QSpinBox;
    repeat_->setRange(1, kMostRepeats);
    repeat_->setAccessibleName(tr("Repetitions"));
    connect(repeat_, &QSpinBox::valueChanged, this, [this](int repeat) { editor_.SetRepeat(repeat); });

    auto* sizes = new QGroupBox(tr("Sweep"));
    auto* layout = new QFormLayout(sizes);
    layout->addRow(tr("S&weep"), sweep_);
    layout->addRow(tr("Fr&om"), sizeFrom_);
    layout->addRow(tr("&To"), sizeTo_);
    layout->addRow(tr("&Levels"), levels_);
    layout->addRow(tr("Re&petitions"), repeat_);
    return sizes;
}

void SettingsPanel::Refresh()
{
    const QSignalBlocker quietKind(kind_), quietRoutines(routines_), quietSweep(sweep_), quietLevels(levels_),
        quietFrom(sizeFrom_), quietTo(sizeTo_), quietRepeat(repeat_);
    if (const SweepPlan* file = editor_.OfferedFile()) {
        const QString label = tr("File: %1 (%2 entries)")
                                  .arg(QFileInfo(QString::fromStdString(file->inputPath)).fileName())
                                  .arg(Grouping().toString(qlonglong(file->FileEntries().size())));
        const int at = kind_->findData(int(InputKind::File));
        if (at < 0)
            kind_->addItem(label, int(InputKind::File));
        else
            kind_->setItemText(at, label);
    }
    kind_->setCurrentIndex(kind_->findData(int(editor_.Kind())));
    for (int row = 0; row < routines_->count(); ++row) {
        QListWidgetItem& item = *routines_->item(row);
        item.setCheckState(editor_.RoutineChosen(static_cast<Routine>(item.data(kIdRole).toInt())) ? Qt::Checked
                                                                                                    : Qt::Unchecked);
    }
    const bool order = editor_.SweepKind() == PlanEditor::Sweep::Order;
    sweep_->setCurrentIndex(sweep_->findData(int(editor_.SweepKind())));
    levels_->setValue(editor_.Levels());
    for (QSpinBox* box : {sizeFrom_, sizeTo_})
        box->setMaximum(editor_.LargestSize());
    sizeFrom_->setValue(editor_.From());
    sizeTo_->setValue(editor_.To());
    sizeFrom_->setToolTip(order ? tr("The one size n of the order sweep") : QString());
    repeat_->setValue(editor_.Repeat());
    RefreshShapes();
    SetRunning(running_);
}

// The shape list holds a row for each of the editor's, in its order; a row
// that does not apply to the input reads as unchecked and is disabled.
void SettingsPanel::RefreshShapes()
{
    const QSignalBlocker quiet(shapes_);
    const int current = shapes_->currentRow();
    const auto& rows = editor_.ShapeRows();
    while (shapes_->count() > static_cast<int>(rows.size()))
        delete shapes_->takeItem(shapes_->count() - 1);
    while (shapes_->count() < static_cast<int>(rows.size()))
        CheckItem(*shapes_, {}, shapes_->count());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        QListWidgetItem& item = *shapes_->item(static_cast<int>(row));
        const bool offered = editor_.Offered(row);
        item.setText(ToQString(NameOf(rows[row].shape)));
        item.setToolTip(QCoreApplication::translate("Shapes", FamilyOf(rows[row].shape.kind).description));
        item.setFlags(offered ? item.flags() | Qt::ItemIsEnabled : item.flags() & ~Qt::ItemIsEnabled);
        item.setCheckState(rows[row].chosen && offered ? Qt::Checked : Qt::Unchecked);
    }
    FitHeight(*shapes_);
    shapes_->setCurrentRow(std::min(current, shapes_->count() - 1));
    RefreshParameter();
}

// The parameter beside the list is the current row's, named as its family names it.
void SettingsPanel::RefreshParameter()
{
    const int row = CurrentShapeRow();
    const QSignalBlocker quiet(parameter_);
    const ShapeFamily* family = row < 0 ? nullptr : &FamilyOf(editor_.ShapeRows()[std::size_t(row)].shape.kind);
    const bool takes = family && family->TakesParameter();
    const QString name = takes ? ShapesText(family->parameter.label) : tr("Parameter");
    parameterLabel_->setText(name);
    parameter_->setAccessibleName(name);
    parameter_->setSpecialValueText(takes ? QString() : QStringLiteral("—"));
    if (takes) {
        parameter_->setDecimals(family->parameter.decimals);
        parameter_->setSingleStep(family->parameter.decimals > 0 ? 0.05 : 1);
        parameter_->setRange(family->parameter.low, family->parameter.high);
        parameter_->setValue(editor_.ShapeRows()[std::size_t(row)].shape.parameter);
        parameter_->setToolTip(tr("%1: %2").arg(QString::fromStdString(family->Syntax()),
                                                ShapesText(family->description)));
    } else {
        parameter_->setRange(0, 0);
        parameter_->setToolTip(tr("Choose a shape with a parameter in the list to set it here"));
    }
    SetRunning(running_);
}

int SettingsPanel::CurrentShapeRow() const
{
    const QListWidgetItem* item = shapes_->currentItem();
    return item ? static_cast<int>(Row(item)) : -1;
}

void SettingsPanel::KindChosen()
{
    editor_.SetKind(static_cast<InputKind>(kind_->currentData().toInt()));
    Refresh();
}

void SettingsPanel::SweepChosen()
{
    editor_.SetSweep(static_cast<PlanEditor::Sweep>(sweep_->currentData().toInt()));
    Refresh();
}

void SettingsPanel::RoutineChecked(QListWidgetItem* item)
{
    editor_.ChooseRoutine(static_cast<Routine>(item->data(kIdRole).toInt()), item->checkState() == Qt::Checked);
}

void SettingsPanel::ShapeChecked(QListWidgetItem* item)
{
    editor_.ChooseShape(Row(item), item->checkState() == Qt::Checked);
}

void SettingsPanel::ParameterChanged(double value)
{
    const int row = CurrentShapeRow();
    if (row < 0)
        return;
    editor_.SetParameter(std::size_t(row), value);
    RefreshShapes();
}

void SettingsPanel::AddShape()
{
    const int row = CurrentShapeRow();
    if (row < 0 || !FamilyOf(editor_.ShapeRows()[std::size_t(row)].shape.kind).TakesParameter())
        return;
    const std::size_t added = editor_.AddShapeLike(std::size_t(row));
    RefreshShapes();
    shapes_->setCurrentRow(static_cast<int>(added));
}

void SettingsPanel::RemoveShape()
{
    const int row = CurrentShapeRow();
    if (row < 0)
        return;
    editor_.RemoveShape(std::size_t(row));
    RefreshShapes();
}

std::optional<Routine> SettingsPanel::ChooseFile(std::string path, std::shared_ptr<const std::vector<Text>> entries)
{
    const std::optional<Routine> chosen = editor_.ChooseFile(std::move(path), std::move(entries));
    Refresh();
    return chosen;
}

void SettingsPanel::ShowPlan(const SweepPlan& plan)
{
    editor_.Load(plan);
    Refresh();
}

void SettingsPanel::SetRunning(bool running)
{
    running_ = running;
    const bool order = editor_.SweepKind() == PlanEditor::Sweep::Order;
    for (QWidget* setting : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(openFile_),
                             static_cast<QWidget*>(routines_), static_cast<QWidget*>(sweep_),
                             static_cast<QWidget*>(sizeFrom_), static_cast<QWidget*>(repeat_)})
        setting->setEnabled(!running);
    for (QWidget* setting : {static_cast<QWidget*>(shapes_), static_cast<QWidget*>(sizeTo_)})
        setting->setEnabled(!running && !order);
    const int row = CurrentShapeRow();
    const bool parameterised = row >= 0 && FamilyOf(editor_.ShapeRows()[std::size_t(row)].shape.kind).TakesParameter();
    parameter_->setEnabled(!running && !order && parameterised);
    addShape_->setEnabled(!running && !order && parameterised);
    removeShape_->setEnabled(!running && !order && row >= 0 && editor_.Removable(std::size_t(row)));
    levels_->setEnabled(!running && order);
}

}  // namespace sentinel
