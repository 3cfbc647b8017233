// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Brackets code compiled for an instruction set (a string such as "avx2")
// that the rest of the build does not assume. Only what lies between the two
// is compiled for it, so no wider instruction leaks into inline code that
// other files share; such code is called only on a processor that has it.
#define SENTINEL_STRING(text) #text
#if defined(__clang__)
#define SENTINEL_TARGET_PUSH(isa) \
    _Pragma(SENTINEL_STRING(clang attribute push(__attribute__((target(isa))), apply_to = function)))
#define SENTINEL_TARGET_POP _Pragma("clang attribute pop")
#else
#define SENTINEL_TARGET_PUSH(isa) _Pragma("GCC push_options") _Pragma(SENTINEL_STRING(GCC target(isa)))
#define SENTINEL_TARGET_POP _Pragma("GCC pop_options")
#endif
