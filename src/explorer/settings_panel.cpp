#include "explorer/settings_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <span>

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
    list->setMaximumHeight(list->sizeHintForRow(0) * static_cast<int>(values.size()) + 2 * list->frameWidth() + 4);
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
    shapes_ = Checklist<Shape>(QStringLiteral("Shapes"), kAllShapes, kDefaultShapes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateInputGroup());
    layout->addWidget(Group(QStringLiteral("Routines"), routines_));
    layout->addWidget(Group(QStringLiteral("Shapes"), shapes_));
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
    openFile_ = Button(QStringLiteral("&Open file…"), QStringLiteral("Open an input file"));

    auto* input = new QGroupBox(QStringLiteral("Input"));
    auto* layout = new QVBoxLayout(input);
    layout->addWidget(kind_);
    layout->addWidget(openFile_, 0, Qt::AlignLeft);
    return input;
}

QWidget* SettingsPanel::CreateSizesGroup()
{
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

    auto* sizes = new QGroupBox(QStringLiteral("Sizes, doubling"));
    auto* layout = new QFormLayout(sizes);
    layout->addRow(QStringLiteral("&From"), sizeFrom_);
    layout->addRow(QStringLiteral("T&o"), sizeTo_);
    layout->addRow(QStringLiteral("Re&petitions"), repeat_);
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
    status_->setWordWrap(true);
    status_->setAccessibleName(QStringLiteral("Measurement under way"));

    auto* controls = new QWidget;
    auto* layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    return controls;
}

void SettingsPanel::KindChanged()
{
    const bool file = static_cast<InputKind>(kind_->currentData().toInt()) == InputKind::File;
    for (int row = 0; row < shapes_->count(); ++row) {
        QListWidgetItem& item = *shapes_->item(row);
        const bool asGiven = kAllShapes[row] == Shape::AsGiven;
        const bool fits = file == asGiven;
        item.setFlags(fits ? item.flags() | Qt::ItemIsEnabled : item.flags() & ~Qt::ItemIsEnabled);
        if (asGiven)
            item.setCheckState(file ? Qt::Checked : Qt::Unchecked);
    }
    const int largest = file ? static_cast<int>(fileEntries_.size()) : kLargestSize;
    sizeFrom_->setMaximum(largest);
    sizeTo_->setMaximum(largest);
    if (file != fileChosen_) {  // the whole file, or back to the made data's sizes
        sizeFrom_->setValue(file ? largest : kDefaultSmallest);
        sizeTo_->setValue(file ? largest : kDefaultLargest);
    }
    fileChosen_ = file;
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
    fileChosen_ = false;  // a new file is measured whole
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
    plan.shapes = Checked<Shape>(*shapes_, kAllShapes);
    plan.sizes = DoublingSizes(sizeFrom_->value(), std::max(sizeFrom_->value(), sizeTo_->value()));
    plan.repeat = repeat_->value();
    return plan;
}

void SettingsPanel::SetRunning(bool running)
{
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    for (QWidget* setting : {static_cast<QWidget*>(kind_), static_cast<QWidget*>(openFile_),
                             static_cast<QWidget*>(routines_), static_cast<QWidget*>(shapes_),
                             static_cast<QWidget*>(sizeFrom_), static_cast<QWidget*>(sizeTo_),
                             static_cast<QWidget*>(repeat_)})
        setting->setEnabled(!running);
    if (running)
        progress_->setValue(0);
}

}  // namespace sentinel
