// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "cost/plan.h"
#include "explorer/step_through/step_view.h"
#include "explorer/window/cost_window.h"
#include "support/window_texts.h"

namespace sentinel {

// What the page in view shows badly: texts or axis titles cut short,
// controls on top of one another, squeezed sliders and mnemonic letters
// that repeat, each after the page's name.
inline QStringList FaultsOnPage(const QWidget& window, const QString& name)
{
    QStringList faults = CutTexts(window) + CutChartTexts(window) + OverlappingControls(window) + CollapsedSliders(window);
    QStringList letters = Mnemonics(window);
    const qsizetype all = letters.size();
    letters.removeDuplicates();
    if (letters.size() != all)
        faults << QStringLiteral("a mnemonic repeats among ") + Mnemonics(window).join(QLatin1Char(' '));
    for (QString& fault : faults)
        fault.prepend(name + QStringLiteral(": "));
    return faults;
}

// Each page of the explorer as a user meets it at `size` (the smallest, or
// the size it opens at): after a short run, with a step-through loaded and
// in predict mode; then the charts of a run whose sizes reach the largest,
// 100,000, whose labels are the longest. The faults of each, by page.
inline QStringList FaultsOnEveryPage(CostWindow& window, QSize size = QSize(900, 560))
{
    window.resize(size);
    window.show();
    const auto measure = [&window](SweepPlan plan) {
        window.ShowPlan(plan);
        window.StartSweep();
        return QTest::qWaitFor([&window] { return !window.Running(); }, 60000);
    };
    SweepPlan plan = DefaultPlan();
    plan.sizes = {100, 200};
    plan.repeat = 3;
    if (!measure(plan) || !window.Stepper().Load())
        return {QStringLiteral("the run or the step-through did not load")};
    QStringList faults;
    if (window.size() != size)
        faults << QStringLiteral("the window needs %1 × %2").arg(window.width()).arg(window.height());
    auto& tabs = *window.findChild<QTabWidget*>();
    const auto everyPage = [&](const QString& run) {
        for (int tab = 0; tab < tabs.count(); ++tab) {
            tabs.setCurrentIndex(tab);
            QTest::qWait(100);
            faults << FaultsOnPage(window, tabs.tabText(tab) + run);
        }
    };
    everyPage(QString());
    window.Stepper().SetPredicting(true);
    QApplication::processEvents();
    faults << FaultsOnPage(window, tabs.tabText(tabs.currentIndex()) + QStringLiteral(" (predict)"));
    window.Stepper().SetPredicting(false);
    plan.shapes = {Shape::Descending};  // the fast case, for the largest sizes
    plan.sizes = {250, 500, 1000, 2000, 4000, 8000, 16000, 32000, 64000, 100000};
    plan.repeat = 1;
    if (!measure(plan))
        return faults << QStringLiteral("the run to 100,000 did not finish");
    everyPage(QStringLiteral(" (to 100,000)"));
    return faults;
}

}  // namespace sentinel
