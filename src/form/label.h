// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "form/follower.h"
#include "runtime/value.h"

namespace sentinel {

// What a label shows; every label starts as "Label1". Followed like a list box.
class Label {
public:
    const Text& Caption() const noexcept { return caption_; }
    void SetCaption(Text caption);

    void Follow(std::function<void(const Text&)> changed);

private:
    Text caption_ = u"Label1";
    Follower<const Text&> changed_;
};

// A count label's caption: its prefix directly followed by the count's digits.
Text CountCaption(TextView prefix, std::int32_t count);

}  // namespace sentinel
