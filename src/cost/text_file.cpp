// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/text_file.h"

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <optional>

#include "cost/input_error.h"

namespace sentinel {

static_assert(kMostEntries == 100000, "the messages below name the limit");
namespace {

// Decodes one line of UTF-8 to UTF-16; nothing when it is not well formed
// (overlong forms, surrogates and code points past U+10FFFF included).
std::optional<Text> DecodeLine(std::string_view bytes)
{
    Text text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size())
            return std::nullopt;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        if (code >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
        i += static_cast<std::size_t>(length);
    }
    return text;
}

}  // namespace

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
            throw InputError(source + " holds more than 100,000 entries");
        std::optional<Text> entry = DecodeLine(std::string_view(utf8.data() + start, end - start));
        if (!entry)
            throw InputError(source + ": line " + std::to_string(entries.size() + 1) + " is not UTF-8 text");
        entries.push_back(std::move(*entry));
        start = end + (utf8.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (entries.empty())
        throw InputError(source + " holds no entries");
    return entries;
}

std::string ToUtf8(TextView text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (code >= 0xD800 && code <= 0xDFFF)
            code = 0xFFFD;
        if (code < 0x80) {
            bytes.push_back(static_cast<char>(code));
            continue;
        }
        const int length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
        bytes.push_back(static_cast<char>((0xF00 >> length) | (code >> (6 * (length - 1)))));
        for (int k = length - 2; k >= 0; --k)
            bytes.push_back(static_cast<char>(0x80 | ((code >> (6 * k)) & 0x3F)));
    }
    return bytes;
}

std::vector<Text> ReadEntries(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        throw InputError(path + ": no such file");
    if (std::filesystem::is_directory(status))
        throw InputError(path + " is a folder, not a text file");
    if (!std::filesystem::is_regular_file(status))
        throw InputError(path + " is not a regular file (a device, a pipe or a socket): open a text file");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw InputError(path + " cannot be read");
    std::string bytes;
    std::size_t lineEnds = 0;
    char chunk[1 << 16];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
        const std::string_view read(chunk, static_cast<std::size_t>(file.gcount()));
        if (bytes.size() + read.size() > kMostBytes)
            throw InputError(path + " is larger than " + std::to_string(kMostBytes / (1024 * 1024))
                             + " MiB, the most a file of entries may hold");
        lineEnds += static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n'));
        if (lineEnds > kMostEntries)
            throw InputError(path + " holds more than 100,000 entries");
        bytes.append(read);
    }
    if (file.bad())
        throw InputError(path + " cannot be read");
    return SplitEntries(bytes, path);
}

}  // namespace sentinel
