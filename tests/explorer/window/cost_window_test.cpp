// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include "support/cost_window_fixture.h"

namespace sentinel {
namespace {

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
    EXPECT_TRUE(budget->text().contains(QRegularExpression(
        QStringLiteral("SortNumbers, descending: n = 100,000, extrapolated \\d+\\.\\d times past the 400 measured \\(R² [01]\\.\\d\\d\\)|"
                       "SortNumbers, descending: the cost model does not explain the time"))))
        << budget->text().toStdString() << ": how far past the sizes measured, and how well the model fits";
    for (const Measurement& row : Rows())
        EXPECT_TRUE(row.identical);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.join('\n').toStdString();

    const QString csv = folder.filePath("rows.csv");
    const QString png = folder.filePath("chart.png");
    ASSERT_TRUE(window.ExportCsv(csv));
    ASSERT_TRUE(window.ExportChart(png));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray exported = written.readAll();
    EXPECT_TRUE(exported.startsWith("# sentinel-cost ")) << "which run it holds";
    EXPECT_TRUE(exported.contains(": --routines SortNumbers --kind numbers --shapes random,ascending,descending "
                                  "--sizes 100,200,400 --repeat 2\nroutine,kind,"))
        << exported.left(300).toStdString();
    EXPECT_EQ(exported.count('\n'), 2 + 3 * 3 * 2);
    EXPECT_FALSE(QImage(png).isNull());
    EXPECT_FALSE(window.ExportCsv(folder.filePath("no/such/folder/rows.csv")));
    EXPECT_EQ(complaints.size(), 1);
}

// A long run is asked about first; after a cancel, the next run starts
// afresh and measures all of its plan.
TEST_F(CostWindowTest, CancelStopsAndTheNextRunStartsAfresh)
{
    Plan(1000, 100000, 100);
    window.StartSweep();
    ASSERT_EQ(questions.size(), 1);
    // 1,000 to 64,000 doubling, then 100,000: eight sizes, three shapes, a hundred times.
    EXPECT_TRUE(questions[0].startsWith("This run makes 2,400 measurements and takes about")) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].endsWith(", give or take a factor of two.\n\nRun it?")) << questions[0].toStdString();
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

    Plan(10, 80, 100);  // over a thousand measurements, however quick, are asked about
    window.StartSweep();
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[1].startsWith("This run makes 1,200 measurements and takes under a second"))
        << questions[1].toStdString();
    ASSERT_TRUE(Finishes());
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
    EXPECT_EQ(window.Status().Status(),
              "Opened words.txt: 3 entries. Its lines are words: SortStrings is chosen to measure them. All 3 keys lie "
              "above the high sentinel ZZZZZZZZZZZZZ; SortStrings keeps only keys from 0 to ZZZZZZZZZZZZZ. Run (F5) to "
              "measure it.")
        << window.Status().Status().toStdString() << ": the routine that keys words, and what it leaves out, said once";
    EXPECT_TRUE(given.flags() & Qt::ItemIsEnabled);
    for (int row = 0; row < shapes->count(); ++row)
        EXPECT_EQ(shapes->item(row)->checkState() == Qt::Checked, shapes->item(row)->text() == "given")
            << shapes->item(row)->text().toStdString() << ": only what is measured reads as checked";
    window.StartSweep();
    ASSERT_TRUE(Finishes());
    ASSERT_EQ(window.Results().rowCount(), 5);  // SortStrings, n = 3, five repetitions
    EXPECT_EQ(Rows()[0].shape, Shape::AsGiven);
    EXPECT_EQ(Rows()[0].n, 3);

    for (QComboBox* box : window.findChildren<QComboBox*>())
        if (box->accessibleName() == "Input kind")
            box->setCurrentIndex(0);
    EXPECT_EQ(shapes->item(0)->checkState(), Qt::Checked) << "random comes back with made data";
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

// At the smallest window and at the size it opens at, every page shows its
// texts whole, its controls apart and its sliders usable, and no mnemonic twice.
TEST_F(CostWindowTest, EveryPageReadsWellAtTheSmallestSize)
{
    const QStringList faults = FaultsOnEveryPage(window, QSize(900, 560));
    EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

TEST_F(CostWindowTest, EveryPageReadsWellAtTheSizeItOpensAt)
{
    const QStringList faults = FaultsOnEveryPage(window, QSize(1280, 760));
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

}  // namespace
}  // namespace sentinel
