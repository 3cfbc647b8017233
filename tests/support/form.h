// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>

#include "form/form_state.h"
#include "commands/start_up_data.h"
#include "support/text.h"

namespace sentinel {

// A form as the window has it right after start-up.
inline FormState LoadedForm()
{
    FormState form;
    Form_Load(form);
    return form;
}

inline const std::vector<Text> kStartUpTexts = {
    u"20,20,30",  u"30,40,30",  u"120,20,30",  u"20,20,30",  u"30,40,30",   u"120,20,30",  u"-20,20,30",
    u"-30,40,30", u"-120,20,30", u"20,20,30",  u"30,40,30",  u"30,40,30",   u"120,20,30",  u"20,20,30",
    u"30,40,30",  u"120,20,30", u"-20,20,30", u"-30,40,30", u"-120,20,30", u"-30,40,32", u"-120,20,31",
};

inline bool AllDigits(TextView text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// "Elapsed time:  " + digits + "." + six digits + " seconds".
inline bool IsElapsedTimeText(TextView caption)
{
    constexpr TextView prefix = u"Elapsed time:  ";
    constexpr TextView suffix = u" seconds";
    if (!caption.starts_with(prefix) || !caption.ends_with(suffix))
        return false;
    const TextView number = caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
    const std::size_t period = number.find(u'.');
    return period != TextView::npos && AllDigits(number.substr(0, period)) && number.size() - period == 7
        && AllDigits(number.substr(period + 1));
}

}  // namespace sentinel
