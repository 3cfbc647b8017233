// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace sentinel {

// The width the block scan compares at: two lanes of plain vector code (SSE2
// on x86-64, whatever the compiler maps it to elsewhere), or four (AVX2) or
// eight (AVX-512) lanes on processors that have them. Every path tests the
// same positions in the same order and finds the same first fit; only how
// many keys one instruction compares differs.
enum class ScanPath { Generic, Sse2, Avx2, Avx512 };

// Positions in a block, on every path: one compare a position while looking
// for the block that reaches the key, two (both neighbours) while looking for
// a block whose neighbours may enclose it.
inline constexpr std::size_t kReachBlock = 32;
inline constexpr std::size_t kFitBlock = 8;

std::string_view NameOf(ScanPath path);

// The block searches of block_scan.h at one width. Each searches whole
// blocks from `from` and returns the first position where it finds what it
// seeks, or, when no whole block holds that, the first of the positions
// left over (fewer than a block). The reaches search those too, as the
// block that ends at `last`, and return last + 1 when no position reaches.
struct BlockKernels {
    ScanPath path;
    std::size_t (*reachAtLeast)(const double* keys, std::size_t from, std::size_t last, double key);  // keys[j] >= key
    std::size_t (*reachAbove)(const double* keys, std::size_t from, std::size_t last, double key);  // keys[j] > key
    std::size_t (*fitInclusive)(const double* keys, std::size_t from, std::size_t last, double key);
    std::size_t (*fitStrict)(const double* keys, std::size_t from, std::size_t last, double key);
    // Of `count` keys, how many lie below `key`: where a sorted run's keys
    // reach it, counted without a branch on the keys or a chain of loads.
    std::size_t (*countBelow)(const double* keys, std::size_t count, double key);
};

// The paths this processor can run, narrowest first.
std::vector<ScanPath> SupportedPaths();

// The kernels the sorts use, chosen once: the one the environment variable
// SENTINEL_SCAN names (generic, sse2, avx2, avx512) when the processor has
// it, else the widest it has.
const BlockKernels& ActiveKernels();

// For tests and benchmarks: makes `path` the active one when the processor
// has it; says whether it did. Not to be called while a sort runs.
bool ForceScanPath(ScanPath path);

}  // namespace sentinel
