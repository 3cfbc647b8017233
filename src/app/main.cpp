#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/frm_demo.h"

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

}  // namespace

int main(int argc, char* argv[])
{
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
