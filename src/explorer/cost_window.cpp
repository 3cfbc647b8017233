#include "qt_glue/qt_text.h"
#include "explorer/cost_window.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <fstream>
#include <span>

#include "cost/csv.h"
#include "cost/input_error.h"
#include "cost/text_file.h"
#include "explorer/cost_charts.h"
#include "explorer/results_model.h"
#include "explorer/step_view.h"

namespace sentinel {
namespace {

QString Duration(double seconds)
{
    return seconds < 1 ? QStringLiteral("under a second") : QStringLiteral("about %1 s").arg(std::ceil(seconds));
}

// A list of checkable items, each holding its enum value.
template <class Enum>
QListWidget* Checklist(const QString& name, std::span<const Enum> values, std::initializer_list<Enum> checked)
{
    auto* list = new QListWidget;
    list->setAccessibleName(name);
    for (const Enum value : values) {
        auto* item = new QListWidgetItem(ToQString(NameOf(value)), list);
        item->setData(Qt::UserRole, static_cast<int>(value));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(std::find(checked.begin(), checked.end(), value) != checked.end() ? Qt::Checked
                                                                                              : Qt::Unchecked);
    }
    list->setMaximumHeight(list->sizeHintForRow(0) * static_cast<int>(values.size()) + 2 * list->frameWidth() + 4);
    return list;
}

template <class Enum>
std::vector<Enum> Checked(const QListWidget& list)
{
    std::vector<Enum> values;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem& item = *list.item(row);
        if (item.checkState() == Qt::Checked && (item.flags() & Qt::ItemIsEnabled))
            values.push_back(static_cast<Enum>(item.data(Qt::UserRole).toInt()));
    }
    return values;
}

QChartView* ChartView(QChart* chart, const QString& name)
{
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(name);
    return view;
}

constexpr Shape kShapeChoices[] = {Shape::Random, Shape::Ascending, Shape::Descending, Shape::Equal,
                                   Shape::Few,    Shape::Nearly,    Shape::AsGiven};

}  // namespace

CostWindow::CostWindow(Complaint complain, QWidget* parent)
    : QMainWindow(parent), complain_(std::move(complain)), results_(new ResultsModel(this)),
      timeChart_(new QChart), stepsChart_(new QChart)
{
    if (!complain_)
        complain_ = [this](const QString& problem) { QMessageBox::warning(this, windowTitle(), problem); };
    redraw_ = new QTimer(this);
    redraw_->setSingleShot(true);
    redraw_->setInterval(100);
    connect(redraw_, &QTimer::timeout, this, [this] { DrawCharts(*timeChart_, *stepsChart_, shown_); });
    setWindowTitle(QStringLiteral("Sentinel insertion: cost explorer"));
    timeChart_->setTitle(QStringLiteral("Time against n (log-log); floor dashed"));
    stepsChart_->setTitle(QStringLiteral("Scan steps against n (log-log)"));
    timeView_ = ChartView(timeChart_, QStringLiteral("Time chart"));
    stepsView_ = ChartView(stepsChart_, QStringLiteral("Steps chart"));

    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(results_);
    sorted->setSortRole(Qt::UserRole);
    table_ = new QTableView;
    table_->setModel(sorted);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);  // measurement order until a header is clicked
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setAccessibleName(QStringLiteral("Results table"));

    tabs_ = new QTabWidget;
    tabs_->setAccessibleName(QStringLiteral("Charts and results"));
    tabs_->addTab(timeView_, QStringLiteral("&Time"));
    tabs_->addTab(stepsView_, QStringLiteral("S&teps"));
    tabs_->addTab(table_, QStringLiteral("&Results"));
    steps_ = new StepView([this](const QString& problem) { complain_(problem); });
    tabs_->addTab(steps_, QStringLiteral("Step t&hrough"));

    auto* splitter = new QSplitter;
    QWidget* settings = CreateSettings();
    splitter->addWidget(settings);
    // The sweep's settings make no sense beside a step-through, which has its own.
    connect(tabs_, &QTabWidget::currentChanged, settings,
            [this, settings](int tab) { settings->setVisible(tabs_->widget(tab) != steps_); });
    splitter->addWidget(tabs_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    CreateMenus();
    setMinimumSize(900, 560);
    resize(1280, 760);
    SetRunning(false);
    KindChanged();
    status_->setText(QStringLiteral("Choose what to measure, then Run (F5)."));
}

