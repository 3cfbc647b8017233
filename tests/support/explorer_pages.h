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

// The explorer at its smallest size as a user meets it, a short run measured
// and a step-through loaded: on each page, the texts cut short and the
// mnemonic letters that repeat, each named by the page's tab.
inline QStringList FaultsOnEveryPage(CostWindow& window)
{
    window.resize(900, 560);
    window.show();
    SweepPlan plan = DefaultPlan();
    plan.sizes = {100, 200};
    plan.repeat = 3;
    window.ShowPlan(plan);
    window.StartSweep();
    if (!QTest::qWaitFor([&window] { return !window.Running(); }, 60000) || !window.Stepper().Load())
        return {QStringLiteral("the run or the step-through did not load")};
    QStringList faults;
    if (window.size() != QSize(900, 560))
        faults << QStringLiteral("the window needs %1 × %2").arg(window.width()).arg(window.height());
    auto& tabs = *window.findChild<QTabWidget*>();
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabs.setCurrentIndex(tab);
        QApplication::processEvents();
        const QString page = tabs.tabText(tab) + QStringLiteral(": ");
        for (const QString& cut : CutTexts(window))
            faults << page + cut;
        QStringList letters = Mnemonics(window);
        const qsizetype all = letters.size();
        letters.removeDuplicates();
        if (letters.size() != all)
            faults << page + QStringLiteral("a mnemonic repeats among ") + Mnemonics(window).join(QLatin1Char(' '));
    }
    return faults;
}

}  // namespace sentinel
