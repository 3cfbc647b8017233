#include "qt_glue/qt_text.h"
#include "explorer/results_model.h"

#include <QBrush>
#include <QColor>

#include "cost/csv.h"

namespace sentinel {
namespace {

// The CSV's columns, in its order.
enum Column { kRoutine, kKind, kShape, kN, kRepeat, kSeconds, kFloorSeconds, kIdentical, kKeys, kSteps, kPlaced,
              kDropped, kMoves, kLevel, kSortedness, kOrderedPairs, kUnorderedPairs, kPredictedSteps, kPredictedMoves,
              kShifted, kColumns };

QVariant Optional(const std::optional<double>& value)
{
    return value ? QVariant(*value) : QVariant();
}

QVariant CellValue(const Measurement& row, int column)
{
    switch (column) {
    case kRoutine: return ToQString(NameOf(row.routine));
    case kKind: return ToQString(NameOf(row.kind));
    case kShape: return ToQString(NameOf(row.shape));
    case kN: return row.n;
    case kRepeat: return row.repeat;
    case kSeconds: return row.seconds;
    case kFloorSeconds: return row.floorSeconds;
    case kIdentical: return row.identical;
    case kKeys: return qlonglong(row.counts.keys);
    case kSteps: return qlonglong(row.counts.steps);
    case kPlaced: return qlonglong(row.counts.placed);
    case kDropped: return qlonglong(row.counts.dropped);
    case kMoves: return qlonglong(row.counts.moves);
    case kLevel: return Optional(row.Level());
    case kSortedness: return Optional(row.law.order.sortedness);
    case kOrderedPairs: return qlonglong(row.law.order.orderedPairs);
    case kUnorderedPairs: return qlonglong(row.law.order.unorderedPairs);
    case kPredictedSteps: return qlonglong(row.law.predicted.steps);
    case kPredictedMoves: return qlonglong(row.law.predicted.moves);
    default: return qlonglong(row.counts.shifted);
    }
}

}  // namespace

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    const Measurement& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::UserRole: return CellValue(row, index.column());
    case Qt::DisplayRole:
        if (index.column() == kSeconds || index.column() == kFloorSeconds)
            return QString::number(CellValue(row, index.column()).toDouble() * 1e3, 'f', 3) + " ms";
        if (index.column() == kIdentical)
            return row.identical ? QStringLiteral("yes") : QStringLiteral("NO");
        if ((index.column() == kLevel || index.column() == kSortedness) && CellValue(row, index.column()).isValid())
            return QString::number(CellValue(row, index.column()).toDouble(), 'f', 3);
        return CellValue(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() >= kN ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        return row.identical && row.PredictionHolds() ? QVariant() : QBrush(QColor(0xd0, 0x10, 0x10));
    default: return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList headers = ToQString(kCsvHeader).split(',');
    return headers.value(section);
}

void ResultsModel::Append(const Measurement& row)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    rows_.push_back(row);
    endInsertRows();
}

void ResultsModel::Clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

}  // namespace sentinel
