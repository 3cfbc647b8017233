// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "runtime/value.h"
#include "sorting/routines.h"
#include "sorting/sort_keys.h"

namespace sentinel {

// The low and high sentinel entries of a routine, which its key kind decides:
// numbers: -99,999,999,999,999 and 99,999,999,999,999, beyond every number
//          the program makes and exact in a double;
// texts:   "0", above the blank and the minus sign, and 13 letters Z, above
//          every shorter run of capitals;
// fields:  the number sentinels in each of three fields.
struct Sentinels {
    Value low;
    Value high;
};
const Sentinels& SentinelsOf(KeyKind key);

inline const Sentinels& SentinelsOf(Routine routine)
{
    return SentinelsOf(Describe(routine).key);
}

// Calls visit(keyOf, sentinels) with the routine's key reading: keyOf(entry)
// gives the key of an entry (a Value) as a double or, for text keys, as a
// TextView that stays valid while keyOf lives. `fieldIndex` serves the
// field routines.
template <class Visit>
void WithKeyOf(Routine routine, std::int16_t fieldIndex, Visit&& visit)
{
    const Sentinels& sentinels = SentinelsOf(routine);
    switch (Describe(routine).key) {
    case KeyKind::Text: return visit(TextKeys{}, sentinels);
    case KeyKind::Field:
        return visit([fieldIndex](const Value& entry) { return FieldKey(entry, fieldIndex); }, sentinels);
    case KeyKind::Number: return visit(NumericKey, sentinels);
    }
}

}  // namespace sentinel