CostWindow::~CostWindow()
{
    runner_.Cancel();
    runner_.Wait();  // no event of the worker outlives the window
}

QWidget* CostWindow::CreateSettings()
{
    kind_ = new QComboBox;
    kind_->setAccessibleName(QStringLiteral("Input kind"));
    kind_->addItem(QStringLiteral("Number texts, as CreateNumber makes them"), int(InputKind::Numbers));
    kind_->addItem(QStringLiteral("Four-capital words, as CreateString makes them"), int(InputKind::Words));
    kind_->addItem(QStringLiteral("Vector texts \"x,y,z\" (field 0)"), int(InputKind::Vectors));
    kind_->addItem(QStringLiteral("Whole numbers with a companion list"), int(InputKind::Pairs));
    connect(kind_, &QComboBox::currentIndexChanged, this, &CostWindow::KindChanged);
    openFile_ = new QPushButton(QStringLiteral("&Open file…"));
    openFile_->setAccessibleName(QStringLiteral("Open an input file"));
    connect(openFile_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open a text file, one entry a line"));
        if (!path.isEmpty())
            OpenInput(path);
    });

    routines_ = Checklist<Routine>(QStringLiteral("Routines"), kRoutines, {Routine::Numbers});
    shapes_ = Checklist<Shape>(QStringLiteral("Shapes"), kShapeChoices,
                               {Shape::Random, Shape::Ascending, Shape::Descending});

    sizeFrom_ = new QSpinBox;
    sizeTo_ = new QSpinBox;
    for (auto [box, value, name] : {std::tuple{sizeFrom_, 250, "Smallest size"}, std::tuple{sizeTo_, 16000, "Largest size"}}) {
        box->setRange(1, kLargestSize);
        box->setValue(value);
        box->setGroupSeparatorShown(true);
        box->setStepType(QAbstractSpinBox::AdaptiveDecimalStepType);
        box->setAccessibleName(QString::fromUtf8(name));
    }
    repeat_ = new QSpinBox;
    repeat_->setRange(1, 100);
    repeat_->setValue(3);
    repeat_->setAccessibleName(QStringLiteral("Repetitions"));

    run_ = new QPushButton(QStringLiteral("&Run"));
    run_->setDefault(true);
    run_->setAccessibleName(QStringLiteral("Run"));
    cancel_ = new QPushButton(QStringLiteral("&Cancel"));
    cancel_->setAccessibleName(QStringLiteral("Cancel"));
    connect(run_, &QPushButton::clicked, this, &CostWindow::Run);
    connect(cancel_, &QPushButton::clicked, this, &CostWindow::Cancel);
    progress_ = new QProgressBar;
    progress_->setValue(0);
    progress_->setAccessibleName(QStringLiteral("Progress"));
    status_ = new QLabel;
    status_->setWordWrap(true);
    status_->setAccessibleName(QStringLiteral("Measurement under way"));

    auto* input = new QGroupBox(QStringLiteral("Input"));
    auto* inputLayout = new QVBoxLayout(input);
    inputLayout->addWidget(kind_);
    inputLayout->addWidget(openFile_, 0, Qt::AlignLeft);
    auto* routinesBox = new QGroupBox(QStringLiteral("Routines"));
    (new QVBoxLayout(routinesBox))->addWidget(routines_);
    auto* shapesBox = new QGroupBox(QStringLiteral("Shapes"));
    (new QVBoxLayout(shapesBox))->addWidget(shapes_);
    auto* sizes = new QGroupBox(QStringLiteral("Sizes, doubling"));
    auto* sizesLayout = new QFormLayout(sizes);
    sizesLayout->addRow(QStringLiteral("&From"), sizeFrom_);
    sizesLayout->addRow(QStringLiteral("T&o"), sizeTo_);
    sizesLayout->addRow(QStringLiteral("Re&petitions"), repeat_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(run_);
    buttons->addWidget(cancel_);

    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    for (QWidget* group : {static_cast<QWidget*>(input), static_cast<QWidget*>(routinesBox),
                           static_cast<QWidget*>(shapesBox), static_cast<QWidget*>(sizes)})
        layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch();
    panel->setMinimumWidth(300);
    panel->setMaximumWidth(380);
    return panel;
}

void CostWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open Input File…"), QKeySequence::Open, openFile_, &QPushButton::click);
    file->addAction(QStringLiteral("Export Results as &CSV…"), QKeySequence(Qt::CTRL | Qt::Key_E), this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the results"),
                                                          QStringLiteral("sentinel-cost.csv"),
                                                          QStringLiteral("CSV (*.csv)"));
        if (!path.isEmpty())
            ExportCsv(path);
    });
    file->addAction(QStringLiteral("Export Chart as &PNG…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this,
                    [this] {
                        const QString path = QFileDialog::getSaveFileName(
                            this, QStringLiteral("Export the chart shown"), QStringLiteral("sentinel-cost.png"),
                            QStringLiteral("PNG image (*.png)"));
                        if (!path.isEmpty())
                            ExportChart(path);
                    });
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu* measure = menuBar()->addMenu(QStringLiteral("&Measure"));
    measure->addAction(QStringLiteral("&Run"), QKeySequence(Qt::Key_F5), this, &CostWindow::Run);
    measure->addAction(QStringLiteral("&Cancel"), QKeySequence(Qt::Key_Escape), this, &CostWindow::Cancel);
}

void CostWindow::KindChanged()
{
    const bool file = static_cast<InputKind>(kind_->currentData().toInt()) == InputKind::File;
    for (int row = 0; row < shapes_->count(); ++row) {
        QListWidgetItem& item = *shapes_->item(row);
        const bool asGiven = static_cast<Shape>(item.data(Qt::UserRole).toInt()) == Shape::AsGiven;
        const bool fits = file == asGiven;
        item.setFlags(fits ? item.flags() | Qt::ItemIsEnabled : item.flags() & ~Qt::ItemIsEnabled);
        if (asGiven)
            item.setCheckState(file ? Qt::Checked : Qt::Unchecked);
    }
    const int largest = file ? static_cast<int>(fileEntries_.size()) : kLargestSize;
    sizeFrom_->setMaximum(largest);
    sizeTo_->setMaximum(largest);
    if (file != fileChosen_) {  // the whole file, or back to the made data's sizes
        sizeFrom_->setValue(file ? largest : DefaultSizes().front());
        sizeTo_->setValue(file ? largest : DefaultSizes().back());
    }
    fileChosen_ = file;
}

bool CostWindow::OpenInput(const QString& path)
{
    try {
        fileEntries_ = ReadEntries(QFile::encodeName(path).toStdString());
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return false;
    }
    fileName_ = QFileInfo(path).fileName();
    const int at = kind_->findData(int(InputKind::File));
    const QString label = QStringLiteral("File: %1 (%2 entries)").arg(fileName_).arg(fileEntries_.size());
    if (at < 0)
        kind_->addItem(label, int(InputKind::File));
    else
        kind_->setItemText(at, label);
    fileChosen_ = false;  // a new file is measured whole
    kind_->setCurrentIndex(kind_->findData(int(InputKind::File)));
    KindChanged();
    return true;
}

SweepPlan CostWindow::PlanFromSettings() const
{
    SweepPlan plan;
    plan.routines = Checked<Routine>(*routines_);
    plan.kind = static_cast<InputKind>(kind_->currentData().toInt());
    if (plan.kind == InputKind::File)
        plan.fileEntries = fileEntries_;
    plan.shapes = Checked<Shape>(*shapes_);
    plan.sizes = DoublingSizes(sizeFrom_->value(), std::max(sizeFrom_->value(), sizeTo_->value()));
    plan.repeat = repeat_->value();
    return plan;
}

