// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/control_table.h"

#include "commands/sample_data.h"
#include "commands/string_ordering.h"
#include "commands/sort_commands.h"

namespace sentinel {
namespace {

constexpr ControlRow ListControl(std::string_view name, TwipRect place, ListBox FormState::*list)
{
    return {name, ControlKind::ListBox, u"", place, true, nullptr, list, nullptr};
}

constexpr ControlRow ButtonControl(std::string_view name, std::u16string_view caption, TwipRect place,
                                    Handler onClick, bool available = true)
{
    return {name, ControlKind::Button, caption, place, available, onClick, nullptr, nullptr};
}

constexpr ControlRow LabelControl(std::string_view name, TwipRect place, Label FormState::*label)
{
    return {name, ControlKind::Label, u"Label1", place, true, nullptr, nullptr, label};
}

// The four commands on the start-up vector data are there, complete, but
// can never be clicked.
constexpr bool kUnavailable = false;

}  // namespace

const std::array<ControlRow, 18> kControls = {
    ListControl("List1", {0, 480, 3255, 3300}, &FormState::List1),
    ListControl("List2", {3360, 480, 3975, 3300}, &FormState::List2),
    ButtonControl("CmdSort", u"Sort", {360, 4440, 975, 375}, CmdSort_Click, kUnavailable),
    ButtonControl("CmdRemoveDuplicate", u"RemoveDuplicate", {1560, 4440, 1575, 375}, CmdRemoveDuplicate_Click,
                  kUnavailable),
    ButtonControl("CmdCreateString", u"CreateString", {3240, 4080, 1335, 375}, CmdCreateString_Click),
    ButtonControl("CmdCreateNumber", u"CreateNumber", {7200, 4080, 1335, 375}, CmdCreateNumber_Click),
    ListControl("List3", {7440, 480, 3975, 3300}, &FormState::List3),
    ButtonControl("CmdSortAng", u"SortAng", {360, 4920, 975, 375}, CmdSortAng_Click, kUnavailable),
    ButtonControl("Command1", u"SortAng_Duplicate", {1560, 4920, 1575, 375}, Command1_Click, kUnavailable),
    ButtonControl("CmdSortStr", u"SortStr", {4560, 4080, 975, 375}, CmdSortStr_Click),
    ButtonControl("CmdSortNum", u"SortNum", {8520, 4080, 1335, 375}, CmdSortNum_Click),
    LabelControl("lblSortTime", {240, 3960, 480, 180}, &FormState::lblSortTime),
    LabelControl("Lbl1", {360, 120, 480, 180}, &FormState::Lbl1),
    LabelControl("Lbl2", {3600, 120, 480, 180}, &FormState::Lbl2),
    LabelControl("Lbl3", {7920, 120, 480, 180}, &FormState::Lbl3),
    ButtonControl("cmdDuplicate", u"DuplicateNum", {9720, 4080, 1335, 375}, cmdDuplicate_Click),
    ButtonControl("CmdHiLo", u"HiLoTest", {11040, 3840, 1095, 375}, CmdHiLo_Click),
    ButtonControl("CmdSortStr_Duplicate", u"SortStr_Duplicate", {5640, 4080, 1455, 375},
                  CmdSortStr_Duplicate_Click),
};

}  // namespace sentinel
