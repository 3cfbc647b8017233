// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_glue/display_start.h"

#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace sentinel {
namespace {

// The handler is a plain function: what it needs lives here, for the one
// start a program makes.
QStringList held;
QByteArray programName;
QString howWithout;
QtMessageHandler previous = nullptr;

void Hold(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        held.append(message);
        return;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString reason = display.isEmpty() ? QStringLiteral("no display is set (DISPLAY is empty)")
                                             : QStringLiteral("no display could be reached at \"%1\"").arg(display);
    std::fprintf(stderr, "%s: %s. To run it without a display: %s\n", programName.constData(), qPrintable(reason),
                 qPrintable(howWithout));
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

DisplayStart::DisplayStart(const char* name, const QString& withoutDisplay)
{
    programName = name;
    howWithout = withoutDisplay;
    previous = qInstallMessageHandler(Hold);
}

DisplayStart::~DisplayStart()
{
    qInstallMessageHandler(previous);
    for (const QString& message : held)
        qWarning("%s", qPrintable(message));
    held.clear();
}

}  // namespace sentinel
