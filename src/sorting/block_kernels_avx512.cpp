// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The block searches at eight lanes, compiled for AVX-512: compares write
// mask registers, combined and tested there.
#if defined(__x86_64__)
#include <immintrin.h>

#include "sorting/scan_paths.h"
#include "sorting/target_region.h"

SENTINEL_TARGET_PUSH("avx512f")
namespace sentinel {
namespace {

struct Avx512Lanes {
    static constexpr std::size_t kCount = 8;
    static __m512d Load(const double* keys) { return _mm512_loadu_pd(keys); }
    static __m512d Broadcast(double key) { return _mm512_set1_pd(key); }
    static __mmask8 Less(__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_LT_OQ); }
    static __mmask8 LessOrEqual(__m512d a, __m512d b) { return _mm512_cmp_pd_mask(a, b, _CMP_LE_OQ); }
    static __mmask8 And(__mmask8 m, __mmask8 n) { return m & n; }
    static __mmask8 Or(__mmask8 m, __mmask8 n) { return m | n; }
    static bool Any(__mmask8 m) { return m != 0; }
    static unsigned Bits(__mmask8 m) { return m; }
};

#include "sorting/block_kernels.inc"

}  // namespace

BlockKernels Avx512Kernels(ScanPath path)
{
    return KernelsOf<Avx512Lanes>(path);
}

}  // namespace sentinel
SENTINEL_TARGET_POP
#endif
