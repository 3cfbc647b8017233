// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sentinel {

// Where an output goes, by what is at its path now:
//   - nothing, or a regular file: a whole new file, renamed over the path;
//   - a symbolic link: written through, so the link stays and its target
//     (made when it is missing) gets the content;
//   - a device, a FIFO or a pipe (/dev/null, >(gzip), a named pipe): written
//     into as it is, never replaced;
//   - a directory or a socket: refused.

// Why an output to `path` would fail, in the system's words ("Permission
// denied", "Is a directory"); empty when it can be written. Tries what the
// write will do, without leaving anything behind or changing what is
// there, and without waiting for a FIFO's reader.
std::string WritableProblem(const std::string& path);

// Writes all of `bytes` to `path` as above. A file is written whole or not
// at all: a failed write leaves no partial file, and an existing one stays
// as it was. The system's reason when it fails, else empty.
std::string WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace sentinel
