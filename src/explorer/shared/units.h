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

}  // namespace sentinel
