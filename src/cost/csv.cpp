// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cost/csv.h"

#include <cstdio>
#include <string>

namespace sentinel {
namespace {

std::string Optional(const std::optional<double>& value)
{
    if (!value)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", *value);
    return text;
}

}  // namespace

void WriteCsv(std::ostream& out, const std::vector<Measurement>& rows, std::string_view about)
{
    if (!about.empty())
        out << "# " << about << '\n';
    out << kCsvHeader << '\n';
    for (const Measurement& row : rows) {
        char seconds[64];
        std::snprintf(seconds, sizeof seconds, "%.9g,%.9g", row.seconds, row.floorSeconds);
        out << NameOf(row.routine) << ',' << NameOf(row.kind) << ',' << NameOf(row.shape) << ',' << row.n << ','
            << row.repeat << ',' << seconds << ',' << (row.identical ? "true" : "false") << ',' << row.counts.keys
            << ',' << row.counts.steps << ',' << row.counts.placed << ',' << row.counts.dropped << ','
            << row.counts.moves << ',' << Optional(row.Level()) << ',' << Optional(row.law.order.sortedness) << ','
            << row.law.order.orderedPairs << ',' << row.law.order.unorderedPairs << ',' << row.law.predicted.steps
            << ',' << row.law.predicted.moves << ',' << row.counts.shifted << ',' << NameOf(row.scan) << '\n';
    }
}

}  // namespace sentinel
