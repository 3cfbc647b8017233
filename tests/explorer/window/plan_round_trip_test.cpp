// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every plan the command line accepts opens in the window unchanged, is
// stored unchanged when the window closes, and opens again the same.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <fstream>

#include "explorer/window/cost_window.h"
#include "explorer/window/settings_panel.h"
#include "model/plan_store.h"
#include "support/plan_cases.h"

namespace sentinel {
namespace {

// The items of a list that read as checked.
QStringList Checked(const CostWindow& window, const char* list)
{
    QStringList checked;
    for (const QListWidget* each : window.findChildren<QListWidget*>())
        if (each->accessibleName() == list)
            for (int row = 0; row < each->count(); ++row)
                if (each->item(row)->checkState() == Qt::Checked)
                    checked << each->item(row)->text();
    return checked;
}

TEST(PlanRoundTrip, EveryCommandLinePlanOpensIsStoredAndReopensUnchanged)
{
    QTemporaryDir folder;
    const std::string file = folder.filePath("words.txt").toStdString();
    std::ofstream(file) << "pear\napple\nfig\nkiwi\nlime\n";
    for (const auto& words : PlanCommandLines(file)) {
        const SweepPlan given = Parsed(words);
        QSettings remembered(folder.filePath("round-trip.ini"), QSettings::IniFormat);
        {
            CostWindow window({}, [](const QString&) { return true; }, &remembered);
            window.ShowPlan(given);
            EXPECT_EQ(StorePlan(window.Settings().Plan()), StorePlan(given)) << "shown: " << Joined(words);
        }
        CostWindow reopened({}, [](const QString&) { return true; }, &remembered);
        EXPECT_EQ(StorePlan(reopened.Settings().Plan()), StorePlan(given)) << "reopened: " << Joined(words);
        EXPECT_EQ(reopened.Settings().Plan().IsOrderSweep(), given.IsOrderSweep()) << Joined(words);
    }
}

// A variant and a second shape of one family are shown checked, and stored
// by name on quitting.
TEST(PlanRoundTrip, AVariantAndTwoSwapsShapesAreShownAndStored)
{
    QTemporaryDir folder;
    QSettings remembered(folder.filePath("sentinel-cost.ini"), QSettings::IniFormat);
    {
        CostWindow window({}, [](const QString&) { return true; }, &remembered);
        window.ShowPlan(Parsed({"--routines", "SortNumbers,SortNumbersFromHigh", "--shapes", "random,swaps:5,swaps:50",
                                "--sizes", "1000,2000"}));
        EXPECT_EQ(Checked(window, "Routines"), (QStringList{"SortNumbers", "SortNumbersFromHigh (variant)"}));
        EXPECT_EQ(Checked(window, "Shapes"), (QStringList{"random", "swaps:5", "swaps:50"}));
    }
    EXPECT_EQ(remembered.value("plan/routines").toString(), "SortNumbers,SortNumbersFromHigh");
    EXPECT_EQ(remembered.value("plan/shapes").toString(), "random,swaps:5,swaps:50");
    EXPECT_EQ(remembered.value("plan/sizes").toString(), "1000,2000");
    CostWindow reopened({}, [](const QString&) { return true; }, &remembered);
    EXPECT_EQ(Checked(reopened, "Shapes"), (QStringList{"random", "swaps:5", "swaps:50"}));
}

}  // namespace
}  // namespace sentinel
