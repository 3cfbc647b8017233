// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace sentinel {

// The engine's texts for a user are written in English, each with the
// context a translator reads it in: UserText("Plan", "choose a routine").
// A program with translations installs a catalog that looks them up; without
// one they stay English. The build tells lupdate to find these calls as it
// finds translate().
using TextCatalog = std::string (*)(const char* context, const char* english);
void InstallTextCatalog(TextCatalog catalog);

std::string UserText(const char* context, const char* english);

// Marks a text for the translator where it is written, to be looked up by
// UserText where it is shown (lupdate reads it as QT_TRANSLATE_NOOP).
constexpr const char* Translatable(const char* /*context*/, const char* english)
{
    return english;
}

Text UserText16(const char* context, const char* english);

// `pattern` with %1, %2 ... (up to %9) replaced by `arguments` in order.
std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> arguments);
Text Substituted(TextView pattern, std::initializer_list<TextView> arguments);

}  // namespace sentinel
