// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace sentinel {

// The run-time errors a command can raise. The window shows the number and
// the description, then ends the program.
enum class ErrorKind : std::int32_t {
    Overflow = 101,
    PositionOutOfRange = 102,
    FloatingPointFault = 103,
    ConversionFailure = 104,
    OutOfMemory = 105,
};

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(ErrorKind kind, const std::string& detail);

    ErrorKind Kind() const noexcept { return kind_; }
    std::int32_t Number() const noexcept { return static_cast<std::int32_t>(kind_); }
    // The full text shown to the user: what went wrong, then the detail.
    std::string Description() const { return what(); }

private:
    ErrorKind kind_;
};

}  // namespace sentinel
