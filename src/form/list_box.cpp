// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/list_box.h"

#include <utility>

namespace sentinel {

void ListBox::Clear()
{
    rows_.clear();
    cleared_();
}

void ListBox::AddItem(Text row)
{
    rows_.push_back(std::move(row));
    added_(rows_.back());
}

void ListBox::Follow(std::function<void()> cleared, std::function<void(const Text&)> added)
{
    cleared_.Set(std::move(cleared));
    added_.Set(std::move(added));
}

}  // namespace sentinel
