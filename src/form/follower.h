// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace sentinel {

// Who is told of a change. A copy of what it follows is followed by no one:
// copying a list box or a label copies what it shows, not the window.
template <class... Args>
class Follower {
public:
    Follower() = default;
    Follower(const Follower&) noexcept {}
    Follower& operator=(const Follower&) noexcept { return *this; }

    void Set(std::function<void(Args...)> tell) { tell_ = std::move(tell); }
    void operator()(Args... args) const
    {
        if (tell_)
            tell_(args...);
    }

private:
    std::function<void(Args...)> tell_;
};

}  // namespace sentinel
