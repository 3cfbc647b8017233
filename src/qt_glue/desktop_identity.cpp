// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_glue/desktop_identity.h"

#include <QGuiApplication>
#include <QIcon>

namespace sentinel {

void IdentifyWithDesktopEntry(const QString& desktopId)
{
    QGuiApplication::setDesktopFileName(desktopId);
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(desktopId)));
}

}  // namespace sentinel
