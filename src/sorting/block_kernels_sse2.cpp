// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The block searches at two lanes: SSE2 on x86-64, the compiler's plain
// vector code elsewhere.
#include "sorting/scan_paths.h"

namespace sentinel {
namespace {

struct TwoLanes {
    typedef double Keys __attribute__((vector_size(2 * sizeof(double))));
    static constexpr std::size_t kCount = 2;
    static Keys Load(const double* keys)
    {
        Keys lanes;
        __builtin_memcpy(&lanes, keys, sizeof lanes);
        return lanes;
    }
    static Keys Broadcast(double key) { return Keys{key, key}; }
    static auto Less(Keys a, Keys b) { return a < b; }
    static auto LessOrEqual(Keys a, Keys b) { return a <= b; }
    template <class Mask>
    static Mask And(Mask m, Mask n) { return m & n; }
    template <class Mask>
    static Mask Or(Mask m, Mask n) { return m | n; }
    template <class Mask>
    static bool Any(Mask m) { return (m[0] | m[1]) != 0; }  // no branch between the lanes
    template <class Mask>
    static unsigned Bits(Mask m) { return static_cast<unsigned>((m[0] & 1) | (m[1] & 2)); }
};

#include "sorting/block_kernels.inc"

}  // namespace

BlockKernels TwoLaneKernels(ScanPath path)
{
    return KernelsOf<TwoLanes>(path);
}

}  // namespace sentinel
