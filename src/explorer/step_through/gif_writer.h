// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct GifFileType;

namespace sentinel {

// Encodes frames of one size as a looping animated GIF in memory, with
// giflib, every frame mapped to one colour table. Each frame after the first
// is written as the rectangle that changed, left over the one before.
class GifWriter {
public:
    GifWriter(QSize size, const QList<QRgb>& colours);  // at most 256 colours
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    void Add(const QImage& frame, int delayCentiseconds);
    // The whole file; empty, with Error() saying why, when encoding failed.
    QByteArray Finish();
    const QString& Error() const noexcept { return error_; }
    QSize Size() const noexcept { return size_; }

private:
    bool Check(int result);

    QSize size_;
    QList<QRgb> colours_;
    QByteArray bytes_;
    GifFileType* gif_ = nullptr;
    QImage previous_;
    QString error_;
};

}  // namespace sentinel
