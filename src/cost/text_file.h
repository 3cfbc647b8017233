// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "runtime/utf8.h"
#include "runtime/value.h"

namespace sentinel {

inline constexpr std::size_t kMostEntries = 100000;
inline constexpr std::size_t kMostBytes = 64 * 1024 * 1024;

// The entries of a UTF-8 text, one a line: a line ends at LF, CR LF or CR; a
// blank line is an entry, the empty text; a line end at the very end makes
// no further entry; a leading byte order mark is not part of line 1. Raises
// InputError, naming `source`, when it holds no entries, a line that is not
// UTF-8 (naming the line), or more than kMostEntries entries.
std::vector<Text> SplitEntries(const std::string& utf8, const std::string& source);

// The entries of a text file by the same rules. Refuses, naming the file,
// what is missing, a folder, not a regular file (a device or a pipe, which
// could block or never end) or unreadable; and stops reading, and refuses,
// past kMostBytes bytes or past the line end of entry kMostEntries + 1.
std::vector<Text> ReadEntries(const std::string& path);

}  // namespace sentinel
