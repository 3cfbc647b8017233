// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/results_table.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QTimer>

#include <algorithm>

#include "explorer/window/results_model.h"

namespace sentinel {

ResultsTable::ResultsTable(ResultsModel& model, QWidget* parent) : QTableView(parent)
{
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(&model);
    sorted->setSortRole(Qt::UserRole);
    setModel(sorted);
    setSortingEnabled(true);
    sortByColumn(-1, Qt::AscendingOrder);  // measurement order until a header is clicked
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView& header = *horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);  // the user may widen any column
    for (int column = 0; column < sorted->columnCount(); ++column) {
        const QString title = sorted->headerData(column, Qt::Horizontal).toString();
        header.resizeSection(column, std::max(72, header.fontMetrics().horizontalAdvance(title) + 28));
    }
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setAccessibleName(tr("Results table"));
    // Rows arrive faster than a table can be laid out: the columns widen to
    // the rows that arrived, a few times a second, never to all rows again.
    widen_ = new QTimer(this);
    widen_->setSingleShot(true);
    widen_->setInterval(250);
    connect(widen_, &QTimer::timeout, this, [this] { WidenTo(arrived_); });
    connect(&model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        arrived_ = arrived_.isEmpty() ? Rows{first, last} : Rows{std::min(arrived_.first, first), std::max(arrived_.last, last)};
        if (!widen_->isActive())
            widen_->start();
    });
    connect(&model, &QAbstractItemModel::modelReset, this, [this, &model] { WidenTo({0, model.rowCount() - 1}); });
    connect(&model, &QAbstractItemModel::modelReset, this, &ResultsTable::DescribeEmptiness);
    connect(&model, &QAbstractItemModel::rowsInserted, this, &ResultsTable::DescribeEmptiness);
    DescribeEmptiness();
}

QString ResultsTable::EmptyHint()
{
    return tr("No measurements yet: choose what to measure on the left, then Run (F5).");
}

// A screen reader hears the hint the empty table shows.
void ResultsTable::DescribeEmptiness()
{
    setAccessibleDescription(model()->rowCount() == 0 ? EmptyHint() : QString());
}

void ResultsTable::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (model()->rowCount() > 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, EmptyHint());
}

// Each column as wide as its widest cell among `rows` of the model's, or wider.
void ResultsTable::WidenTo(Rows rows)
{
    arrived_ = {};
    widen_->stop();
    const QAbstractItemModel& source = *static_cast<QSortFilterProxyModel*>(model())->sourceModel();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QHeaderView& header = *horizontalHeader();
    for (int column = 0; column < source.columnCount(); ++column) {
        int width = header.sectionSize(column);
        for (int row = rows.first; row <= rows.last; ++row)
            width = std::max(width, itemDelegate()->sizeHint(option, source.index(row, column)).width() + 1);
        header.resizeSection(column, width);
    }
}

QString ResultsTable::SelectedText() const
{
    QStringList lines;
    QStringList header;
    const int columns = model()->columnCount();
    for (int column = 0; column < columns; ++column)
        header << model()->headerData(column, Qt::Horizontal).toString();
    lines << header.join(QLatin1Char('\t'));
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& row : rows) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells << model()->index(row.row(), column).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ResultsTable::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
        return;
    }
    const bool up = event->key() == Qt::Key_Up;
    if (event->modifiers() == Qt::ControlModifier && (up || event->key() == Qt::Key_Down) && currentIndex().isValid()) {
        sortByColumn(currentIndex().column(), up ? Qt::AscendingOrder : Qt::DescendingOrder);
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace sentinel
