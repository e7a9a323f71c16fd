#include "Line.h"
#include "MemoryImage.h"
#include "SimOptions.h"
#include "Simulator.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace corvex;

namespace {

int signalPipe[2] = {-1, -1};

void forwardSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT, SIGTERM and SIGHUP end the event loop, so the memory is saved
// and the link removed on the way out.
bool quitOnSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });
    struct sigaction action{};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
    return true;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "corvex-sim: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvex-sim"));

    QString error;
    const std::optional<SimOptions> options = parseSimOptions(QCoreApplication::arguments(), &error);
    if (!options)
        return fail(error);

    MemoryImage memory;
    const bool memoryFileExists = !options->memoryFile.isEmpty() && QFile::exists(options->memoryFile);
    if (options->demo && !memoryFileExists)
        fillDemoImage(memory);
    if (!options->memoryFile.isEmpty() && !memory.load(options->memoryFile, &error))
        return fail(error);

    QString path = options->device;
    std::unique_ptr<Line> line =
        options->device.isEmpty() ? Line::openPseudoTerminal(&path, &error) : Line::openDevice(options->device, &error);
    if (!line)
        return fail(error);

    if (!options->link.isEmpty()) {
        QFile::remove(options->link);
        if (!QFile::link(path, options->link))
            return fail(QStringLiteral("cannot make the link %1 to %2").arg(options->link, path));
    }
    if (!quitOnSignals(app))
        return fail(QStringLiteral("cannot watch for signals"));

    QObject::connect(line.get(), &Line::closed, &app, [] {
        std::fprintf(stderr, "corvex-sim: the line was closed\n");
        QCoreApplication::exit(1);
    });
    Simulator simulator(*options, memory, std::move(line));

    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);

    const int status = app.exec();
    const bool saved = simulator.saveMemory();
    if (!options->link.isEmpty())
        QFile::remove(options->link);
    return saved ? status : 1;
}
