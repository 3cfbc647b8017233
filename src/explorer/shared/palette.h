// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QScatterSeries>

#include <cstddef>

namespace sentinel {

// The Okabe–Ito palette, which colour-blind readers tell apart, for every
// chart and the step-through alike; black last.
inline QColor PaletteColour(std::size_t index)
{
    static const QColor kColours[] = {QColor(0x0072B2), QColor(0xE69F00), QColor(0x009E73), QColor(0xCC79A7),
                                      QColor(0x56B4E9), QColor(0xD55E00), QColor(0xF0E442), QColor(0, 0, 0)};
    return kColours[index % std::size(kColours)];
}

// What fits and what is dropped, in the step-through and the charts' checks.
inline QColor FitColour()
{
    return PaletteColour(2);
}
inline QColor DropColour()
{
    return PaletteColour(5);
}

// The shade of a cell just placed: the fit colour a quarter strong over the
// base, opaque, so that an animation's table of colours holds it exactly.
inline QColor PlacedFill(const QColor& base)
{
    const QColor fit = FitColour();
    const auto blend = [](int over, int under) { return (over * 60 + under * (255 - 60)) / 255; };
    return QColor(blend(fit.red(), base.red()), blend(fit.green(), base.green()), blend(fit.blue(), base.blue()));
}

// A marker per input shape, so a chart printed in grey still reads.
inline QScatterSeries::MarkerShape MarkerFor(std::size_t index)
{
    static const QScatterSeries::MarkerShape kMarkers[] = {
        QScatterSeries::MarkerShapeCircle, QScatterSeries::MarkerShapeRectangle, QScatterSeries::MarkerShapeTriangle,
        QScatterSeries::MarkerShapeRotatedRectangle};
    return kMarkers[index % std::size(kMarkers)];
}

}  // namespace sentinel
