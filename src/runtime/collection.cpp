// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/collection.h"

#include <string>
#include <utility>

#include "runtime/runtime_error.h"

namespace sentinel {

Collection::Collection(std::vector<Value> entries) : entries_(std::move(entries)) {}

const Value& Collection::Item(std::int32_t position) const
{
    CheckPosition(position);
    return entries_[static_cast<std::size_t>(position - 1)];
}

void Collection::Add(Value value)
{
    entries_.push_back(std::move(value));
}

void Collection::AddAfter(Value value, std::int32_t position)
{
    CheckPosition(position);
    entries_.insert(entries_.begin() + position, std::move(value));
}

void Collection::Remove(std::int32_t position)
{
    CheckPosition(position);
    entries_.erase(entries_.begin() + (position - 1));
}

void Collection::CheckPosition(std::int32_t position) const
{
    if (position < 1 || position > Count())
        throw RuntimeError(ErrorKind::PositionOutOfRange,
                           "position " + std::to_string(position) + " is not within 1 to "
                               + std::to_string(Count()));
}

CollectionRef Gather(const Collection& source, const std::vector<std::int32_t>& positions)
{
    std::vector<Value> entries;
    entries.reserve(positions.size());
    for (const std::int32_t position : positions)
        entries.push_back(source.Item(position));
    return std::make_shared<Collection>(std::move(entries));
}

Collection& Ensure(CollectionRef& reference)
{
    if (!reference)
        reference = std::make_shared<Collection>();
    return *reference;
}

const Collection& ContentsOf(const CollectionRef& reference)
{
    static const Collection empty;
    return reference ? *reference : empty;
}

}  // namespace sentinel
