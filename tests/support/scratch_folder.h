// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace sentinel {

// A folder of the test's own under the system's temporary folder, removed
// with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "sentinel-test.XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();  // mkdtemp makes it unique
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& name) const { return (path_ / name).string(); }
    // A file of the folder's with this text.
    std::string File(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name)) << text;
        return Path(name);
    }

private:
    std::filesystem::path path_;
};

}  // namespace sentinel
