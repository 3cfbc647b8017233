// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/frm_demo.h"
#include "qt_glue/desktop_identity.h"
#include "qt_glue/display_start.h"
#include "runtime/project_version.h"

namespace {

// --help and --version, answered before Qt connects to a display, so they
// work without one. Qt's own options (-platform, -style ...) are left to
// QApplication. Returns true when the program has answered and is done.
bool AnsweredCommandLine(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("frmdemo"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(sentinel::kProjectVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "FrmDemo: sorting and de-duplicating lists by sentinel insertion, in one window.\n"
        "It also takes Qt's own options, such as -platform offscreen or -style Fusion."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    (void)parser.parse(arguments);  // the options it does not know are Qt's, for QApplication
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("frmdemo"))),
                   stdout);
    else if (parser.isSet(version))
        std::printf("frmdemo %s\n", sentinel::kProjectVersion);
    return parser.isSet(help) || parser.isSet(QStringLiteral("help-all")) || parser.isSet(version);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnsweredCommandLine(argc, argv))
        return EXIT_SUCCESS;
    auto start = std::make_optional<sentinel::DisplayStart>("frmdemo", QStringLiteral("xvfb-run -a ") + QString::fromLocal8Bit(argv[0]));
    QApplication application(argc, argv);
    start.reset();
    sentinel::IdentifyWithDesktopEntry(QStringLiteral("net.sentinelsort.frmdemo"));

    sentinel::FrmDemo window;
    window.show();
    return QApplication::exec();
}
