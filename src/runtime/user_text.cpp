// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/user_text.h"

#include <atomic>

#include "runtime/utf8.h"

namespace sentinel {
namespace {

// Installed once at start, before any worker reads it.
std::atomic<TextCatalog> installed{nullptr};

template <typename String, typename View>
String Substitute(View pattern, std::initializer_list<View> arguments)
{
    String result;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t number =
            i + 1 < pattern.size() && pattern[i] == '%' ? static_cast<std::size_t>(pattern[i + 1] - '0') : 0;
        if (number >= 1 && number <= arguments.size() && number <= 9) {
            result += arguments.begin()[number - 1];
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

}  // namespace

void InstallTextCatalog(TextCatalog catalog)
{
    installed = catalog;
}

std::string UserText(const char* context, const char* english)
{
    const TextCatalog catalog = installed;
    return catalog ? catalog(context, english) : std::string(english);
}

Text UserText16(const char* context, const char* english)
{
    return FromUtf8(UserText(context, english)).value_or(Text());
}

std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    return Substitute<std::string>(pattern, arguments);
}

Text Substituted(TextView pattern, std::initializer_list<TextView> arguments)
{
    return Substitute<Text>(pattern, arguments);
}

}  // namespace sentinel
