// The block searches at eight lanes, compiled for AVX-512.
#include "sorting/scan_paths.h"

#define SENTINEL_LANES 8
#define SENTINEL_KERNELS Avx512Kernels
#define SENTINEL_TARGET "avx512f"
#include "sorting/block_kernels_for_target.inc"
