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
    ResultsModel none;
    ResultsTable empty(none);
    EXPECT_EQ(empty.accessibleDescription(), ResultsTable::EmptyHint()) << "an empty table says how to start";
    none.Show(&run);
    EXPECT_EQ(empty.accessibleDescription(), "") << "and stops once it has rows";
    ResultsTable table(model);
    table.show();
    const QHeaderView& header = *table.horizontalHeader();
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        EXPECT_GE(header.sectionSize(column), header.fontMetrics().horizontalAdvance(title)) << title.toStdString();
    }
    run.Add({Routine::PairsUnique, InputKind::Numbers, Shape::Descending, 400, 1, 4e-4, 1e-6, true, {}, {}});
    model.RowsArrived();
    EXPECT_LT(header.sectionSize(0), table.fontMetrics().horizontalAdvance("SortPairsByNumberUnique"))
        << "not at once: a few times a second";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return header.sectionSize(0) >= table.fontMetrics().horizontalAdvance("SortPairsByNumberUnique"); }, 2000))
        << "widened to the row that arrived";
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

}  // namespace
}  // namespace sentinel
