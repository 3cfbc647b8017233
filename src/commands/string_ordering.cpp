// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/string_ordering.h"

#include <array>

namespace sentinel {
namespace {

Text Verdict(bool result)
{
    return result ? u"True" : u"False";
}

}  // namespace

void CmdHiLo_Click(FormState& form)
{
    form.List1.Clear();
    const std::array<Text, 6> str = {u"-999", u"999", u"zzzz", u"zzz", u"aaa", u"a"};
    for (const Text& text : str)
        form.List1.AddItem(text);
    // Comparison by UTF-16 code unit: the operators of std::u16string.
    form.List1.AddItem(u"str1<str2 ;" + Verdict(str[0] < str[1]));
    form.List1.AddItem(u"str3<str2 ;" + Verdict(str[2] < str[1]));
    form.List1.AddItem(u"str5<str4 ;" + Verdict(str[4] < str[3]));
    form.List1.AddItem(u"str2<str4 ;" + Verdict(str[1] < str[3]));
    form.List1.AddItem(u"str5>str6 ;" + Verdict(str[4] > str[5]));
}

}  // namespace sentinel
