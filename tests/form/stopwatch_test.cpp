// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "form/stopwatch.h"
#include "form/form_state.h"

namespace sentinel {
namespace {

TEST(Stopwatch, ShowsTheElapsedTimeInSixDecimals)
{
    EXPECT_EQ(ElapsedTimeText(0.046875F, u'.'), u"Elapsed time:  0.046875 seconds");
    EXPECT_EQ(ElapsedTimeText(0.0000004F, u'.'), u"Elapsed time:  0.000000 seconds");
    EXPECT_EQ(ElapsedTimeText(1.5F, u','), u"Elapsed time:  1,500000 seconds");

    FormState form;
    StartStopwatch(form);
    StopStopwatch(form);
    EXPECT_GE(form.sngElapsed, 0.0F);
    EXPECT_LT(form.sngElapsed, 60.0F);
    EXPECT_EQ(form.lblSortTime.Caption(), ElapsedTimeText(form.sngElapsed, u'.'));

    form.decimalSeparator = u',';
    StartStopwatch(form);
    StopStopwatch(form);
    EXPECT_EQ(form.lblSortTime.Caption().substr(0, 17), u"Elapsed time:  0,") << "the form's separator";
}

}  // namespace
}  // namespace sentinel
