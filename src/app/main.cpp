#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "app/frm_demo.h"

namespace {

// Qt aborts when it finds no display; say so plainly, and how to run anyway.
void ExitWhenNoDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "frmdemo: no display could be reached. To run it without one: xvfb-run -a %s\n",
                     qPrintable(QCoreApplication::applicationFilePath()));
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "frmdemo: no display is set (DISPLAY is empty). To run it without one: xvfb-run -a %s\n",
                     argv[0]);
        return EXIT_FAILURE;
    }
    const QtMessageHandler previousHandler = qInstallMessageHandler(ExitWhenNoDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    sentinel::FrmDemo window;
    window.show();
    return QApplication::exec();
}
