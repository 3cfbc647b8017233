// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace sentinel {

// The explorer's pages: four charts, the table of results and the
// step-through. Each is registered once here, and the tabs, the stored tab,
// the help's links and the command line's chart name it by its id.
enum class PageId { Time, Steps, Ratio, Order, Results, StepThrough };

struct Page {
    PageId id;
    const char* key;  // stored in the settings, and the help's anchor
    const char* title;  // the tab's caption, translatable in context "sentinel::CostWindow"
    const char* chartTitle;  // above a chart, translatable in context "sentinel::CostWindow"; none for other pages
    const char* chartName;  // a chart's name for a screen reader
};

// In the order the tabs show them.
std::span<const Page> Pages();
const Page& PageOf(PageId id);
std::optional<PageId> PageKeyed(std::string_view key);
// The tab's caption, a chart's title and its name, translated.
QString PageTitle(PageId id);
QString PageChartTitle(PageId id);
QString PageChartName(PageId id);
bool IsChart(PageId id);

}  // namespace sentinel
