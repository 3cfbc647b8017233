// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "explorer/window/file_reading.h"

#include <QFile>

#include "cost/input_error.h"
#include "cost/text_file.h"

namespace sentinel {

FileReading::~FileReading()
{
    if (reader_.joinable())
        reader_.join();
}

void FileReading::Read(const QString& path)
{
    if (busy_)
        return;
    if (reader_.joinable())
        reader_.join();
    busy_ = true;
    reader_ = std::thread([this, path] {
        std::shared_ptr<const std::vector<Text>> entries;
        QString problem;
        try {
            entries = std::make_shared<const std::vector<Text>>(ReadEntries(QFile::encodeName(path).toStdString()));
        } catch (const InputError& error) {
            problem = QString::fromUtf8(error.what());
        }
        QMetaObject::invokeMethod(this, [this, path, entries, problem] { Done(path, entries, problem); },
                                  Qt::QueuedConnection);
    });
}

void FileReading::Done(const QString& path, std::shared_ptr<const std::vector<Text>> entries, const QString& problem)
{
    busy_ = false;
    emit read(path, std::move(entries), problem);
}

}  // namespace sentinel
