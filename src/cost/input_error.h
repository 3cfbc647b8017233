// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace sentinel {

// A request the explorer cannot measure: a bad argument, a bad file, or data
// a routine cannot take. Its message is one line, ready to show the user.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace sentinel
