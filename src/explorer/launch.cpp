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
