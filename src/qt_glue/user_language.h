// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sentinel {

// Speaks the user's language where a translation is there for it: Qt's own
// texts from the system's Qt translations, the program's from the resource
// ":/i18n/<catalog>_<language>.qm", and the engine's texts for users through
// the same lookup. English, the language of the code, needs none. Call once
// the application exists, before any window is made.
void SpeakUserLanguage(const QString& catalog);

}  // namespace sentinel
