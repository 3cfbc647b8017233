#include "cost/csv.h"

#include <cstdio>

namespace sentinel {

void WriteCsv(std::ostream& out, const std::vector<Measurement>& rows)
{
    out << kCsvHeader << '\n';
    for (const Measurement& row : rows) {
        char seconds[64];
        std::snprintf(seconds, sizeof seconds, "%.9g,%.9g", row.seconds, row.floorSeconds);
        out << NameOf(row.routine) << ',' << NameOf(row.kind) << ',' << NameOf(row.shape) << ',' << row.n << ','
            << row.repeat << ',' << seconds << ',' << (row.identical ? "true" : "false") << ',' << row.counts.keys
            << ',' << row.counts.steps << ',' << row.counts.placed << ',' << row.counts.dropped << ','
            << row.counts.moves << '\n';
    }
}

}  // namespace sentinel
