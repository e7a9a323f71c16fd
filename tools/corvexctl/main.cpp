#include "CtlMain.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvexctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVEX_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunCorvexCtl(arguments, out, err);
}
