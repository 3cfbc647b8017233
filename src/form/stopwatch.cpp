// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/stopwatch.h"

#include "runtime/conversions.h"

namespace sentinel {

void StartStopwatch(FormState& form)
{
    form.sngStart = std::chrono::steady_clock::now();
}

void StopStopwatch(FormState& form)
{
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - form.sngStart;
    form.sngElapsed = ToSingle(elapsed.count());
    form.lblSortTime.SetCaption(ElapsedTimeText(form.sngElapsed, form.decimalSeparator));
}

Text ElapsedTimeText(Single seconds, char16_t decimalSeparator)
{
    return u"Elapsed time:  " + FormatFixed(seconds, 6, decimalSeparator) + u" seconds";
}

}  // namespace sentinel
