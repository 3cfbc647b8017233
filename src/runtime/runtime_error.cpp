// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/runtime_error.h"

namespace sentinel {
namespace {

const char* Summary(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow: return "Counter overflow";
    case ErrorKind::PositionOutOfRange: return "Position out of range";
    case ErrorKind::FloatingPointFault: return "Floating-point fault";
    case ErrorKind::ConversionFailure: return "Conversion failed";
    case ErrorKind::OutOfMemory: return "Out of memory";
    }
    return "Run-time error";
}

}  // namespace

RuntimeError::RuntimeError(ErrorKind kind, const std::string& detail)
    : std::runtime_error(std::string(Summary(kind)) + ": " + detail), kind_(kind)
{
}

}  // namespace sentinel
