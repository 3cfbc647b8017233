// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>
#include <optional>

namespace sentinel::bench {

// The processor's count of mispredicted branches in this thread, in user
// code, from the kernel's performance counters; none where the machine
// offers no such counter (many virtual machines) or may not read it.
class BranchMisses {
public:
    BranchMisses()
    {
        perf_event_attr attributes{};
        attributes.size = sizeof attributes;
        attributes.type = PERF_TYPE_HARDWARE;
        attributes.config = PERF_COUNT_HW_BRANCH_MISSES;
        attributes.disabled = 1;
        attributes.exclude_kernel = 1;
        attributes.exclude_hv = 1;
        descriptor_ = static_cast<int>(syscall(SYS_perf_event_open, &attributes, 0, -1, -1, 0));
    }
    ~BranchMisses()
    {
        if (descriptor_ >= 0)
            close(descriptor_);
    }
    BranchMisses(const BranchMisses&) = delete;
    BranchMisses& operator=(const BranchMisses&) = delete;

    void Start() const
    {
        if (descriptor_ >= 0) {
            ioctl(descriptor_, PERF_EVENT_IOC_RESET, 0);
            ioctl(descriptor_, PERF_EVENT_IOC_ENABLE, 0);
        }
    }
    // The misses since Start, or none.
    std::optional<std::uint64_t> Stop() const
    {
        std::uint64_t count = 0;
        if (descriptor_ < 0)
            return std::nullopt;
        ioctl(descriptor_, PERF_EVENT_IOC_DISABLE, 0);
        if (read(descriptor_, &count, sizeof count) != sizeof count)
            return std::nullopt;
        return count;
    }

private:
    int descriptor_ = -1;
};

}  // namespace sentinel::bench
