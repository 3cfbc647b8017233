// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPen>
#include <QScatterSeries>
#include <QWidget>

#include <optional>
#include <vector>

namespace sentinel {

// A chart's legend, one entry a line: a sample of the series' line (solid,
// dashed or dotted) with its marker, and its name, wrapped to the width so
// nothing is cut. Clicking an entry, or Space on the one with focus, hides or
// shows its series; the tooltip tells more. A screen reader sees each entry
// as a check box named by its text, checked while its series are shown.
class ChartLegend : public QWidget {
    Q_OBJECT

public:
    struct Entry {
        QString text;
        QString tip;
        QPen pen;  // Qt::NoPen for markers alone
        std::optional<QScatterSeries::MarkerShape> marker;
        QColor fill;  // for a band: its colour; invalid otherwise
        std::vector<QAbstractSeries*> series;  // shown and hidden together
    };

    explicit ChartLegend(QWidget* parent = nullptr);

    void SetEntries(std::vector<Entry> entries);
    const std::vector<Entry>& Entries() const noexcept { return entries_; }
    // Where each entry's text lies, for the current width.
    const std::vector<QRect>& TextRects() const noexcept { return textRects_; }
    // Where each entry lies, its sample and its text.
    QRect EntryRect(std::size_t entry) const;
    std::size_t Focused() const noexcept { return focused_; }
    bool Shown(std::size_t entry) const;
    // Hides the entry's series if they are shown, shows them if hidden.
    void Toggle(std::size_t entry);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    // Draws the legend at `width`, as tall as it needs, onto `painter`.
    void Render(QPainter& painter, int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    std::vector<QRect> Layout(int width) const;
    void Focus(std::size_t entry);

    std::vector<Entry> entries_;
    std::vector<QRect> textRects_;
    std::size_t focused_ = 0;
};

}  // namespace sentinel
