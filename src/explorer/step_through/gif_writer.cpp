// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/step_through/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace sentinel {
namespace {

int Append(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// The smallest rectangle holding every pixel where the two indexed frames differ.
QRect Changed(const QImage& before, const QImage& after)
{
    if (before.isNull())
        return after.rect();
    int left = after.width(), right = -1, top = after.height(), bottom = -1;
    for (int y = 0; y < after.height(); ++y) {
        const uchar* a = before.constScanLine(y);
        const uchar* b = after.constScanLine(y);
        for (int x = 0; x < after.width(); ++x) {
            if (a[x] != b[x]) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = y;
            }
        }
    }
    // A frame shows for its delay even when nothing changed.
    return right < 0 ? QRect(0, 0, 1, 1) : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

GifWriter::GifWriter(QSize size, const QList<QRgb>& colours) : size_(size), colours_(colours)
{
    int error = 0;
    gif_ = EGifOpen(&bytes_, Append, &error);
    if (!gif_) {
        error_ = QString::fromUtf8(GifErrorString(error));
        return;
    }
    EGifSetGifVersion(gif_, true);
    std::vector<GifColorType> table(256);
    for (qsizetype k = 0; k < colours_.size() && k < 256; ++k)
        table[static_cast<std::size_t>(k)] = {static_cast<GifByteType>(qRed(colours_[k])),
                                              static_cast<GifByteType>(qGreen(colours_[k])),
                                              static_cast<GifByteType>(qBlue(colours_[k]))};
    ColorMapObject* map = GifMakeMapObject(256, table.data());
    const bool described = Check(EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, map));
    GifFreeMapObject(map);
    // Loop for ever: the application extension that browsers and viewers read.
    static const GifByteType kLoop[] = {1, 0, 0};
    if (described && Check(EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE))
        && Check(EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0")) && Check(EGifPutExtensionBlock(gif_, 3, kLoop)))
        Check(EGifPutExtensionTrailer(gif_));
}

GifWriter::~GifWriter()
{
    if (gif_)
        EGifCloseFile(gif_, nullptr);
}

bool GifWriter::Check(int result)
{
    if (result == GIF_ERROR && error_.isEmpty())
        error_ = QString::fromUtf8(GifErrorString(gif_ ? gif_->Error : 0));
    return result != GIF_ERROR;
}

void GifWriter::Add(const QImage& frame, int delayCentiseconds)
{
    if (!error_.isEmpty())
        return;
    const QImage indexed = frame.convertToFormat(QImage::Format_Indexed8, colours_, Qt::ThresholdDither | Qt::AvoidDither);
    const QRect changed = Changed(previous_, indexed);
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, delayCentiseconds, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    bool ok = Check(EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension))
        && Check(EGifPutImageDesc(gif_, changed.x(), changed.y(), changed.width(), changed.height(), false, nullptr));
    for (int y = changed.top(); ok && y <= changed.bottom(); ++y)
        ok = Check(EGifPutLine(gif_, const_cast<GifByteType*>(indexed.constScanLine(y)) + changed.x(), changed.width()));
    previous_ = indexed;
}

QByteArray GifWriter::Finish()
{
    int error = 0;
    const int closed = gif_ ? EGifCloseFile(gif_, &error) : GIF_ERROR;
    gif_ = nullptr;
    if (closed == GIF_ERROR && error_.isEmpty())
        error_ = QString::fromUtf8(GifErrorString(error));
    return error_.isEmpty() ? bytes_ : QByteArray();
}

}  // namespace sentinel
