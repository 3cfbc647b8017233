// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/label.h"

#include <utility>

#include "runtime/conversions.h"

namespace sentinel {

void Label::SetCaption(Text caption)
{
    caption_ = std::move(caption);
    changed_(caption_);
}

void Label::Follow(std::function<void(const Text&)> changed)
{
    changed_.Set(std::move(changed));
}

Text CountCaption(TextView prefix, std::int32_t count)
{
    return Text(prefix) + WholeNumberText(count);
}

}  // namespace sentinel
