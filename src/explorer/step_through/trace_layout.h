// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPalette>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "stepping/step_through.h"

namespace sentinel {

inline constexpr int kTraceMargin = 14;
inline constexpr int kTraceGap = 8;
inline constexpr int kTracePadding = 8;

// What a frame of a step-through shows: the run and how far, and while an
// entry waits for a prediction the gap chosen and the prompt, or once
// answered the verdict.
struct TraceScene {
    std::shared_ptr<const StepThrough> run;
    std::size_t events = 0;
    StepThrough::Frame frame;  // of the run after `events`
    std::optional<std::size_t> chosenGap;
    QString prompt;
    QString verdict;
    bool verdictRight = false;
    // Above and below the frame in an animation, which has no pane around it:
    // the routine, and the counts so far.
    QString caption;
    QString footer;

    bool Finished() const { return run && events == run->Events(); }
};

// What is drawn where: lines of text, cells, the strip's bars and the gap's
// marker, from the top down.
struct TraceLayout {
    // A line of text, wrapped at the width: as tall as its lines need.
    struct TextLine {
        QRect box;
        QFont font;
        QColor colour;
        QString text;
    };
    struct Cell {
        QRect box;
        QString key;  // above, in bold
        QString below;  // what the key belongs to
        QColor fill;
        QColor outline;
        qreal outlineWidth;
        Qt::PenStyle outlineStyle = Qt::SolidLine;
        // In the corner, so that placed and dropped rest on more than colour:
        // "+" placed, "−" dropped, unlike the ✓ and ✗ of a verdict.
        QString mark;
    };
    // One input entry's scan: the positions tested so far (`filled`) within
    // the most it could test (`box`).
    struct Bar {
        QRect box;
        QRect filled;
        bool dropped;
    };

    std::vector<TextLine> lines;
    std::vector<Cell> cells;
    std::vector<Bar> bars;
    std::optional<QLine> gapMarker;  // in the gap under test, or chosen
    QColor markerColour;
    Qt::PenStyle markerStyle = Qt::SolidLine;  // solid where the entry fits
    std::size_t listFirst = 0;  // the list's cells, sentinels included, in `cells`
    std::size_t listCount = 0;
    QString outcome;  // the test written out, or what happened to the entry
    int height = 0;
};

// The counts so far beside the whole run's, as the law of the cost predicts them:
// "keys 3 of 23 · steps 5 of 82 · …".
QString CountsLine(const ScanCounts& counts, const Prediction& whole);

// Lays out the scene at `width` pixels: the entry being placed, the list as
// a row of cells between its sentinels (wrapping as the width needs), the
// position under test and the test written out, the strip of steps, the
// dropped lane, and at the end the result beside the stable sort's.
TraceLayout LayOutTrace(const TraceScene& scene, const QFont& font, const QPalette& colours, int width);

}  // namespace sentinel
