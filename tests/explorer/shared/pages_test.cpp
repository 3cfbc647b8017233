// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSet>

#include "explorer/shared/pages.h"

namespace sentinel {
namespace {

// Each page is registered once: its key finds it again, no two share a key
// or a mnemonic, and the pages that are charts have a title and a name.
TEST(Pages, EachIsRegisteredOnceAndFoundByItsKey)
{
    QSet<QString> keys, mnemonics;
    int charts = 0;
    for (const Page& page : Pages()) {
        EXPECT_EQ(&PageOf(page.id), &page);
        EXPECT_EQ(PageKeyed(page.key), page.id) << page.key;
        keys.insert(QString::fromUtf8(page.key));
        const QString title = PageTitle(page.id);
        ASSERT_TRUE(title.contains(QLatin1Char('&'))) << page.key;
        mnemonics.insert(title.mid(title.indexOf(QLatin1Char('&')) + 1, 1).toLower());
        if (IsChart(page.id)) {
            ++charts;
            EXPECT_FALSE(PageChartTitle(page.id).isEmpty() || PageChartName(page.id).isEmpty()) << page.key;
        }
    }
    EXPECT_EQ(keys.size(), static_cast<int>(Pages().size()));
    EXPECT_EQ(mnemonics.size(), static_cast<int>(Pages().size()));
    EXPECT_EQ(charts, 4);
    EXPECT_FALSE(IsChart(PageId::Results));
    EXPECT_EQ(PageKeyed("Time"), std::nullopt) << "keys are exact";
    EXPECT_EQ(PageKeyed(""), std::nullopt);
}

}  // namespace
}  // namespace sentinel
