// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The block scan of number keys against the plain statement of the scan, on
// lists whose lengths lie at and beside a block's.
#include <gtest/gtest.h>

#include <vector>

#include "sorting/sentinel_insertion.h"

namespace sentinel {
namespace {

// The low sentinel, then pairs of equal keys (0, 2, 2, 4, 4, ...), then the
// high sentinel: `size` keys in all.
std::vector<double> PairedKeys(std::size_t size)
{
    std::vector<double> keys{-1000.0};
    for (std::size_t j = 1; j + 1 < size; ++j)
        keys.push_back(static_cast<double>(2 * (j / 2)));
    keys.push_back(1000.0);
    return keys;
}

template <Placement placement>
void ExpectThePlainScansFit(const BlockKernels& kernels, const std::vector<double>& keys, double key)
{
    const std::size_t last = keys.size() - 1;
    const auto compareAt = [&](std::size_t at) { return ThreeWay(key <=> keys[at]); };
    EXPECT_EQ(ScanFor<placement>(kernels, keys.data(), 1, last, key), FirstFitFrom<placement>(1, last, compareAt))
        << NameOf(kernels.path) << ", " << keys.size() << " keys, key " << key << ", "
        << (placement == Placement::Strict ? "strict" : "inclusive");
}

// Every key between, on and beyond the list's keys, the sentinels' own
// included, at every width the processor has: the fit (or 0, dropped) is
// the plain scan's, also where the block search leaves positions over.
TEST(BlockScan, FindsThePlainScansFitOnListsAtAndBesideABlocksLength)
{
    const ScanPath chosen = ActiveKernels().path;
    for (const ScanPath path : SupportedPaths()) {
        ASSERT_TRUE(ForceScanPath(path));
        for (const std::size_t size : {std::size_t{2}, std::size_t{3}, kReachBlock - 1, kReachBlock, kReachBlock + 1,
                                       kReachBlock + 2, 2 * kReachBlock, 2 * kReachBlock + 1, 3 * kReachBlock + 5}) {
            const std::vector<double> keys = PairedKeys(size);
            std::vector<double> probes{-2000.0, -1000.0, 1000.0, 2000.0};
            for (double key = -1.0; key <= static_cast<double>(size) + 1; key += 1.0)
                probes.push_back(key);
            for (const double key : probes) {
                ExpectThePlainScansFit<Placement::Inclusive>(ActiveKernels(), keys, key);
                ExpectThePlainScansFit<Placement::Strict>(ActiveKernels(), keys, key);
            }
        }
    }
    ForceScanPath(chosen);
}

}  // namespace
}  // namespace sentinel
