// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "form/label.h"
#include "form/list_box.h"
#include "runtime/start_up_data.h"
#include "runtime/collection.h"
#include "runtime/random.h"

namespace sentinel {

// Everything the window's commands share: the form-level variables and what
// each control shows. The window owns one for its whole life; every handler
// is a function on it.
struct FormState {
    CollectionRef colItems;  // the working list
    CollectionRef colAngles;  // the start-up whole numbers
    std::array<Vector3, kStartUpCount> aVectors{};
    std::vector<Single> aAngles;
    std::int32_t nStringCount = 0;
    std::chrono::steady_clock::time_point sngStart{};  // when the timed step began
    Single sngElapsed = 0;  // seconds the last timed step took

    ListBox List1;
    ListBox List2;
    ListBox List3;
    Label lblSortTime;
    Label Lbl1;
    Label Lbl2;
    Label Lbl3;

    Random generator;
    char16_t decimalSeparator = u'.';  // the user's locale's, set by the window
};

using Handler = void (*)(FormState&);

}  // namespace sentinel
