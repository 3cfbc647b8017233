// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/shared/pages.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace sentinel {
namespace {

constexpr std::array<Page, 6> kPages = {{
    {PageId::Time, "time", QT_TRANSLATE_NOOP("sentinel::CostWindow", "T&ime"), QT_TRANSLATE_NOOP("sentinel::CostWindow", "Time"),
     QT_TRANSLATE_NOOP("sentinel::CostWindow", "Time chart")},
    {PageId::Steps, "steps", QT_TRANSLATE_NOOP("sentinel::CostWindow", "&Steps"), QT_TRANSLATE_NOOP("sentinel::CostWindow", "Scan steps"),
     QT_TRANSLATE_NOOP("sentinel::CostWindow", "Steps chart")},
    {PageId::Ratio, "ratio", QT_TRANSLATE_NOOP("sentinel::CostWindow", "R&atio"), QT_TRANSLATE_NOOP("sentinel::CostWindow", "Time ÷ floor"),
     QT_TRANSLATE_NOOP("sentinel::CostWindow", "Ratio chart")},
    {PageId::Order, "order", QT_TRANSLATE_NOOP("sentinel::CostWindow", "Or&der"),
     QT_TRANSLATE_NOOP("sentinel::CostWindow", "Cost against order"), QT_TRANSLATE_NOOP("sentinel::CostWindow", "Order chart")},
    {PageId::Results, "results", QT_TRANSLATE_NOOP("sentinel::CostWindow", "Res&ults"), nullptr, nullptr},
    {PageId::StepThrough, "step-through", QT_TRANSLATE_NOOP("sentinel::CostWindow", "Step throu&gh"), nullptr, nullptr},
}};

}  // namespace

std::span<const Page> Pages()
{
    return kPages;
}

const Page& PageOf(PageId id)
{
    return kPages[static_cast<std::size_t>(id)];
}

std::optional<PageId> PageKeyed(std::string_view key)
{
    const auto found = std::find_if(kPages.begin(), kPages.end(), [key](const Page& page) { return page.key == key; });
    if (found == kPages.end())
        return std::nullopt;
    return found->id;
}

QString PageTitle(PageId id)
{
    return QCoreApplication::translate("sentinel::CostWindow", PageOf(id).title);
}

QString PageChartTitle(PageId id)
{
    return IsChart(id) ? QCoreApplication::translate("sentinel::CostWindow", PageOf(id).chartTitle) : QString();
}

QString PageChartName(PageId id)
{
    return IsChart(id) ? QCoreApplication::translate("sentinel::CostWindow", PageOf(id).chartName) : QString();
}

bool IsChart(PageId id)
{
    return PageOf(id).chartTitle != nullptr;
}

}  // namespace sentinel
