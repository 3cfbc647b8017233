// The block searches at 8 lanes, compiled for avx512f alone: only what
// this file defines is, and ActiveKernels calls it only on a processor that
// has avx512f.
#include "sorting/scan_paths.h"

#if defined(__x86_64__)

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f")
#endif

namespace sentinel {

#define SENTINEL_LANES 8
#define SENTINEL_KERNELS Avx512Kernels
#include "sorting/block_kernels.inc"

}  // namespace sentinel

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#endif
