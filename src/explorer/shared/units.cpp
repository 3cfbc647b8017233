// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/shared/units.h"

#include <cmath>

namespace sentinel {

QLocale Grouping()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

QString TimeLabel(double seconds)
{
    const auto shown = [](double value, const char* unit) {
        return Grouping().toString(value, 'g', value < 10 ? 2 : 3) + QString::fromUtf8(unit);
    };
    if (seconds < 1e-3)
        return shown(seconds * 1e6, " µs");
    if (seconds < 1)
        return shown(seconds * 1e3, " ms");
    return shown(seconds, " s");
}

QString CountLabel(double count)
{
    if (count < 1e6)
        return Grouping().toString(static_cast<qlonglong>(std::llround(count)));
    if (count < 1e9)
        return Grouping().toString(count / 1e6, 'g', 3) + QStringLiteral(" M");
    return Grouping().toString(count / 1e9, 'g', 3) + QStringLiteral(" G");
}

QString Unbroken(QString formula)
{
    formula.replace(QLatin1Char(' '), QChar(0x00A0));
    formula.replace(QStringLiteral("/"), QStringLiteral("/\u2060"));  // a word joiner: no break after the slash
    return formula;
}

}  // namespace sentinel
