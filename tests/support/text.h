// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/collection.h"

namespace sentinel {

// Printable form of a UTF-16 text for test messages (code units above 0x7F as \u escapes).
inline std::string Printable(TextView text)
{
    std::string out;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
            out += escaped;
        }
    }
    return out;
}

inline CollectionRef TextsCollection(const std::vector<Text>& texts)
{
    return std::make_shared<Collection>(std::vector<Value>(texts.begin(), texts.end()));
}

inline std::vector<Value> Entries(const CollectionRef& collection)
{
    std::vector<Value> entries;
    const Collection& contents = ContentsOf(collection);
    for (std::int32_t p = 1; p <= contents.Count(); ++p)
        entries.push_back(contents.Item(p));
    return entries;
}

inline std::vector<Text> Texts(const CollectionRef& collection)
{
    std::vector<Text> texts;
    for (const Value& entry : Entries(collection))
        texts.push_back(TextOf(entry));
    return texts;
}

}  // namespace sentinel
