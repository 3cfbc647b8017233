// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sentinel {

// Ties the application's windows to its desktop entry `desktopId`
// ("net.sentinelsort.frmdemo"): the entry's name, which Wayland docks match,
// and its icon, compiled in as the resource ":/icons/<desktopId>.svg". The
// entry's StartupWMClass is the X11 class Qt gives the windows. Call once
// the application exists.
void IdentifyWithDesktopEntry(const QString& desktopId);

}  // namespace sentinel
