// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sentinel {

// Why `path` cannot be opened for writing, in the system's words ("Permission
// denied", "Is a directory"); empty when it can. Tries it for real: a file
// the try creates is removed again, and an existing one is left unchanged.
std::string WritableProblem(const std::string& path);

// Writes all of `bytes` to `path` or nothing, through a file beside it that
// is renamed over it: a failed write leaves no partial file, and an existing
// file stays as it was. The system's reason when it fails, else empty.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace sentinel
