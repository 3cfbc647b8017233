// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_glue/qt_text.h"
#include "explorer/window/results_model.h"

#include <QBrush>
#include <QColor>
#include <QLocale>

#include <algorithm>

#include "cost/csv.h"
#include "explorer/charts/chart_axes.h"

namespace sentinel {
namespace {

// The CSV's columns, in its order, then the median and spread of the
// repetitions the row belongs to.
enum Column { kRoutine, kKind, kShape, kN, kRepeat, kSeconds, kFloorSeconds, kIdentical, kKeys, kSteps, kPlaced,
              kDropped, kMoves, kLevel, kSortedness, kOrderedPairs, kUnorderedPairs, kPredictedSteps, kPredictedMoves,
              kShifted, kScan, kMedian, kSpread, kColumns };

bool IsTime(int column)
{
    return column == kSeconds || column == kFloorSeconds || column == kMedian;
}

QString Micros(double seconds)
{
    return Grouping().toString(seconds * 1e6, 'f', 1);
}

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
    case kShifted: return qlonglong(row.counts.shifted);
    default: return ToQString(NameOf(row.scan));
    }
}

}  // namespace

int ResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !run_ ? 0 : static_cast<int>(rows_);
}

int ResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ResultsModel::Value(const Measurement& row, int column) const
{
    if (column == kMedian)
        return run_->PointOf(row).seconds;
    if (column == kSpread)
        return run_->PointOf(row).mostSeconds - run_->PointOf(row).fewestSeconds;
    return CellValue(row, column);
}

QString ResultsModel::Shown(const Measurement& row, int column) const
{
    const QVariant value = Value(row, column);
    if (IsTime(column))
        return Micros(value.toDouble()) + (column == kSeconds && run_->IsOutlier(row) ? QStringLiteral(" ⚑") : QString());
    if (column == kSpread)
        return Micros(run_->PointOf(row).fewestSeconds) + QStringLiteral(" – ") + Micros(run_->PointOf(row).mostSeconds);
    if (column == kIdentical)
        return row.identical ? tr("yes") : tr("NO");
    if (column == kLevel || column == kSortedness)
        return value.isValid() ? Grouping().toString(value.toDouble(), 'f', 3) : QString();
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return Grouping().toString(value.toLongLong());
    return value.toString();
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const
{
    const Measurement& row = run_->Rows()[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::UserRole: return Value(row, index.column());
    case Qt::DisplayRole: return Shown(row, index.column());
    case Qt::ToolTipRole:
        if (index.column() == kSeconds && run_->IsOutlier(row))
            return tr("More than three median absolute deviations from the median of its %1 repetitions")
                .arg(run_->RepetitionsOf(row).seconds.size());
        return IsTime(index.column()) ? tr("%1 s").arg(QLocale().toString(Value(row, index.column()).toDouble(), 'g', 9))
                                      : Shown(row, index.column());
    case Qt::TextAlignmentRole:
        return index.column() >= kN ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::ForegroundRole:
        return row.identical && row.PredictionHolds() ? QVariant() : QBrush(QColor(0xd0, 0x10, 0x10));
    default: return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    // What each column is called in the window, and what it is.
    static const std::pair<QString, QString> headers[kColumns] = {
        {tr("Routine"), {}},
        {tr("Kind"), tr("What the entries are")},
        {tr("Shape"), tr("The order of the input")},
        {tr("n"), tr("Entries sorted")},
        {tr("Run"), tr("The repetition, from 1")},
        {tr("Time (µs)"), tr("The routine alone, on a monotonic clock")},
        {tr("Floor (µs)"), tr("A standard stable sort giving the same result, on the same input")},
        {tr("Same result"), tr("Whether the routine's result is the floor's")},
        {tr("Keys"), tr("Keys read: n and the two sentinels' (n + 2)")},
        {tr("Steps"), tr("Positions the scan tested")},
        {tr("Placed"), tr("Entries inserted")},
        {tr("Dropped"), tr("Entries dropped: a key equal to one placed, or beyond a sentinel")},
        {tr("Moves"), tr("Entries after each insertion point")},
        {tr("Level"), tr("The sortedness an order sweep asked for")},
        {tr("Sortedness"), tr("Ordered pairs over all pairs")},
        {tr("Ordered pairs"), {}},
        {tr("Unordered pairs"), {}},
        {tr("Steps predicted"), tr("By the law of the cost, from the input alone")},
        {tr("Moves predicted"), tr("By the law of the cost, from the input alone")},
        {tr("Shifted"), tr("Entries the list really moved")},
        {tr("Scan"), tr("The vector width the scan ran at")},
        {tr("Median (µs)"), tr("Of the repetitions at this routine, shape and n")},
        {tr("Spread (µs)"), tr("The fewest to the most seconds of the repetitions")},
    };
    static const QStringList csvNames = ToQString(kCsvHeader).split(',') << QStringLiteral("median")
                                                                         << QStringLiteral("spread");
    const auto& [name, meaning] = headers[section];
    switch (role) {
    case Qt::DisplayRole: return name;
    case Qt::ToolTipRole:
        return meaning.isEmpty() ? tr("CSV column: %1").arg(csvNames.value(section))
                                 : tr("%1.\nCSV column: %2").arg(meaning, csvNames.value(section));
    default: return QAbstractTableModel::headerData(section, orientation, role);
    }
}

void ResultsModel::Show(const RunResults* run)
{
    beginResetModel();
    run_ = run;
    rows_ = run ? run->Rows().size() : 0;
    endResetModel();
}

void ResultsModel::RowsArrived()
{
    const std::size_t now = run_ ? run_->Rows().size() : 0;
    if (now <= rows_)
        return;
    const int before = static_cast<int>(rows_);
    beginInsertRows({}, before, static_cast<int>(now) - 1);
    rows_ = now;
    endInsertRows();
    // The rows of the same repetitions have a new median and spread.
    if (before > 0)
        emit dataChanged(index(0, kSeconds), index(before - 1, kSpread));
}

}  // namespace sentinel
