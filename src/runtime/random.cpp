// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/random.h"

#include <bit>

namespace sentinel {
namespace {

constexpr std::uint64_t kStartState = 0x0123456789ABCDEFULL;
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

// The top 24 bits as a Single in [0, 1): every such value is exact in a Single.
Single UnitInterval(std::uint64_t bits)
{
    constexpr Single kTwoToMinus24 = 1.0F / 16777216.0F;
    return static_cast<Single>(bits >> 40U) * kTwoToMinus24;
}

}  // namespace

Random::Random() : state_(kStartState), last_(UnitInterval(Mix(kStartState))) {}

void Random::Reseed(Single seed)
{
    state_ = Mix(state_ ^ std::bit_cast<std::uint32_t>(seed));
}

Single Random::Draw()
{
    state_ += kGoldenGamma;
    last_ = UnitInterval(Mix(state_));
    return last_;
}

Single Random::Draw(std::int32_t argument)
{
    return argument == 0 ? last_ : Draw();
}

}  // namespace sentinel