void CostWindow::Run()
{
    if (running_)
        return;
    SweepPlan plan = PlanFromSettings();
    try {
        CheckPlan(plan);
    } catch (const InputError& error) {
        complain_(QString::fromUtf8(error.what()));
        return;  // the results shown stay
    }
    results_->Clear();
    shown_.clear();
    DrawCharts(*timeChart_, *stepsChart_, shown_);
    SetRunning(true);
    // The worker's events reach the window as queued calls on its own thread.
    runner_.Start(
        std::move(plan),
        {[this](const Measurement& row) {
             QMetaObject::invokeMethod(this, [this, row] { Measured(row); }, Qt::QueuedConnection);
         },
         [this](const SweepProgress& progress) {
             QMetaObject::invokeMethod(this, [this, progress] { Progressed(progress); }, Qt::QueuedConnection);
         }},
        [this](const SweepOutcome& outcome) {
            QMetaObject::invokeMethod(this, [this, end = outcome.end, error = outcome.error] {
                Finished({end, error, {}});
            }, Qt::QueuedConnection);
        });
}

void CostWindow::Cancel()
{
    if (!running_)
        return;
    runner_.Cancel();
    status_->setText(QStringLiteral("Cancelling when the measurement under way ends…"));
}

void CostWindow::Measured(const Measurement& row)
{
    results_->Append(row);
    shown_.push_back(row);
    // Small sizes are measured faster than charts are drawn: draw at most ten times a second.
    if (!redraw_->isActive())
        redraw_->start();
}

void CostWindow::Progressed(const SweepProgress& progress)
{
    progress_->setMaximum(progress.total);
    progress_->setValue(progress.done);
    if (!progress.current.empty())
        status_->setText(QString::fromStdString(progress.current) + QStringLiteral("\n")
                         + (progress.done == 0 ? QStringLiteral("estimating the time left")
                                               : Duration(progress.secondsLeft) + QStringLiteral(" left")));
}

void CostWindow::Finished(const SweepOutcome& outcome)
{
    runner_.Wait();
    SetRunning(false);
    redraw_->stop();
    DrawCharts(*timeChart_, *stepsChart_, shown_);
    const auto differing = std::count_if(shown_.begin(), shown_.end(), [](const Measurement& m) { return !m.identical; });
    switch (outcome.end) {
    case SweepEnd::Completed:
        progress_->setValue(progress_->maximum());
        status_->setText(QStringLiteral("Done: %1 measurements; %2.")
                             .arg(shown_.size())
                             .arg(differing == 0 ? QStringLiteral("every result is identical to the floor's")
                                                 : QStringLiteral("%1 results differ from the floor's").arg(differing)));
        break;
    case SweepEnd::Cancelled:
        status_->setText(QStringLiteral("Cancelled after %1 measurements.").arg(shown_.size()));
        break;
    case SweepEnd::Failed:
        status_->setText(QStringLiteral("Stopped after %1 measurements.").arg(shown_.size()));
        complain_(QString::fromStdString(outcome.error));
        break;
    }
}

void CostWindow::SetRunning(bool running)
{
    running_ = running;
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

bool CostWindow::ExportCsv(const QString& path)
{
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary);
    if (out)
        WriteCsv(out, results_->Rows());
    if (!out || !out.flush()) {
        complain_(QStringLiteral("%1 could not be written").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Wrote %1 rows to %2").arg(results_->Rows().size()).arg(path), 5000);
    return true;
}

bool CostWindow::ExportChart(const QString& path)
{
    QChartView* view = tabs_->currentWidget() == stepsView_ ? stepsView_ : timeView_;
    if (!view->grab().save(path, "PNG")) {
        complain_(QStringLiteral("%1 could not be written").arg(path));
        return false;
    }
    statusBar()->showMessage(QStringLiteral("Wrote the chart to %1").arg(path), 5000);
    return true;
}

}  // namespace sentinel
