// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QLabel>
#include <QBrush>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <fstream>

#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"
#include "explorer/shared/units.h"
#include "explorer/window/cost_window.h"
#include "cost/growth.h"
#include "explorer/window/results_model.h"
#include "explorer/window/results_table.h"
#include "explorer/window/run_status.h"
#include "explorer/window/settings_panel.h"
#include "explorer/step_through/step_view.h"
#include "explorer/step_through/trace_canvas.h"
#include "support/explorer_pages.h"

namespace sentinel {
namespace {

class CostWindowTest : public ::testing::Test {
protected:
    CostWindowTest()
        : window([this](const QString& problem) { complaints.append(problem); },
                 [this](const QString& question) {
                     questions.append(question);
                     return true;
                 })
    {
    }

    // Opens a file as the menu does and waits for it to be read; false when
    // it was refused.
    bool Open(const std::string& path)
    {
        const auto before = complaints.size();
        window.OpenInput(QString::fromStdString(path));
        return QTest::qWaitFor([this] { return !window.Reading(); }, 10000) && complaints.size() == before;
    }

    QSpinBox& Spin(const char* name)
    {
        for (QSpinBox* box : window.findChildren<QSpinBox*>())
            if (box->accessibleName() == name)
                return *box;
        throw std::runtime_error(name);
    }

    QListWidget& List(const char* name)
    {
        for (QListWidget* list : window.findChildren<QListWidget*>())
            if (list->accessibleName() == name)
                return *list;
        throw std::runtime_error(name);
    }

    // The parameter beside the shapes, for the first row of a family, which it makes current.
    QDoubleSpinBox& ParameterOf(const QString& family, const char* name)
    {
        QListWidget& shapes = List("Shapes");
        for (int row = 0; row < shapes.count(); ++row)
            if (shapes.item(row)->text().startsWith(family + ':')) {
                shapes.setCurrentRow(row);
                break;
            }
        for (QDoubleSpinBox* box : window.findChildren<QDoubleSpinBox*>())
            if (box->accessibleName() == name)
                return *box;
        throw std::runtime_error(name);
    }

    void Plan(int from, int to, int repeat)
    {
        Spin("Smallest size").setValue(from);
        Spin("Largest size").setValue(to);
        Spin("Repetitions").setValue(repeat);
    }

    bool Finishes() { return QTest::qWaitFor([this] { return !window.Running(); }, 60000); }

    // An order sweep at n = 40 over three levels, once each, measured to the end.
    bool OrderSweepFinishes()
    {
        for (QComboBox* box : window.findChildren<QComboBox*>())
            if (box->accessibleName() == "Sweep")
                box->setCurrentIndex(1);
        Spin("Smallest size").setValue(40);
        Spin("Levels of sortedness").setValue(3);
        Spin("Repetitions").setValue(1);
        window.StartSweep();
        return Finishes();
    }

    // The rows of the run shown.
    const std::vector<Measurement>& Rows() const { return window.Store().Shown()->Rows(); }

    QStringList complaints;
    QStringList questions;
    CostWindow window;
    QTemporaryDir folder;
};

TEST_F(CostWindowTest, ARunFillsTheChartsAndTheTableAndExports)
{
    Plan(100, 400, 2);  // 100, 200, 400; three shapes
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    EXPECT_EQ(window.Results().rowCount(), 3 * 3 * 2);
    QStringList time;
    for (const ChartLegend::Entry& entry : window.Charts().time->Legend().Entries())
        time << entry.text;
    EXPECT_EQ(time.size(), 3 * 2 + 1 + 3) << "a line and a floor per shape, the band, three reference slopes";
    EXPECT_TRUE(time[0].startsWith("SortNumbers, random  n^")) << time[0].toStdString();
    EXPECT_EQ(time[1], "SortNumbers, random: floor");
    // The exact steps of ascending input, read off the chart, and the
    // legend's count of the points on them.
    const auto& steps = window.Charts().steps->Legend().Entries();
    ASSERT_EQ(steps.size(), 3U + 2U);
    EXPECT_EQ(steps[3].text, Unbroken("n(n+1)/2") + ", exact for ascending: 3 of 3 points on it");
    const QList<QPointF> exact = static_cast<QLineSeries*>(steps[3].series.front())->points();
    ASSERT_EQ(exact.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const double n = 100 << i;
        EXPECT_DOUBLE_EQ(exact[i].x(), std::log10(n));
        EXPECT_DOUBLE_EQ(exact[i].y(), std::log10(n * (n + 1) / 2));
    }
    EXPECT_EQ(steps[4].text, "n, exact for descending: 3 of 3 points on it");
    QLabel* budget = nullptr;
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->text().startsWith("Within 1 s"))
            budget = label;
    ASSERT_TRUE(budget) << "the largest n within the budget, after the run";
    EXPECT_TRUE(budget->text().contains("SortNumbers, descending: n = 100,000")) << budget->text().toStdString();
    for (const Measurement& row : Rows())
        EXPECT_TRUE(row.identical);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join('\n').toStdString();

