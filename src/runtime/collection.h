// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// An ordered list of values with positions 1 to Count (a 32-bit count: the
// entries of two billion values would not fit in memory). Every operation on a
// position outside 1 to Count raises the position-out-of-range error and
// changes nothing.
class Collection {
public:
    Collection() = default;
    explicit Collection(std::vector<Value> entries);

    std::int32_t Count() const noexcept { return static_cast<std::int32_t>(entries_.size()); }
    const Value& Item(std::int32_t position) const;

    void Add(Value value);
    // Inserts value as entry position+1; the entries from position+1 on move up one.
    void AddAfter(Value value, std::int32_t position);
    void Remove(std::int32_t position);

private:
    void CheckPosition(std::int32_t position) const;

    std::vector<Value> entries_;
};

// Collections are held by reference and shared; a reference may point to none.
using CollectionRef = std::shared_ptr<Collection>;

// A new collection of the entries of `source` at `positions`, in that order.
CollectionRef Gather(const Collection& source, const std::vector<std::int32_t>& positions);

// Gives a reference that points to no collection a new, empty one, and
// returns the collection it points to.
Collection& Ensure(CollectionRef& reference);

// The collection a reference points to, read as empty when there is none;
// the reference itself is left as it is.
const Collection& ContentsOf(const CollectionRef& reference);

}  // namespace sentinel
