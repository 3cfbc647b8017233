// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sorting/scan_paths.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace sentinel {

BlockKernels TwoLaneKernels(ScanPath path);
#if defined(__x86_64__)
BlockKernels Avx2Kernels(ScanPath path);
BlockKernels Avx512Kernels(ScanPath path);
#endif

namespace {

constexpr std::string_view kNames[] = {"generic", "sse2", "avx2", "avx512"};

BlockKernels KernelsFor(ScanPath path)
{
    switch (path) {
#if defined(__x86_64__)
    case ScanPath::Avx2: return Avx2Kernels(path);
    case ScanPath::Avx512: return Avx512Kernels(path);
#endif
    default: return TwoLaneKernels(path);
    }
}

// The path named by SENTINEL_SCAN when the processor has it, else the widest.
ScanPath ChosenPath()
{
    const std::vector<ScanPath> supported = SupportedPaths();
    if (const char* named = std::getenv("SENTINEL_SCAN"))
        for (const ScanPath path : supported)
            if (NameOf(path) == named)
                return path;
    return supported.back();
}

BlockKernels& Active()
{
    static BlockKernels active = KernelsFor(ChosenPath());
    return active;
}

}  // namespace

std::string_view NameOf(ScanPath path)
{
    return kNames[static_cast<std::size_t>(path)];
}

std::vector<ScanPath> SupportedPaths()
{
#if defined(__x86_64__)
    std::vector<ScanPath> paths = {ScanPath::Sse2};
    if (__builtin_cpu_supports("avx2"))
        paths.push_back(ScanPath::Avx2);
    if (__builtin_cpu_supports("avx512f"))
        paths.push_back(ScanPath::Avx512);
    return paths;
#else
    return {ScanPath::Generic};
#endif
}

const BlockKernels& ActiveKernels()
{
    return Active();
}

bool ForceScanPath(ScanPath path)
{
    const std::vector<ScanPath> supported = SupportedPaths();
    if (std::find(supported.begin(), supported.end(), path) == supported.end())
        return false;
    Active() = KernelsFor(path);
    return true;
}

}  // namespace sentinel