    const QString csv = folder.filePath("rows.csv");
    const QString png = folder.filePath("chart.png");
    ASSERT_TRUE(window.ExportCsv(csv));
    ASSERT_TRUE(window.ExportChart(png));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count('\n'), 1 + 3 * 3 * 2);
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_FALSE(window.ExportCsv(folder.filePath("no/such/folder/rows.csv")));
    EXPECT_EQ(complaints.size(), 1);
}

// At the smallest window every legend entry is whole: wrapped to the
// legend's width at the height its text needs, and the legend as tall as
// all of them. The ratio chart reads each median over its floor's.
TEST_F(CostWindowTest, ChartsFitTheSmallestWindowAndReadTheirValues)
{
    window.resize(900, 560);
    window.show();
    Plan(100, 200, 3);
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    for (ChartPanel* panel : {window.Charts().time, window.Charts().steps, window.Charts().ratio}) {
        window.findChild<QTabWidget*>()->setCurrentWidget(panel);
        QApplication::processEvents();
        const ChartLegend& legend = panel->Legend();
        ASSERT_GT(legend.width(), 100);
        EXPECT_GE(legend.height(), legend.heightForWidth(legend.width()));
        for (std::size_t i = 0; i < legend.Entries().size(); ++i) {
            const QRect& text = legend.TextRects()[i];
            EXPECT_LE(text.right(), legend.width());
            EXPECT_EQ(text.height(), legend.fontMetrics()
                                         .boundingRect(QRect(0, 0, text.width(), 10000), Qt::TextWordWrap,
                                                       legend.Entries()[i].text)
                                         .height())
                << legend.Entries()[i].text.toStdString();
        }
    }
    const std::vector<GrowthSummary>& summaries = window.Store().Shown()->Summaries();
    const auto& ratio = window.Charts().ratio->Legend().Entries();
    ASSERT_EQ(ratio.size(), summaries.size() + 1) << "and the floor's own line";
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const QList<QPointF> points = static_cast<QLineSeries*>(ratio[i].series.front())->points();
        ASSERT_EQ(points.size(), 2);
        for (int k = 0; k < 2; ++k)
            EXPECT_DOUBLE_EQ(points[k].y(), std::log10(summaries[i].points[k].seconds / summaries[i].points[k].floorSeconds));
    }
}

// A long run is asked about first; after a cancel, the next run starts
// afresh and measures all of its plan.
TEST_F(CostWindowTest, CancelStopsAndTheNextRunStartsAfresh)
{
    Plan(1000, 100000, 100);
    window.StartSweep();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("This run takes about")) << questions[0].toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.Results().rowCount() > 0; }, 60000));
    window.CancelSweep();
    ASSERT_TRUE(Finishes());
    EXPECT_LT(window.Results().rowCount(), 8 * 3 * 100);
    bool said = false;
    for (QLabel* label : window.findChildren<QLabel*>())
        said = said || label->text().startsWith("Cancelled after");
    EXPECT_TRUE(said);

    Plan(10, 20, 2);
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    EXPECT_EQ(window.Results().rowCount(), 2 * 3 * 2) << "no row of the cancelled run stays";
    EXPECT_EQ(questions.size(), 1) << "a short run is not asked about";
    EXPECT_TRUE(complaints.isEmpty());
}

