// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "form/form_state.h"

namespace sentinel {

enum class ControlKind { ListBox, Button, Label };

// Positions and sizes in twips (1/1440 inch) within the window's client area.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

// One control of the window: what it is, where it stands, and what it is
// wired to (a button's click handler, or the list box or label of the form
// state that it shows).
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::u16string_view caption;
    TwipRect place;
    bool available = true;
    Handler onClick = nullptr;
    ListBox FormState::*list = nullptr;
    Label FormState::*label = nullptr;
};

inline constexpr std::u16string_view kWindowCaption = u"FrmDemo";
inline constexpr int kClientWidthTwips = 12225;
inline constexpr int kClientHeightTwips = 5505;

// The 18 controls in tab order.
extern const std::array<ControlRow, 18> kControls;

}  // namespace sentinel
