// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "runtime/value.h"

namespace sentinel::fuzz {

// Reads a fuzzer's bytes one value at a time; past the end every read gives 0.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return position_ >= size_; }

    std::uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }

    template <class T>
    T Raw()
    {
        std::uint8_t bytes[sizeof(T)] = {};
        for (std::uint8_t& byte : bytes)
            byte = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // A text of up to `maxLength` code units. Most come from the characters
    // that matter to the program's parsing and ordering; a byte of 0xF0 or
    // more brings in a raw code unit (a surrogate, a NUL, anything).
    Text TextOf(std::size_t maxLength)
    {
        static constexpr char16_t kAlphabet[] = u"0123456789 \t\n\r+-.,AZaz0E9\uFF21";
        constexpr std::size_t kLetters = sizeof kAlphabet / sizeof kAlphabet[0] - 1;
        const std::size_t length = Byte() % (maxLength + 1);
        Text text;
        for (std::size_t i = 0; i < length && !Empty(); ++i) {
            const std::uint8_t byte = Byte();
            text.push_back(byte >= 0xF0 ? Raw<char16_t>() : kAlphabet[byte % kLetters]);
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace sentinel::fuzz