TEST_F(CostWindowTest, ABadFileOrPlanIsRefusedAndTheResultsStay)
{
    Plan(50, 100, 1);
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    const int rows = window.Results().rowCount();

    const std::string bad = folder.filePath("latin1.txt").toStdString();
    std::ofstream(bad) << "ok\nd\xE9j\xE0\n";
    EXPECT_FALSE(Open(bad));
    ASSERT_EQ(complaints.size(), 1);
    EXPECT_TRUE(complaints[0].contains("line 2 is not UTF-8")) << complaints[0].toStdString();

    for (QListWidget* list : window.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setCheckState(Qt::Unchecked);
    window.StartSweep();
    EXPECT_FALSE(window.Running());
    EXPECT_EQ(complaints.size(), 2) << "no routine chosen";
    EXPECT_EQ(window.Results().rowCount(), rows);
}

TEST_F(CostWindowTest, AFileIsMeasuredAsGiven)
{
    const std::string path = folder.filePath("words.txt").toStdString();
    std::ofstream(path) << "pear\napple\nfig\n";
    QListWidget* shapes = nullptr;
    for (QListWidget* list : window.findChildren<QListWidget*>())
        if (list->accessibleName() == "Shapes")
            shapes = list;
    QListWidgetItem& given = *shapes->item(shapes->count() - 1);
    EXPECT_FALSE(given.flags() & Qt::ItemIsEnabled) << "made data is never measured as given";
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(given.flags() & Qt::ItemIsEnabled);
    for (int row = 0; row < shapes->count(); ++row)
        EXPECT_EQ(shapes->item(row)->checkState() == Qt::Checked, shapes->item(row)->text() == "given")
            << shapes->item(row)->text().toStdString() << ": only what is measured reads as checked";
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    ASSERT_EQ(window.Results().rowCount(), 5);  // SortNumbers, n = 3, five repetitions
    EXPECT_EQ(Rows()[0].shape, Shape::AsGiven);
    EXPECT_EQ(Rows()[0].n, 3);

    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (box->accessibleName() == "Input kind")
            box->setCurrentIndex(0);
    EXPECT_EQ(shapes->item(0)->checkState(), Qt::Checked) << "random comes back with made data";
}

// An order sweep at one size: one row a level, each on its own sortedness,
// drawn on the order chart beside the law's two lines.
TEST_F(CostWindowTest, AnOrderSweepMeasuresEachLevelAndDrawsCostAgainstOrder)
{
    ASSERT_TRUE(OrderSweepFinishes());
    ASSERT_EQ(window.Results().rowCount(), 3);
    const double levels[] = {0, 0.5, 1};
    for (int row = 0; row < 3; ++row) {
        const Measurement& measured = Rows()[static_cast<std::size_t>(row)];
        EXPECT_EQ(measured.Level(), levels[row]);
        EXPECT_NEAR(*measured.law.order.sortedness, levels[row], 0.02);
        EXPECT_TRUE(measured.PredictionHolds());
    }
    EXPECT_TRUE(window.Charts().time->Note().contains("order sweep")) << "the Time tab says where to read it";
    EXPECT_TRUE(window.Charts().order->Note().isEmpty());
    EXPECT_TRUE(window.Charts().order->View().accessibleDescription().contains("law: steps = n + s·n(n−1)/2"))
        << "the law's lines, for a screen reader";
    auto* stepsLaw = static_cast<QLineSeries*>(window.Charts().order->Chart().series().front());
    EXPECT_EQ(stepsLaw->points(), (QList<QPointF>{{0, 40}, {1, 40 + 40 * 39 / 2}})) << "n + s n(n-1)/2";

    ParameterOf("swaps", "Pairs swapped").setValue(12);
    bool renamed = false;
    for (QListWidget* list : window.findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            renamed = renamed || list->item(row)->text() == "swaps:12";
    EXPECT_TRUE(renamed);
}

// The variants are offered marked as such; an order sweep of the three scans
// draws each one's steps and the laws of all three: the high end's steps on
// the moves' line, halving's under its flat bound.
TEST_F(CostWindowTest, AnOrderSweepOfTheThreeScansDrawsTheirLaws)
{
    for (QListWidget* list : window.findChildren<QListWidget*>()) {
        if (list->accessibleName() != "Routines")
            continue;
        ASSERT_EQ(list->count(), 10);
        EXPECT_EQ(list->item(8)->text(), "SortNumbersFromHigh (variant)");
        EXPECT_TRUE(list->item(9)->toolTip().contains("not a routine of the demo: binary search for the gap"));
        list->item(8)->setCheckState(Qt::Checked);
        list->item(9)->setCheckState(Qt::Checked);
    }
    ASSERT_TRUE(OrderSweepFinishes());
    ASSERT_EQ(window.Results().rowCount(), 9);
    for (const Measurement& row : Rows())
        EXPECT_TRUE(row.PredictionHolds() && row.identical) << NameOf(row.routine);
    const auto seriesNamed = [&](const QString& name) -> QAbstractSeries* {
        for (const ChartLegend::Entry& entry : window.Charts().order->Legend().Entries())
            if (entry.text.startsWith(name))
                return entry.series.front();
        return nullptr;
    };
    auto* fromHigh = static_cast<QScatterSeries*>(seriesNamed("steps, scan from the high end"));
    ASSERT_TRUE(fromHigh);
    EXPECT_EQ(fromHigh->points(), (QList<QPointF>{{0, 40 + 40 * 39 / 2}, {0.5, 40 + 40 * 39 / 4}, {1, 40}}));
    auto* bound = static_cast<QLineSeries*>(seriesNamed("bound: halving's steps"));
    ASSERT_TRUE(bound);
    // floor(log2(k)) + 1 for k = 1 to 40: 1 + 2·2 + 4·3 + 8·4 + 16·5 + 9·6
    EXPECT_EQ(bound->points(), (QList<QPointF>{{0, 183}, {1, 183}}));
    auto* halving = static_cast<QScatterSeries*>(seriesNamed("steps, halving"));
    ASSERT_TRUE(halving);
    for (const QPointF& point : halving->points())
        EXPECT_LE(point.y(), 183);
    EXPECT_TRUE(seriesNamed("law: moves, and the high end's steps"));
    auto* highTime = static_cast<QScatterSeries*>(seriesNamed("time, scan from the high end (right axis)"));
    ASSERT_TRUE(highTime) << "each scan's time apart";
    EXPECT_EQ(highTime->count(), 3);
    EXPECT_EQ(highTime->attachedAxes().back()->alignment(), Qt::AlignRight);
}

// sorted:S is chosen in the window as on the command line, its sortedness
// set beside the list; alone at several sizes it is no order sweep.
TEST_F(CostWindowTest, ASortednessIsChosenInTheWindow)
{
    QListWidget* shapes = &List("Shapes");
    ParameterOf("sorted", "Sortedness").setValue(0.3);
    QListWidgetItem* sorted = nullptr;
    for (int row = 0; row < shapes->count(); ++row) {
        QListWidgetItem* item = shapes->item(row);
        item->setCheckState(item->text() == "sorted:0.3" ? Qt::Checked : Qt::Unchecked);
        if (item->text() == "sorted:0.3")
            sorted = item;
    }
    ASSERT_TRUE(sorted) << "the item renamed with its sortedness";
    Plan(100, 200, 1);
    const SweepPlan plan = window.Settings().Plan();
    EXPECT_EQ(plan.shapes, std::vector<Shape>{(Shape{ShapeKind::Sorted, 0.3})});
    EXPECT_FALSE(plan.IsOrderSweep()) << "one level at two sizes";
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    ASSERT_EQ(Rows().size(), 2U);
    EXPECT_NEAR(*Rows()[1].law.order.sortedness, 0.3, 0.01);
    EXPECT_TRUE(window.Charts().time->Note().isEmpty()) << "one level at two sizes is charted against n";
}

// At the smallest window, after a run and with a step-through loaded, every
// page shows its texts whole and no mnemonic twice.
TEST_F(CostWindowTest, NothingIsCutAndNoMnemonicRepeatsOnAnyPage)
{
    const QStringList faults = FaultsOnEveryPage(window);
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(CostWindowTest, MnemonicsAreUniqueOnEveryPage)
{
    window.show();
    auto& tabs = *window.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        const QStringList letters = Mnemonics(window);
        EXPECT_GE(letters.size(), 9);
        EXPECT_EQ(QSet<QString>(letters.begin(), letters.end()).size(), letters.size())
            << tabs.tabText(tab).toStdString() << ": " << letters.join(' ').toStdString();
    }
}

// Labels whose text changes read as that text; the stepping keys belong to
// the canvas, and Return presses the button that has focus.
TEST_F(CostWindowTest, TheKeyboardAndScreenReadersReachTheStepThrough)
{
    window.show();
    window.findChild<QTabWidget*>()->setCurrentWidget(&window.Stepper());
    StepView& stepper = window.Stepper();
    QPushButton* load = nullptr;
    for (QPushButton* button : stepper.findChildren<QPushButton*>())
        if (button->accessibleName() == "Load")
            load = button;
    ASSERT_TRUE(load);
    load->setFocus();
    QTest::keyClick(load, Qt::Key_Return);
    ASSERT_TRUE(stepper.Recording()) << "Return pressed Load";
    QTest::keyClick(load, Qt::Key_Space);  // presses Load again, plays nothing
    EXPECT_EQ(stepper.Shown(), 0U);
    auto& canvas = const_cast<TraceCanvas&>(stepper.Canvas());
    QTest::keyClick(&canvas, Qt::Key_Right);
    QTest::keyClick(&canvas, Qt::Key_Right);
    EXPECT_EQ(stepper.Shown(), 2U);
    EXPECT_TRUE(canvas.accessibleDescription().contains(u'\u2192')) << "the test written out";
    QTest::keyClick(&canvas, Qt::Key_Down);
    EXPECT_EQ(stepper.Shown(), stepper.Recording()->EndOfEntry(2));
    QSpinBox* field = nullptr;
    for (QSpinBox* box : stepper.findChildren<QSpinBox*>())
        if (box->accessibleName() == "Field index")
            field = box;
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->value(), 1) << "the spin box keeps its keys";

    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().startsWith("keys ")) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(label);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->text(QAccessible::Name), label->text());
        }
    }
}

