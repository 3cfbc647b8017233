// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The block searches at four lanes, compiled for AVX2: compares yield lane
// masks, tested whole by their sign bits.
#if defined(__x86_64__)
#include <immintrin.h>

#include "sorting/scan_paths.h"
#include "sorting/target_region.h"

SENTINEL_TARGET_PUSH("avx2")
namespace sentinel {
namespace {

struct Avx2Lanes {
    static constexpr std::size_t kCount = 4;
    static __m256d Load(const double* keys) { return _mm256_loadu_pd(keys); }
    static __m256d Broadcast(double key) { return _mm256_set1_pd(key); }
    static __m256d Less(__m256d a, __m256d b) { return _mm256_cmp_pd(a, b, _CMP_LT_OQ); }
    static __m256d LessOrEqual(__m256d a, __m256d b) { return _mm256_cmp_pd(a, b, _CMP_LE_OQ); }
    static __m256d And(__m256d m, __m256d n) { return _mm256_and_pd(m, n); }
    static __m256d Or(__m256d m, __m256d n) { return _mm256_or_pd(m, n); }
    static bool Any(__m256d m) { return _mm256_movemask_pd(m) != 0; }
    static unsigned Bits(__m256d m) { return static_cast<unsigned>(_mm256_movemask_pd(m)); }
};

#include "sorting/block_kernels.inc"

}  // namespace

BlockKernels Avx2Kernels(ScanPath path)
{
    return KernelsOf<Avx2Lanes>(path);
}

}  // namespace sentinel
SENTINEL_TARGET_POP
#endif
