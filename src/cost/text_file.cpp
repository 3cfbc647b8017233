// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/text_file.h"

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <optional>

#include "cost/input_error.h"
#include "runtime/user_text.h"

namespace sentinel {

static_assert(kMostEntries == 100000, "the messages below name the limit");
std::vector<Text> SplitEntries(const std::string& utf8, const std::string& source)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::vector<Text> entries;
    std::size_t start = utf8.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (start < utf8.size()) {
        std::size_t end = utf8.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = utf8.size();
        if (entries.size() == kMostEntries)
            throw InputError(Substituted(UserText("Files", "%1 holds more than 100,000 entries"), {source}));
        std::optional<Text> entry = FromUtf8(std::string_view(utf8.data() + start, end - start));
        if (!entry)
            throw InputError(
                Substituted(UserText("Files", "%1: line %2 is not UTF-8 text"), {source, std::to_string(entries.size() + 1)}));
        entries.push_back(std::move(*entry));
        start = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (entries.empty())
        throw InputError(Substituted(UserText("Files", "%1 holds no entries"), {source}));
    return entries;
}

std::vector<Text> ReadEntries(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        throw InputError(Substituted(UserText("Files", "%1: no such file"), {path}));
    if (std::filesystem::is_directory(status))
        throw InputError(Substituted(UserText("Files", "%1 is a folder, not a text file"), {path}));
    if (!std::filesystem::is_regular_file(status))
        throw InputError(Substituted(
            UserText("Files", "%1 is not a regular file (a device, a pipe or a socket): open a text file"), {path}));
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError(Substituted(UserText("Files", "%1 cannot be read"), {path}));
    std::string bytes;
    std::size_t lineEnds = 0;
    char chunk[1 << 16];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        const std::string_view read(chunk, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() + read.size() > kMostBytes)
            throw InputError(Substituted(UserText("Files", "%1 is larger than %2 MiB, the most a file of entries may hold"),
                                         {path, std::to_string(kMostBytes / (1024 * 1024))}));
        lineEnds += static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
        if (lineEnds > kMostEntries)
            throw InputError(Substituted(UserText("Files", "%1 holds more than 100,000 entries"), {path}));
        bytes.append(read);
    }
    if (file.bad())
        throw InputError(Substituted(UserText("Files", "%1 cannot be read"), {path}));
    return SplitEntries(bytes, path);
}

}  // namespace sentinel