// Steps through the start-up data with every routine: the end shows the
// routine's own result, identical to the stable sort's, and position 0 only
// the sentinels.
TEST_F(CostWindowTest, StepThroughEveryRoutineToTheEndAndBack)
{
    StepView& stepper = window.Stepper();
    QComboBox* routine = nullptr;
    for (QComboBox* box : stepper.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            routine = box;
    for (const Routine each : kRoutines) {
        routine->setCurrentIndex(static_cast<int>(each));
        ASSERT_TRUE(stepper.Load()) << complaints.join('\n').toStdString();
        stepper.ShowEvents(stepper.Recording()->Events());
        EXPECT_EQ(stepper.Canvas().ListedTexts(), stepper.Recording()->Result()) << NameOf(each);
        EXPECT_EQ(stepper.Recording()->Result(), stepper.Recording()->StableResult()) << NameOf(each);
        for (QSlider* slider : stepper.findChildren<QSlider*>())
            if (slider->accessibleName() == "Position in the run")
                slider->setValue(0);
        EXPECT_EQ(stepper.Shown(), 0U);
        EXPECT_EQ(stepper.Canvas().Frame().list, (std::vector<std::int32_t>{0, -1})) << "only the sentinels";
    }
    EXPECT_EQ(stepper.Recording()->Input().companion.size(), 21U) << "the paired routines carry the texts along";
}

// The File menu exports the run on show, and only once one is loaded.
TEST_F(CostWindowTest, ExportsTheStepThroughRunOnceLoaded)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("run.csv");
    EXPECT_FALSE(window.ExportStepCsv(csv));
    EXPECT_FALSE(window.ExportStepGif(folder.filePath("run.gif"), FramesPer::Entry));
    ASSERT_EQ(complaints.size(), 2);
    EXPECT_TRUE(complaints[0].contains("Load a run")) << complaints[0].toStdString();
    EXPECT_FALSE(QFile::exists(csv));
    ASSERT_TRUE(window.Stepper().Load());
    ASSERT_TRUE(window.ExportStepCsv(csv));
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const StepThrough& run = *window.Stepper().Recording();
    EXPECT_EQ(rows.readAll().count('\n') - 1, run.At(run.Events()).counts.steps);
    EXPECT_TRUE(window.ExportStepGif(folder.filePath("run.gif"), FramesPer::Entry));
    EXPECT_TRUE(window.statusBar()->currentMessage().startsWith("Wrote 22 frames"))
        << window.statusBar()->currentMessage().toStdString();
}

