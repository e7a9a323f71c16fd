#include "CommandTable.h"
#include "CtlMain.h"


#include <QGuiApplication>

#include <cstdio>

using namespace corvex;

namespace {

QtMessageHandler defaultHandler = nullptr;

// Run without a login session (from cron, say), Qt notes on every start that
// there is no runtime folder; the tool needs none, and scripts should not
// see the note on the error stream.
void withoutRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (defaultHandler)
        defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    defaultHandler = qInstallMessageHandler(withoutRuntimeFolderNote);
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
    return runCorvexCtl(allCommands(), arguments, out, err);
}
