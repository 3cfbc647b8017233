#include "explorer/settings_panel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

#include "cost/input_error.h"
#include "qt_glue/qt_text.h"

namespace sentinel {
namespace {

// A list of checkable items, one a value, in the values' order.
template <class Value>
QListWidget* Checklist(const QString& name, std::span<const Value> values, std::span<const Value> checked)
{
    auto* list = new QListWidget;
    list->setAccessibleName(name);
    for (const Value& value : values) {
        auto* item = new QListWidgetItem(ToQString(NameOf(value)), list);
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

QPushButton* Button(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption);
    button->setAccessibleName(name);
    return button;
}

}  // namespace

SettingsPanel::SettingsPanel(QWidget* parent) : QWidget(parent)
{
    const Routine defaultRoutine[] = {DefaultRoutine(InputKind::Numbers)};
    routines_ = Checklist<Routine>(QStringLiteral("Routines"), kRoutines, defaultRoutine);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateInputGroup());
    layout->addWidget(Group(QStringLiteral("Routines"), routines_));
    layout->addWidget(CreateShapesGroup());
    layout->addWidget(CreateSizesGroup());
    layout->addWidget(CreateRunControls());
    layout->addStretch();
    setMinimumWidth(300);
    setMaximumWidth(380);
    SetRunning(false);
    KindChanged();
}

QWidget* SettingsPanel::CreateInputGroup()
{
    kind_ = new QComboBox;
    kind_->setAccessibleName(QStringLiteral("Input kind"));
    kind_->addItem(QStringLiteral("Number texts, as CreateNumber makes them"), int(InputKind::Numbers));
    kind_->addItem(QStringLiteral("Four-capital words, as CreateString makes them"), int(InputKind::Words));
    kind_->addItem(QStringLiteral("Vector texts \"x,y,z\" (field 0)"), int(InputKind::Vectors));
    kind_->addItem(QStringLiteral("Whole numbers with a companion list"), int(InputKind::Pairs));
    connect(kind_, &QComboBox::currentIndexChanged, this, &SettingsPanel::KindChanged);
    openFile_ = Button(QStringLiteral("Op&en file…"), QStringLiteral("Open an input file"));

    auto* input = new QGroupBox(QStringLiteral("Input"));
    auto* layout = new QVBoxLayout(input);
    layout->addWidget(kind_);
    layout->addWidget(openFile_, 0, Qt::AlignLeft);
    return input;
}

QWidget* SettingsPanel::CreateShapesGroup()
{
    shapes_ = Checklist<Shape>(QStringLiteral("Shapes"), kAllShapes, kDefaultShapes);
    auto* parameters = new QHBoxLayout;
    const auto parameter = [&](const Shape& shape, int low, const char* label, const char* name) {
        auto* box = new QSpinBox;
        box->setRange(low, kLargestSize);
        box->setValue(static_cast<int>(shape.parameter));
        box->setAccessibleName(QString::fromUtf8(name));
        parameters->addWidget(new QLabel(QString::fromUtf8(label)));
        parameters->addWidget(box, 1);
        connect(box, &QSpinBox::valueChanged, this, [this] {
            const std::vector<Shape> shapes = ShapeChoices();
            for (int row = 0; row < shapes_->count(); ++row)
                shapes_->item(row)->setText(ToQString(NameOf(shapes[static_cast<std::size_t>(row)])));
        });
        return box;
    };
    swaps_ = parameter(kSwapsShape, 0, "swaps", "Pairs swapped");
    runLength_ = parameter(kRunsShape, 1, "runs", "Run length");
    teeth_ = parameter(kSawtoothShape, 1, "teeth", "Sawtooth teeth");

    auto* group = new QGroupBox(QStringLiteral("Shapes"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(shapes_);
    layout->addLayout(parameters);
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
    }
    return shapes;
}

QWidget* SettingsPanel::CreateSizesGroup()
{
    sweep_ = new QComboBox;
    sweep_->setAccessibleName(QStringLiteral("Sweep"));
    sweep_->addItems({QStringLiteral("Sizes, doubling"), QStringLiteral("Order, at one size")});
    connect(sweep_, &QComboBox::currentIndexChanged, this, &SettingsPanel::SweepChanged);
    levels_ = new QSpinBox;
    levels_->setRange(2, 101);
    levels_->setValue(11);
    levels_->setAccessibleName(QStringLiteral("Levels of sortedness"));
    sizeFrom_ = new QSpinBox;
    sizeTo_ = new QSpinBox;
    for (auto [box, value, name] : {std::tuple{sizeFrom_, kDefaultSmallest, "Smallest size"},
                                    std::tuple{sizeTo_, kDefaultLargest, "Largest size"}}) {
        box->setRange(1, kLargestSize);
        box->setValue(value);
        box->setGroupSeparatorShown(true);
        box->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
        box->setAccessibleName(QString::fromUtf8(name));
    }
    repeat_ = new QSpinBox;
    repeat_->setRange(1, kMostRepeats);
    repeat_->setValue(kDefaultRepeats);
    repeat_->setAccessibleName(QStringLiteral("Repetitions"));

    auto* sizes = new QGroupBox(QStringLiteral("Sweep"));
    auto* layout = new QFormLayout(sizes);
    layout->addRow(QStringLiteral("S&weep"), sweep_);
    layout->addRow(QStringLiteral("Fr&om"), sizeFrom_);
    layout->addRow(QStringLiteral("&To"), sizeTo_);
    layout->addRow(QStringLiteral("&Levels"), levels_);
    layout->addRow(QStringLiteral("Re&petitions"), repeat_);
    SweepChanged();
    return sizes;
}

QWidget* SettingsPanel::CreateRunControls()
{
    run_ = Button(QStringLiteral("&Run"), QStringLiteral("Run"));
    run_->setDefault(true);
    cancel_ = Button(QStringLiteral("&Cancel"), QStringLiteral("Cancel"));
    progress_ = new QProgressBar;
    progress_->setValue(0);
    progress_->setAccessibleName(QStringLiteral("Progress"));
    status_ = new QLabel;
    status_->setWordWrap(true);  // no accessible name: a label reads as its text
    budget_ = new QDoubleSpinBox;
    budget_->setRange(0.001, 3600);
    budget_->setDecimals(3);
    budget_->setValue(1);
    budget_->setSuffix(QStringLiteral(" s"));
    budget_->setAccessibleName(QStringLiteral("Time budget"));
    budget_->setToolTip(QStringLiteral("The largest n each routine sorts within this time, from the cost model of "
                                       "the measurements shown"));
    budgetText_ = new QLabel;
    budgetText_->setWordWrap(true);

    auto* controls = new QWidget;
    auto* layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    auto* budgetRow = new QHBoxLayout;
    auto* budgetLabel = new QLabel(QStringLiteral("&Budget"));
    budgetLabel->setBuddy(budget_);
    budgetRow->addWidget(budgetLabel);
    budgetRow->addWidget(budget_, 1);
    layout->addLayout(budgetRow);
    layout->addWidget(budgetText_);
    return controls;
}

// A file is measured as given and made data in the chosen shapes: the
// shapes that do not apply are unchecked and disabled, and the made shapes
// checked before a file was chosen come back with made data.
void SettingsPanel::KindChanged()
{
    const bool file = static_cast<InputKind>(kind_->currentData().toInt()) == InputKind::File;
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
    const int largest = file ? static_cast<int>(fileEntries_.size()) : kLargestSize;
    sizeFrom_->setMaximum(largest);
    sizeTo_->setMaximum(largest);
    if (file != fileChosen_ || fileRead_) {  // the whole file, or back to the made data's sizes
        sizeFrom_->setValue(file ? largest : kDefaultSmallest);
        sizeTo_->setValue(file ? largest : kDefaultLargest);
    }
    fileChosen_ = file;
    fileRead_ = false;
}

bool SettingsPanel::OrderSweep() const
{
    return sweep_->currentIndex() == 1;
}

// An order sweep makes its own inputs at one size: From is that size.
void SettingsPanel::SweepChanged()
{
    const bool order = OrderSweep();
    if (order && static_cast<InputKind>(kind_->currentData().toInt()) == InputKind::File)
        kind_->setCurrentIndex(0);
    shapes_->setEnabled(!order);
    sizeTo_->setEnabled(!order);
    levels_->setEnabled(order);
    sizeFrom_->setToolTip(order ? QStringLiteral("The one size n of the order sweep") : QString());
    if (order && sizeFrom_->value() == kDefaultSmallest)
        sizeFrom_->setValue(kDefaultOrderSweepSize);
}

void SettingsPanel::ChooseFile(const QString& fileName, std::vector<Text> entries)
{
    fileEntries_ = std::move(entries);
    const QString label = QStringLiteral("File: %1 (%2 entries)").arg(fileName).arg(fileEntries_.size());
    const int at = kind_->findData(int(InputKind::File));
    if (at < 0)
        kind_->addItem(label, int(InputKind::File));
    else
        kind_->setItemText(at, label);
    fileRead_ = true;  // a new file is measured whole
    kind_->setCurrentIndex(kind_->findData(int(InputKind::File)));
    KindChanged();
}

SweepPlan SettingsPanel::Plan() const
{
    SweepPlan plan;
    plan.routines = Checked<Routine>(*routines_, kRoutines);
    plan.kind = static_cast<InputKind>(kind_->currentData().toInt());
    if (plan.kind == InputKind::File)
        plan.fileEntries = fileEntries_;
    if (OrderSweep()) {
        plan.shapes = OrderSweepShapes(0, 1, levels_->value());
        plan.sizes = {sizeFrom_->value()};
    } else {
        if (sizeFrom_->value() > sizeTo_->value())
            throw InputError("From (" + std::to_string(sizeFrom_->value()) + ") lies above To ("
                             + std::to_string(sizeTo_->value()) + "): choose sizes from the smaller to the larger");
        const std::vector<Shape> shapes = ShapeChoices();
        plan.shapes = Checked<Shape>(*shapes_, shapes);
        plan.sizes = DoublingSizes(sizeFrom_->value(), sizeTo_->value());
    }
    plan.repeat = repeat_->value();
    return plan;
}

namespace {

// The names of the checked items of a list, and checks the named ones.
QStringList CheckedNames(const QListWidget& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->checkState() == Qt::Checked && (list.item(row)->flags() & Qt::ItemIsEnabled))
            names << list.item(row)->text();
    return names;
}

void CheckNames(QListWidget& list, const QStringList& names)
{
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->flags() & Qt::ItemIsEnabled)
            list.item(row)->setCheckState(names.contains(list.item(row)->text()) ? Qt::Checked : Qt::Unchecked);
}

// Whether stored names can be restored: some, and every one an item's.
bool AllKnown(const QListWidget& list, const QStringList& names)
{
    return !names.isEmpty() && std::all_of(names.begin(), names.end(), [&list](const QString& name) {
        return !list.findItems(name, Qt::MatchExactly).isEmpty();
    });
}

// A stored whole number, or the fallback when it is missing or out of range.
int Stored(const QSettings& settings, const QString& key, int low, int high, int fallback)
{
    bool read = false;
    const int value = settings.value(key).toInt(&read);
    return read && value >= low && value <= high ? value : fallback;
}

}  // namespace