TEST_F(CostWindowTest, ATypedListTooLongOrEmptyIsRefusedAndKept)
{
    StepView& stepper = window.Stepper();
    stepper.findChildren<QComboBox*>().front()->setCurrentIndex(2);  // typed
    QPlainTextEdit& typed = *stepper.findChild<QPlainTextEdit*>();
    QString tooLong;
    for (int i = 1; i <= 61; ++i)
        tooLong += QString::number(i) + "\n";
    for (const QString& text : {tooLong, QString()}) {
        typed.setPlainText(text);
        EXPECT_FALSE(stepper.Load());
        EXPECT_EQ(typed.toPlainText(), text) << "nothing lost";
    }
    ASSERT_EQ(complaints.size(), 2);
    EXPECT_TRUE(complaints[0].contains("61 entries")) << complaints[0].toStdString();
    EXPECT_TRUE(complaints[1].contains("holds no entries")) << complaints[1].toStdString();
    for (QComboBox* box : stepper.findChildren<QComboBox*>())
        if (box->accessibleName() == "Routine")
            box->setCurrentIndex(int(Routine::Numbers));  // a blank has no field 0
    typed.setPlainText("3\n\n1");
    ASSERT_TRUE(stepper.Load());
    EXPECT_EQ(stepper.Recording()->Input().entries.size(), 3U) << "a blank line is an entry";
    typed.setPlainText(tooLong.section('\n', 0, 59));
    EXPECT_TRUE(stepper.Load()) << "60 entries, the most";
}

// The window remembers its plan, size and tab in settings of its own; a
// stored value that no longer makes sense leaves its setting at the default.
TEST(CostWindowSettings, RememberedAndRestoredWithBadValuesFallingBack)
{
    QTemporaryDir folder;
    QSettings remembered(folder.filePath("sentinel-cost.ini"), QSettings::IniFormat);
    {
        CostWindow window({}, [](const QString&) { return true; }, &remembered);
        window.resize(1000, 700);
        for (QSpinBox* box : window.findChildren<QSpinBox*>())
            if (box->accessibleName() == "Repetitions" || box->accessibleName() == "Largest size")
                box->setValue(box->accessibleName() == "Repetitions" ? 7 : 4000);
        for (QListWidget* list : window.findChildren<QListWidget*>())
            if (list->accessibleName() == "Routines")
                list->item(int(Routine::Strings))->setCheckState(Qt::Checked);
        window.ShowPage(PageId::Ratio);
    }
    const auto reopened = [&](auto check) {
        CostWindow window({}, [](const QString&) { return true; }, &remembered);
        check(window, window.Settings().Plan());
    };
    reopened([](CostWindow& window, const SweepPlan& plan) {
        EXPECT_EQ(plan.repeat, 7);
        EXPECT_EQ(plan.sizes.back(), 4000);
        EXPECT_EQ(plan.routines, (std::vector{Routine::Numbers, Routine::Strings}));
        EXPECT_EQ(window.size(), QSize(1000, 700));
        EXPECT_EQ(window.ShownPage(), PageId::Ratio);
    });
    remembered.setValue("plan/repeat", 101);  // one past the most
    remembered.setValue("plan/sizes", "lots");
    remembered.setValue("plan/routines", QStringList{"SortNumbers", "SortSideways"});
    remembered.setValue("window/page", "sideways");
    reopened([](CostWindow& window, const SweepPlan& plan) {
        EXPECT_EQ(plan.repeat, kDefaultRepeats);
        EXPECT_EQ(plan.sizes.back(), kDefaultLargest);
        EXPECT_EQ(plan.routines, std::vector{Routine::Numbers}) << "a routine that is gone: the default";
        EXPECT_EQ(window.ShownPage(), PageId::Time) << "a page that is gone: the first";
        const QString said = window.Status().Status();
        for (const char* fallback : {"repetitions \"101\"", "sizes \"lots\"", "routines \"SortNumbers,SortSideways\""})
            EXPECT_TRUE(said.contains(QString::fromUtf8(fallback))) << said.toStdString();
    });
    remembered.setValue("plan/repeat", 100);  // the most
    reopened([](CostWindow&, const SweepPlan& plan) { EXPECT_EQ(plan.repeat, 100); });
}

