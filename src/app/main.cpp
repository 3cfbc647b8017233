#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

#include "app/frm_demo.h"
#include "runtime/project_version.h"

namespace {

void SayNoDisplay(const QString& reason, const char* program)
{
    std::fprintf(stderr, "frmdemo: %s. To run it without a display: xvfb-run -a %s\n", qPrintable(reason), program);
}

// Qt's messages while it connects to the display: held back, and replaced by
// one plain line when it cannot (Qt would print several and abort).
QStringList startUpMessages;
const char* programName = "frmdemo";

void HoldStartUpMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        startUpMessages.append(message);
        return;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    SayNoDisplay(display.isEmpty() ? QStringLiteral("no display is set (DISPLAY is empty)")
                                   : "no display could be reached at \"" + display + "\"",
                 programName);
    std::_Exit(EXIT_FAILURE);
}

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
    programName = argv[0];
    const QtMessageHandler defaultHandler = qInstallMessageHandler(HoldStartUpMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(defaultHandler);
    for (const QString& message : startUpMessages)
        qWarning("%s", qPrintable(message));

    sentinel::FrmDemo window;
    window.show();
    return QApplication::exec();
}
