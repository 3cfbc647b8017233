// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace sentinel {

// A time for an axis or a table, in the unit its size needs: "750 µs",
// "2.5 ms", "1.2 s".
QString TimeLabel(double seconds);

// A count with the user's thousands separators (even where the locale would
// leave them out), shortened past a million: "16,000", "2.5 M".
QString CountLabel(double count);

// The user's locale, with thousands separators.
QLocale Grouping();

// A formula that a line never breaks inside: its spaces no-break, and no
// break after a slash ("n(n−1)/2").
QString Unbroken(QString formula);

}  // namespace sentinel