TEST(ResultsModel, ShowsARowThatDiffersFromTheFloorInRedAndSortsByValue)
{
    RunResults run;
    ResultsModel model;
    model.Show(&run);
    const auto append = [&](const Measurement& row) {
        run.Add(row);
        model.RowsArrived();
    };
    append({Routine::Numbers, InputKind::Numbers, Shape::Random, 1000, 1, 2e-4, 1e-4, true, {}, {}});
    append({Routine::Numbers, InputKind::Numbers, Shape::Random, 250, 1, 3e-5, 1e-5, false, {}, {}});
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::ForegroundRole).isValid());
    EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QBrush>().color().red(), 0xd0);
    EXPECT_EQ(model.data(model.index(1, 7), Qt::DisplayRole).toString(), "NO");
    EXPECT_LT(model.data(model.index(1, 3), Qt::UserRole).toInt(), model.data(model.index(0, 3), Qt::UserRole).toInt())
        << "n sorts as a number, not as text";
    EXPECT_EQ(model.headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(), "Moves");
    EXPECT_EQ(model.headerData(12, Qt::Horizontal, Qt::ToolTipRole).toString(),
              "Entries after each insertion point.\nCSV column: moves");
    EXPECT_TRUE(model.headerData(8, Qt::Horizontal, Qt::ToolTipRole).toString().contains("the two sentinels"))
        << "keys: n + 2 explained";
    EXPECT_EQ(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), "Floor (µs)");
    EXPECT_EQ(model.data(model.index(0, 3), Qt::DisplayRole).toString(), "1,000");

    // The median of an even count is the mean of the middle two; a repetition
    // far from the others is flagged, one at the edge of three deviations not.
    append({Routine::Numbers, InputKind::Numbers, Shape::Random, 1000, 2, 3e-4, 1e-4, true, {}, {}});
    const auto shown = [&](int row, int column) { return model.data(model.index(row, column), Qt::DisplayRole).toString(); };
    EXPECT_EQ(shown(0, 21), "250.0");
    EXPECT_EQ(shown(2, 22), "200.0 – 300.0");
    for (const double seconds : {2.5e-4, 2.5e-4, 2.6e-4, 4.3e-4})
        append({Routine::Numbers, InputKind::Numbers, Shape::Random, 1000, 3, seconds, 1e-4, true, {}, {}});
    // 200, 300, 250, 250, 260, 430: median 255, deviations 55 45 5 5 5 175, their median 25
    EXPECT_EQ(shown(0, 21), "255.0");
    EXPECT_EQ(shown(5, 5), "260.0") << "5 from the median, within three deviations (75)";
    EXPECT_EQ(shown(6, 5), "430.0 ⚑") << "175 from the median: seven deviations";
    EXPECT_EQ(shown(1, 5), "30.0") << "a size measured once";
}

