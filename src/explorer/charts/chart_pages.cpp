// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The charts made from the pages that are charts, each named as its page
// registers it.
#include "explorer/charts/chart_panel.h"
#include "explorer/charts/cost_charts.h"

namespace sentinel {
namespace {

ChartPanel* PanelOf(PageId id)
{
    return new ChartPanel(PageChartTitle(id), PageChartName(id));
}

}  // namespace

CostCharts CreateCostCharts()
{
    return {PanelOf(PageId::Time), PanelOf(PageId::Steps), PanelOf(PageId::Ratio), PanelOf(PageId::Order)};
}

ChartPanel* CostCharts::Chart(PageId page) const
{
    switch (page) {
    case PageId::Time: return time;
    case PageId::Steps: return steps;
    case PageId::Ratio: return ratio;
    case PageId::Order: return order;
    case PageId::Results:
    case PageId::StepThrough: break;
    }
    return nullptr;
}

}  // namespace sentinel
