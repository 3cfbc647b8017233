// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every control in reach: the menus' shortcuts from any field, focus kept
// across a run, and menu items offered only when they can act.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QWheelEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>

#include "cost/cost_law.h"
#include "cost/csv.h"
#include "cost/inputs.h"
#include "sorting/first_fit.h"
#include "stepping/step_through.h"
#include "explorer/charts/chart_legend.h"
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"
#include "explorer/shared/units.h"
#include "explorer/step_through/step_view.h"
#include "explorer/window/cost_window.h"
#include "explorer/window/help.h"
#include "explorer/window/settings_panel.h"
#include "support/window_lookup.h"

namespace sentinel {
namespace {

// One style a count axis: grouped below a million, all in millions past it.
TEST(Numbers, CountsReadAsPeopleWriteThemAndFormulasDoNotBreak)
{
    EXPECT_EQ(CountLabel(1000), "1,000") << "never 0.001 M";
    EXPECT_EQ(CountLabel(64000), "64,000");
    EXPECT_EQ(CountLabel(999999), "999,999");
    EXPECT_EQ(CountLabel(1e6), "1 M");
    EXPECT_EQ(CountLabel(2.5e6), "2.5 M");
    const QString formula = Unbroken("n + s·n(n−1)/2");
    EXPECT_FALSE(formula.contains(' '));
    EXPECT_TRUE(formula.contains(QStringLiteral("/\u2060")));
    EXPECT_EQ(QString(formula).remove(QChar(0x2060)).replace(QChar(0x00A0), ' '), "n + s·n(n−1)/2") << "reads the same";
}

}  // namespace
}  // namespace sentinel