// Ctrl+C copies the selected rows in the order shown, under their header;
// Ctrl+Up and Ctrl+Down sort by the current column.
TEST(ResultsTable, CopiesTheSelectedRowsAndSortsFromTheKeyboard)
{
    RunResults run;
    for (const std::int32_t n : {300, 100, 200})
        run.Add({Routine::Numbers, InputKind::Numbers, Shape::Random, n, 1, n * 1e-6, 1e-6, true, {}, {}});
    ResultsModel model;
    model.Show(&run);
    ResultsTable table(model);
    table.show();
    const QHeaderView& header = *table.horizontalHeader();
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_GE(header.sectionSize(column), header.fontMetrics().horizontalAdvance(title)) << title.toStdString();
    }
    run.Add({Routine::PairsUnique, InputKind::Numbers, Shape::Descending, 400, 1, 4e-4, 1e-6, true, {}, {}});
    model.RowsArrived();
    EXPECT_GE(header.sectionSize(0), table.fontMetrics().horizontalAdvance("SortPairsByNumberUnique")) << "widened as it arrived";
    EXPECT_GE(header.sectionSize(2), table.fontMetrics().horizontalAdvance("descending"));
    table.setCurrentIndex(table.model()->index(0, 3));  // n
    QTest::keyClick(&table, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(table.model()->index(0, 3).data().toString(), "400") << "descending";
    QTest::keyClick(&table, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(table.model()->index(0, 3).data().toString(), "100") << "ascending";
    table.selectAll();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << "the header and four rows";
    EXPECT_TRUE(lines[0].startsWith("Routine\tKind\tShape\tn\t"));
    EXPECT_EQ(lines[1].section('\t', 3, 3), "100");
    EXPECT_EQ(lines[4].section('\t', 3, 3), "400");
    EXPECT_EQ(lines[1].count('\t'), model.columnCount() - 1);
}

// The program as a script runs it.
struct Ran {
    int exitCode;
    QString out;
    QString error;
};

Ran RunProgram(const QStringList& arguments)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(environment);
    program.start(SENTINEL_COST_PROGRAM, arguments);
    program.waitForFinished(120000);
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The long options a text names, "--sizes" and the like, roff's "\-\-" read as "--".
QSet<QString> LongOptions(QString text)
{
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    QSet<QString> options;
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*[a-z]"));
    for (auto match = option.globalMatch(text); match.hasNext();)
        options.insert(match.next().captured());
    return options;
}

QString Packaged(const char* file)
{
    QFile packaged(QStringLiteral(PACKAGING_DIR "/") + QString::fromUtf8(file));
    EXPECT_TRUE(packaged.open(QIODevice::ReadOnly)) << file;
    return QString::fromUtf8(packaged.readAll());
}

// The manual pages and the completion name every option --help names, and
// no other; --version says the project's version.
TEST(SentinelCostProgram, ManualPagesAndCompletionAgreeWithHelp)
{
    const QSet<QString> help = LongOptions(RunProgram({"--help"}).out);
    EXPECT_GE(help.size(), 13);
    EXPECT_EQ(LongOptions(Packaged("sentinel-cost.1")), help);
    EXPECT_EQ(LongOptions(Packaged("sentinel-cost.bash-completion")), help);
    EXPECT_EQ(RunProgram({"--version"}).out, QStringLiteral("sentinel-cost " PROJECT_VERSION "\n"));

    QProcess frmdemo;
    frmdemo.start(FRMDEMO_PROGRAM, {"--help"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(LongOptions(Packaged("frmdemo.1")), LongOptions(QString::fromUtf8(frmdemo.readAllStandardOutput())));
    frmdemo.start(FRMDEMO_PROGRAM, {"--version"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(frmdemo.readAllStandardOutput(), "frmdemo " PROJECT_VERSION "\n");
}

// The completion finishes the name after a comma, and file names with spaces.
TEST(SentinelCostProgram, CompletionFinishesListsAndFileNamesWithSpaces)
{
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("my dir");
    QFile(folder.filePath("my dir/a file.txt")).open(QIODevice::WriteOnly);
    const auto complete = [&](const QString& previous, const QString& current) {
        QProcess bash;
        bash.setWorkingDirectory(folder.path());
        bash.start("bash", {"-c", QStringLiteral("source '%1'; COMP_WORDS=(sentinel-cost %2 \"$0\"); COMP_CWORD=2; "
                                                 "_sentinel_cost; printf '%s\\n' \"${COMPREPLY[@]}\"")
                                      .arg(PACKAGING_DIR "/sentinel-cost.bash-completion", previous),
                            current});
        bash.waitForFinished(10000);
        return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    };
    EXPECT_EQ(complete("--routines", "SortNumbers,SortS"), (QStringList{"SortNumbers,SortStrings", "SortNumbers,SortStringsUnique"}));
    EXPECT_EQ(complete("--shapes", "random,sor"), QStringList{"random,sorted:"});
    EXPECT_EQ(complete("--input", "my dir/a"), QStringList{"my dir/a file.txt"});
}

// -h and -v answer as --help and --version do, in both programs; the
// window with no display says so on one line and exits with status 1.
TEST(SentinelCostProgram, ShortOptionsAndNoDisplay)
{
    EXPECT_EQ(RunProgram({"-h"}).out, RunProgram({"--help"}).out);
    EXPECT_TRUE(RunProgram({"--help"}).out.contains("  -h, --help"));
    EXPECT_EQ(RunProgram({"-v"}).out, QStringLiteral("sentinel-cost " PROJECT_VERSION "\n"));
    QProcess frmdemo;
    frmdemo.start(FRMDEMO_PROGRAM, {"-v"});
    ASSERT_TRUE(frmdemo.waitForFinished(30000));
    EXPECT_EQ(frmdemo.readAllStandardOutput(), "frmdemo " PROJECT_VERSION "\n");

    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    window.setProcessEnvironment(environment);
    window.start(SENTINEL_COST_PROGRAM, {"--no-first-look"});
    ASSERT_TRUE(window.waitForFinished(60000));
    const QString said = QString::fromUtf8(window.readAllStandardError());
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit) << "not Qt's abort";
    EXPECT_EQ(window.exitCode(), 1);
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.startsWith("sentinel-cost: no display is set") && said.contains("xvfb-run -a")
                && said.contains("--csv, --chart or --budget"))
        << said.toStdString();
}

TEST(SentinelCostProgram, HeadlessWritesTheCsvAndTheChartWithNoDisplay)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("rows.csv");
    const QString png = folder.filePath("chart.png");
    const Ran ran = RunProgram({"--routines", "SortNumbers,SortStringsUnique", "--sizes", "10,20", "--repeat", "1",
                                "--csv", csv, "--chart", png});
    ASSERT_EQ(ran.exitCode, 0) << ran.error.toStdString();
    EXPECT_TRUE(ran.out.contains("SortStringsUnique")) << ran.out.toStdString();
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    EXPECT_EQ(rows.readLine(), "routine,kind,shape,n,repeat,seconds,floor_seconds,identical,keys,steps,placed,"
                               "dropped,moves,level,sortedness,ordered_pairs,unordered_pairs,predicted_steps,"
                               "predicted_moves,shifted,scan\n");
    EXPECT_EQ(rows.readAll().count('\n'), 2 * 3 * 2);
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_EQ(RunProgram({"--help"}).exitCode, 0);

    const Ran piped = RunProgram({"--sizes", "10", "--repeat", "1", "--csv", "-"});
    ASSERT_EQ(piped.exitCode, 0) << piped.error.toStdString();
    EXPECT_TRUE(piped.out.startsWith("routine,kind,shape,")) << "the CSV on standard output";
    EXPECT_EQ(piped.out.count('\n'), 1 + 3);
    EXPECT_TRUE(piped.error.contains("largest n")) << "the summary aside";
}

TEST(SentinelCostProgram, BadInputExitsWithStatusTwoAndOneLineAndWritesNothing)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("rows.csv");
    const std::string tooMany = folder.filePath("many.txt").toStdString();
    {
        std::ofstream file(tooMany);
        for (int i = 0; i <= 100000; ++i)
            file << i << '\n';
    }
    const QString fieldless = folder.filePath("fieldless.txt");
    std::ofstream(fieldless.toStdString()) << "1,2\n\n3,4\n";
    const QList<QStringList> bad = {
        {"--routines", "SortSideways"}, {"--shapes", "spiral"}, {"--sizes", "0"},   {"--sizes", "100001"},
        {"--sizes", "many"},            {"--input", folder.path()},                 {"--input", folder.filePath("none")},
        {"--input", QString::fromStdString(tooMany)},
        {"--input", fieldless, "--routines", "SortByField", "--chart", folder.filePath("chart.png")},
    };
    for (QStringList arguments : bad) {
        arguments << "--csv" << csv;
        const Ran ran = RunProgram(arguments);
        EXPECT_EQ(ran.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(ran.error.count('\n'), 1) << ran.error.toStdString();
        EXPECT_FALSE(QFile::exists(csv)) << arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(folder.filePath("chart.png"))) << arguments.join(' ').toStdString();
    }
}

// One run exported with no display: a CSV row per test and a GIF; a list of
// 60 entries at the limit, 61 refused; a frame per test past the cap falls
// back, saying so; anything but one routine's run is refused, writing nothing.
TEST(SentinelCostProgram, ExportsOneStepThroughRunWithNoDisplay)
{
    QTemporaryDir folder;
    const QString csv = folder.filePath("run.csv");
    const QString gif = folder.filePath("run.gif");
    Ran ran = RunProgram({"--step-csv", csv, "--step-gif", gif, "--routines", "SortByFieldUnique", "--field", "1"});
    ASSERT_EQ(ran.exitCode, 0) << ran.error.toStdString();
    QFile rows(csv);
    ASSERT_TRUE(rows.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(rows.readAll()).split('\n', Qt::SkipEmptyParts);
    const StepThrough run(StartUpStepInput(Routine::ByFieldUnique, 1));
    EXPECT_EQ(lines.size() - 1, run.At(run.Events()).counts.steps);
    QFile image(gif);
    ASSERT_TRUE(image.open(QIODevice::ReadOnly));
    const QByteArray head = image.read(8);
    EXPECT_EQ(head.left(6), "GIF89a");
    EXPECT_EQ(static_cast<unsigned char>(head[6]) + 256 * static_cast<unsigned char>(head[7]), 900);

    const auto listOf = [&folder](int entries) {
        const QString path = folder.filePath(QStringLiteral("list%1.txt").arg(entries));
        std::ofstream file(path.toStdString());
        for (int i = 1; i <= entries; ++i)
            file << i << '\n';
        return path;
    };
    ran = RunProgram({"--step-gif", gif, "--routines", "SortNumbers", "--input", listOf(60)});
    EXPECT_EQ(ran.exitCode, 0);
    EXPECT_TRUE(ran.error.contains("1951 frames")) << ran.error.toStdString();
    EXPECT_TRUE(ran.error.contains("a frame per entry instead (61 frames)")) << ran.error.toStdString();

    QFile::remove(csv);
    const QList<QStringList> bad = {{"--routines", "SortNumbers,SortStrings"},
                                    {"--routines", "SortNumbers", "--input", listOf(61)},
                                    {"--frames", "every"},
                                    {"--field", "100"},
                                    {"--csv", folder.filePath("sweep.csv")}};
    for (QStringList arguments : bad) {
        arguments << "--step-csv" << csv;
        ran = RunProgram(arguments);
        EXPECT_EQ(ran.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(ran.error.count('\n'), 1) << ran.error.toStdString();
        EXPECT_FALSE(QFile::exists(csv)) << arguments.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace sentinel
