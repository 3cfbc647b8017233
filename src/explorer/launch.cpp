// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/launch.h"

#include "explorer/window/cost_window.h"

namespace sentinel {

void Launch(CostWindow& window, const CommandLine& line)
{
    if (line.planGiven)
        window.ShowPlan(line.plan);
    else if (line.firstLook)
        window.ShowFirstLook();
}

}  // namespace sentinel
