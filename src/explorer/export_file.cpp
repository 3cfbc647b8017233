#include "explorer/export_file.h"

#include <QBuffer>
#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

namespace sentinel {

bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray PngOf(QWidget& widget)
{
    QByteArray png;
    QBuffer buffer(&png);
    widget.grab().save(&buffer, "PNG");
    return png;
}

}  // namespace sentinel