void SettingsPanel::Save(QSettings& settings) const
{
    settings.setValue(QStringLiteral("plan/kind"), kind_->currentData().toInt() == int(InputKind::File)
                                                       ? 0 : kind_->currentIndex());
    settings.setValue(QStringLiteral("plan/routines"), CheckedNames(*routines_));
    settings.setValue(QStringLiteral("plan/shapes"), CheckedNames(*shapes_));
    for (const auto& [key, box] : {std::pair{"plan/swaps", swaps_}, std::pair{"plan/runLength", runLength_},
                                   std::pair{"plan/teeth", teeth_}, std::pair{"plan/from", sizeFrom_},
                                   std::pair{"plan/to", sizeTo_}, std::pair{"plan/levels", levels_},
                                   std::pair{"plan/repeat", repeat_}})
        settings.setValue(QString::fromUtf8(key), box->value());
    settings.setValue(QStringLiteral("plan/sweep"), sweep_->currentIndex());
    settings.setValue(QStringLiteral("plan/budget"), budget_->value());
}

void SettingsPanel::Restore(const QSettings& settings)
{
    RestoreDefaults();
    kind_->setCurrentIndex(Stored(settings, QStringLiteral("plan/kind"), 0, kind_->count() - 1, 0));
    for (const auto& [key, box] : {std::pair{"plan/swaps", swaps_}, std::pair{"plan/runLength", runLength_},
                                   std::pair{"plan/teeth", teeth_}, std::pair{"plan/levels", levels_},
                                   std::pair{"plan/repeat", repeat_}, std::pair{"plan/from", sizeFrom_},
                                   std::pair{"plan/to", sizeTo_}})
        box->setValue(Stored(settings, QString::fromUtf8(key), box->minimum(), box->maximum(), box->value()));
    const QStringList routines = settings.value(QStringLiteral("plan/routines")).toStringList();
    if (AllKnown(*routines_, routines))
        CheckNames(*routines_, routines);
    const QStringList shapes = settings.value(QStringLiteral("plan/shapes")).toStringList();
    if (AllKnown(*shapes_, shapes))
        CheckNames(*shapes_, shapes);
    sweep_->setCurrentIndex(Stored(settings, QStringLiteral("plan/sweep"), 0, 1, 0));
    bool read = false;
    const double budget = settings.value(QStringLiteral("plan/budget")).toDouble(&read);
    if (read && budget >= budget_->minimum() && budget <= budget_->maximum())
        budget_->setValue(budget);
}

