// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sentinel {

// What a user must hear: what failed or fell back, and what was kept. The
// window shows it in one place; the command line prints it on standard
// error.
struct Notice {
    std::string reason;
    std::string kept;  // empty when nothing stands in

    bool Empty() const noexcept { return reason.empty(); }
    // "reason; kept", or the reason alone.
    std::string Text() const { return kept.empty() ? reason : reason + "; " + kept; }
};

}  // namespace sentinel
