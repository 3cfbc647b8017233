// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstdint>
#include <utility>

#include "runtime/collection.h"
#include "sorting/routines.h"
#include "sorting/scan_observers.h"
#include "sorting/scan_trace.h"

namespace sentinel {

// Sentinel insertion sorts. Each builds a new collection of the placed entries
// in ascending key order and makes the caller's reference point to it. Entries
// whose key lies outside the sentinels' range are left out silently; the
// *Unique routines also leave out every entry whose key is already placed
// (the first of equal keys stays), the others put equal keys in the reverse of
// their input order. A reference to no collection reads as empty. On an error
// every reference and collection passed in is left exactly as it was.

// Key: the leading number of the entry's text.
// Sentinels "-99999999999999" and "99999999999999".
void SortNumbers(CollectionRef& items);
void SortNumbersUnique(CollectionRef& items);

// Key: the entry's text, by UTF-16 code unit. Sentinels "0" and 13 letters Z.
void SortStrings(CollectionRef& items);
void SortStringsUnique(CollectionRef& items);

// Key: the leading number of comma-separated field `fieldIndex` (from 0).
// Sentinels: three fields of -99999999999999, and of 99999999999999. A text
// without that field raises the position-out-of-range error, so with a
// non-empty input any index outside 0 to 2 fails on the sentinels.
void SortByField(CollectionRef& items, std::int16_t fieldIndex);
void SortByFieldUnique(CollectionRef& items, std::int16_t fieldIndex);

// Orders `keys` by their numeric keys and carries `companion` along position
// for position; both references get new collections of equal length.
// Companion entries beyond the keys' count are dropped; a companion shorter
// than the keys raises the position-out-of-range error.
void SortPairsByNumber(CollectionRef& keys, CollectionRef& companion);
void SortPairsByNumberUnique(CollectionRef& keys, CollectionRef& companion);

// Any routine of the family, its work counted, with the same result and the
// same errors as the routine's own function. `companion` serves the paired
// routines and `fieldIndex` the field routines; the others leave both alone.
// When `cancel` is set during the run, it raises ScanCancelled within one
// entry's scan and leaves the collections as they were.
ScanCounts SortCounted(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex,
                       const std::atomic<bool>* cancel = nullptr);

// The same, recording every step of the scan (see scan_trace.h).
ScanTrace SortTraced(Routine routine, CollectionRef& items, CollectionRef& companion, std::int16_t fieldIndex);

}  // namespace sentinel
