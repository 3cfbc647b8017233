// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <thread>
#include <vector>

#include "runtime/value.h"

namespace sentinel {

// Reads a file of entries on a thread of its own, so that the window answers
// meanwhile, and tells what it read, or why not, on the window's thread.
class FileReading : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    // Waits for a read under way: a read is bounded by the file limits.
    ~FileReading() override;

    // Starts reading `path`; nothing while a read is under way.
    void Read(const QString& path);
    bool Busy() const noexcept { return busy_; }

signals:
    // The entries read, or none and the reason the file was refused.
    void read(const QString& path, std::shared_ptr<const std::vector<Text>> entries, const QString& problem);

private:
    void Done(const QString& path, std::shared_ptr<const std::vector<Text>> entries, const QString& problem);

    bool busy_ = false;
    std::thread reader_;
};

}  // namespace sentinel
