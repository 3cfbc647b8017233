// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/routine_keys.h"

namespace sentinel {

const Sentinels& SentinelsOf(KeyKind key)
{
    static const Sentinels kNumbers{Text(u"-99999999999999"), Text(u"99999999999999")};
    static const Sentinels kTexts{Text(u"0"), Text(u"ZZZZZZZZZZZZZ")};
    static const Sentinels kRecords{Text(u"-99999999999999,-99999999999999,-99999999999999"),
                                    Text(u"99999999999999,99999999999999,99999999999999")};
    switch (key) {
    case KeyKind::Text: return kTexts;
    case KeyKind::Field: return kRecords;
    case KeyKind::Number: break;
    }
    return kNumbers;
}

}  // namespace sentinel