void SettingsPanel::RestoreDefaults()
{
    kind_->setCurrentIndex(0);
    sweep_->setCurrentIndex(0);
    const Routine routine = DefaultRoutine(InputKind::Numbers);
    CheckNames(*routines_, {ToQString(NameOf(routine))});
    QStringList shapes;
    for (const Shape& shape : kDefaultShapes)
        shapes << ToQString(NameOf(shape));
    swaps_->setValue(static_cast<int>(kSwapsShape.parameter));
    runLength_->setValue(static_cast<int>(kRunsShape.parameter));
    teeth_->setValue(static_cast<int>(kSawtoothShape.parameter));
    CheckNames(*shapes_, shapes);
    sizeFrom_->setValue(kDefaultSmallest);
    sizeTo_->setValue(kDefaultLargest);
    levels_->setValue(11);
    repeat_->setValue(kDefaultRepeats);
    budget_->setValue(1);
}

void SettingsPanel::SetRunning(bool running)
{
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    for (QWidget* setting : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(openFile_),
                             static_cast<QWidget*>(routines_), static_cast<QWidget*>(sweep_),
                             static_cast<QWidget*>(sizeFrom_), static_cast<QWidget*>(repeat_)})
        setting->setEnabled(!running);
    for (QWidget* setting : {static_cast<QWidget*>(shapes_), static_cast<QWidget*>(sizeTo_),
                             static_cast<QWidget*>(swaps_), static_cast<QWidget*>(runLength_),
                             static_cast<QWidget*>(teeth_)})
        setting->setEnabled(!running && !OrderSweep());
    levels_->setEnabled(!running && OrderSweep());
    if (running)
        progress_->setValue(0);
}

}  // namespace sentinel
