// SPDX-FileCopyrightText: 2026 The Sentinel Sort Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>
#include <QSettings>

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "cost/input_error.h"
#include "explorer/window/cost_window.h"
#include "explorer/headless.h"
#include "explorer/launch.h"
#include "qt_glue/desktop_identity.h"
#include "qt_glue/display_start.h"
#include "qt_glue/user_language.h"
#include "runtime/project_version.h"

int main(int argc, char* argv[])
{
    using namespace sentinel;
    CommandLine line;
    try {
        line = ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const InputError& error) {
        std::fprintf(stderr, "sentinel-cost: %s\n", error.what());
        return 2;
    }
    if (line.version) {
        std::printf("sentinel-cost %s\n", kProjectVersion);
        return 0;
    }
    if (line.help) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (line.Headless()) {
        if (line.chartPath.empty() && line.stepGifPath.empty())
            return RunHeadless(line);
        qputenv("QT_QPA_PLATFORM", "offscreen");  // draws the chart or the animation with no display
        // Standard error carries this program's own lines only, not Qt's notes on its setup.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "sentinel-cost: %s\n", qPrintable(message));
        });
        QApplication application(argc, argv);
        QLocale::setDefault(QLocale::c());  // files for scripts read the same in every locale
        return RunHeadless(line);
    }
    auto start = std::make_optional<DisplayStart>(
        "sentinel-cost", QStringLiteral("xvfb-run -a %1, or headless with --csv, --chart or --budget")
                             .arg(QString::fromLocal8Bit(argv[0])));
    QApplication application(argc, argv);
    start.reset();
    IdentifyWithDesktopEntry(QStringLiteral("net.sentinelsort.sentinelcost"));
    SpeakUserLanguage(QStringLiteral("sentinel-cost"));
    QSettings remembered(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("sentinelsort"),
                         QStringLiteral("sentinel-cost"));
    CostWindow window({}, {}, &remembered);
    window.show();
    Launch(window, line);
    return QApplication::exec();
}
