// The block searches at four lanes, compiled for AVX2.
#include "sorting/scan_paths.h"

#define SENTINEL_LANES 4
#define SENTINEL_KERNELS Avx2Kernels
#define SENTINEL_TARGET "avx2"
#include "sorting/block_kernels_for_target.inc"
