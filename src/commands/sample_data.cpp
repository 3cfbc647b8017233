// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/sample_data.h"

#include <cmath>

#include "form/stopwatch.h"
#include "runtime/clock.h"
#include "runtime/conversions.h"

namespace sentinel {

Text RandomWord(FormState& form)
{
    form.List1.Clear();
    form.generator.Reseed(SecondsSinceMidnight());
    Text word;
    while (word.size() < 4) {
        // Draws give 1 to 90; only 65 to 90 are letters, the others are drawn again.
        const auto code = static_cast<std::int16_t>(std::floor(static_cast<double>(form.generator.Draw()) * 90 + 1));
        if (code >= u'A' && code <= u'Z')
            word.push_back(static_cast<char16_t>(code));
    }
    return word;
}

std::int32_t WholeNumberFromDraw(Single draw)
{
    return static_cast<std::int32_t>(std::floor(static_cast<double>(draw) * 9999 + 1));
}

Text RandomNumberText(FormState& form)
{
    form.generator.Reseed(SecondsSinceMidnight());
    return RightAlign(WholeNumberText(WholeNumberFromDraw(form.generator.Draw())), 3);
}

void CmdCreateNumber_Click(FormState& form)
{
    StartStopwatch(form);
    form.List1.Clear();
    form.colItems = std::make_shared<Collection>();
    for (std::int32_t step = 1; step <= 1000; ++step) {
        form.colItems->Add(RandomNumberText(form));
        form.List1.AddItem(RandomNumberText(form));  // a separate draw, not the item just added
    }
    form.Lbl1.SetCaption(CountCaption(u"unSort Num= ", form.colItems->Count()));
    StopStopwatch(form);
}

void CmdCreateString_Click(FormState& form)
{
    form.colItems = std::make_shared<Collection>();
    form.nStringCount = 1000;
    std::int16_t counter = 0;
    do {
        form.colItems->Add(RandomWord(form));
        counter = ToInt16(counter + 1);
    } while (counter != form.nStringCount);

    form.List1.Clear();
    const std::int16_t count = ToInt16(form.colItems->Count());
    for (std::int32_t position = 1; position <= count; ++position)
        form.List1.AddItem(TextOf(form.colItems->Item(position)));
}

}  // namespace sentinel
