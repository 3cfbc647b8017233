// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "form/follower.h"
#include "runtime/value.h"

namespace sentinel {

// What a list box shows: its rows, in the order they were added. A window
// follows each change as it happens, so the screen's list is filled inside
// the command, and inside its measured span where the command times it.
class ListBox {
public:
    void Clear();
    void AddItem(Text row);
    const std::vector<Text>& Rows() const noexcept { return rows_; }

    void Follow(std::function<void()> cleared, std::function<void(const Text&)> added);

private:
    std::vector<Text> rows_;
    Follower<> cleared_;
    Follower<const Text&> added_;
};

}  // namespace sentinel
