#pragma once

#include <QByteArray>
#include <QString>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace sentinel {

// Writes all of `bytes` to `path` or nothing: a failed write leaves no
// partial file behind, and an existing file stays as it was.
bool WriteWhole(const QString& path, const QByteArray& bytes);

// The widget as it is drawn, as a PNG image.
QByteArray PngOf(QWidget& widget);

}  // namespace sentinel
