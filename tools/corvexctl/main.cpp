#include "CtlMain.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The print commands lay out text in fonts, which takes a GUI
    // application; the tool never opens a window, so it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvexctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVEX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCorvexCtl(arguments, out, err);
}
